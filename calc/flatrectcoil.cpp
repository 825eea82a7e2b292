// SPDX-License-Identifier: MIT
// Flat rectangular (printed) air coil: width, height, turns and trace size.
#include "calcsteps.h"
#include "calculators.h"
#include "display.h"
#include "formulas.h"

namespace loopcalc {

namespace {
constexpr double kLargestTrace = 0.25;  // cm: a trace of up to 2.5 mm is accepted
}

Outcome frmMain_cmdCalculate1_Click(FormPort& port)
{
    const double n = steps::Read(port, "txtTurns1");
    const double h = steps::ReadLength(port, "txtHeight1");
    const double w = steps::ReadLength(port, "txtWidth1");
    const double t = steps::ReadLength(port, "txtTrace1");

    // Checked in the order turns, height, trace, width.
    if (n < 1.0) {
        return steps::Refuse(port, "txtTurns1", "11", "Turns must be > 0");
    }
    if (h <= 0.0) {
        return steps::Refuse(port, "txtHeight1", "10.0", "Height must be > 0");
    }
    if (t <= 0.0 || t > kLargestTrace) {
        return steps::Refuse(port, "txtTrace1", "0.127", "Trace must be > 0 or < 2.6");
    }
    if (w <= 0.0) {
        return steps::Refuse(port, "txtWidth1", "21.0", "Width must be > 0");
    }

    // The trace size stands in for the wire radius, with no further factor.
    const double l = RectLoopInductance(n, w, h, t);
    const Display display = FormatInductance(l);
    if (!display.inRange) {
        port.showMessage(display.text, MessageIcon::Warning);
        port.setText("txtWidth1", "21.0");
        port.setFocus("txtWidth1");
        port.setText("txtTurns1", "11");
        port.setText("txtHeight1", "10.0");
        port.setText("txtTrace1", "0.127");
        return {Outcome::Kind::OutOfRange, display.text, l};
    }

    Outcome outcome = steps::Succeed(port, "txtInductance1", display.text, l);
    if (port.logging()) {
        // The trace size is logged under the wire radius's label.
        steps::WriteRecord(port, "Flat Rectangular Air Coil",
                           {steps::LengthLine(port, "Width", w), steps::LengthLine(port, "Height", h),
                            steps::TurnsLine(port, n), steps::LengthLine(port, "Wire Radius", t)},
                           display.text);
    }
    return outcome;
}

}  // namespace loopcalc
