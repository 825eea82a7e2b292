// SPDX-License-Identifier: MIT
// Circular wire coil: radius, turns and wire radius.
#include "calcsteps.h"
#include "calculators.h"
#include "display.h"
#include "formulas.h"

namespace loopcalc {

Outcome frmMain_cmdCalculate2_Click(FormPort& port)
{
    const double n = steps::Read(port, "txtTurns2");
    const double r = steps::ReadLength(port, "txtRadius2");
    const double a = steps::ReadLength(port, "txtWire2");

    // The turns limit is 1, not 0, although the message says "> 0".
    if (n < 1.0) {
        return steps::Refuse(port, "txtTurns2", "10", "Turns must be > 0");
    }
    if (r <= 0.0) {
        return steps::Refuse(port, "txtRadius2", "12.5", "Radius must be > 0");
    }
    if (a <= 0.0) {
        return steps::Refuse(port, "txtWire2", "0.0127", "Wire Radius must be > 0");
    }

    const double l = CircularCoilInductance(n, r, a);
    const Display display = FormatInductance(l);
    if (!display.inRange) {
        port.showMessage(display.text, MessageIcon::Warning);
        port.setText("txtTurns2", "10");
        port.setText("txtRadius2", "12.5");
        port.setFocus("txtRadius2");
        port.setText("txtWire2", "0.0127");
        return {Outcome::Kind::OutOfRange, display.text, l};
    }

    Outcome outcome = steps::Succeed(port, "txtInductance2", display.text, l);
    if (port.logging()) {
        steps::WriteRecord(port, "Circular Wire Wound Air Coil",
                           {steps::LengthLine(port, "Radius", r), steps::TurnsLine(port, n),
                            steps::LengthLine(port, "Wire Radius", a)},
                           display.text);
    }
    return outcome;
}

}  // namespace loopcalc
