// SPDX-License-Identifier: MIT
// Flat spiral air coil: outer radius, inner radius and turns; computed in µH.
#include "calcsteps.h"
#include "calculators.h"
#include "display.h"
#include "formulas.h"

namespace loopcalc {

namespace {

constexpr double kMostTurns = 100.0;

void RestoreRadii(FormPort& port)
{
    port.setText("txtOuterRadius3", "8.5");
    port.setText("txtInnerRadius3", "7.25");
    port.setFocus("txtOuterRadius3");
}

Outcome Refused(const std::string& message)
{
    return {Outcome::Kind::Refused, message, 0.0};
}

}  // namespace

Outcome frmMain_cmdCalculate4_Click(FormPort& port)
{
    const double ri = steps::ReadLength(port, "txtInnerRadius3");
    const double ro = steps::ReadLength(port, "txtOuterRadius3");

    // Equal radii pass (the depth is then 0). The first refusal rewrites both
    // boxes before its message; the other two show their message first.
    if (ri > ro) {
        const std::string message = "Outer Radius must be > Inner Radius";
        RestoreRadii(port);
        port.showMessage(message, MessageIcon::Error);
        return Refused(message);
    }
    if (ro <= 0.0) {
        const std::string message = "Outer Radius must be > 0";
        port.showMessage(message, MessageIcon::Error);
        port.setText("txtOuterRadius3", "8.5");
        port.setFocus("txtOuterRadius3");
        return Refused(message);
    }
    if (ri <= 0.0) {
        const std::string message = "Inner Radius must be > 0";
        port.showMessage(message, MessageIcon::Error);
        port.setText("txtInnerRadius3", "7.25");
        port.setFocus("txtInnerRadius3");
        return Refused(message);
    }

    const double a = (ro + ri) / 2.0;
    const double b = ro - ri;

    // Turns are read only after the radii have passed. Fractional turns pass,
    // so 100.5 is refused although it is below 101.
    const double n = steps::Read(port, "txtTurns3");
    if (n <= 0.0 || n > kMostTurns) {
        return steps::Refuse(port, "txtTurns3", "12", "Turns must be > 0 and < 101");
    }

    const double microhenries = SpiralCoilInductance(n, a, b);
    const Display display = FormatSpiralInductance(microhenries);
    const double henries = microhenries / 1e6;
    if (!display.inRange) {
        port.showMessage(display.text, MessageIcon::Warning);
        RestoreRadii(port);
        port.setText("txtTurns3", "12");
        return {Outcome::Kind::OutOfRange, display.text, henries};
    }

    Outcome outcome = steps::Succeed(port, "txtInductance3", display.text, henries);
    if (port.logging()) {
        // The outer radius is logged before the inner, although read after it.
        steps::WriteRecord(port, "Flat Spiral Air Coil",
                           {steps::LengthLine(port, "Outer Radius", ro), steps::LengthLine(port, "Inner Radius", ri),
                            steps::TurnsLine(port, n)},
                           display.text);
    }
    return outcome;
}

}  // namespace loopcalc
