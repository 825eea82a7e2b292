// SPDX-License-Identifier: MIT
// Rectangular wire coil: width, height, turns and wire radius.
#include "calcsteps.h"
#include "calculators.h"
#include "display.h"
#include "formulas.h"

namespace loopcalc {

Outcome frmMain_cmdCalculate3_Click(FormPort& port)
{
    const double n = steps::Read(port, "txtTurns4");
    const double h = steps::ReadLength(port, "txtHeight4");
    const double w = steps::ReadLength(port, "txtWidth4");
    const double a = steps::ReadLength(port, "txtWireRad4");

    // Checked in the order turns, height, wire radius, width.
    if (n < 1.0) {
        return steps::Refuse(port, "txtTurns4", "11", "Turns must be > 0");
    }
    if (h <= 0.0) {
        return steps::Refuse(port, "txtHeight4", "10.0", "Height must be > 0");
    }
    if (a <= 0.0) {
        return steps::Refuse(port, "txtWireRad4", "0.127", "Wire Radius must be > 0");
    }
    if (w <= 0.0) {
        return steps::Refuse(port, "txtWidth4", "21.0", "Width must be > 0");
    }

    const double l = RectLoopInductance(n, w, h, a);
    const Display display = FormatInductance(l);
    if (!display.inRange) {
        port.showMessage(display.text, MessageIcon::Warning);
        port.setText("txtTurns4", "11");
        port.setFocus("txtTurns4");
        port.setText("txtHeight4", "10.0");
        port.setText("txtWidth4", "21.0");
        port.setText("txtWireRad4", "0.127");
        return {Outcome::Kind::OutOfRange, display.text, l};
    }

    Outcome outcome = steps::Succeed(port, "txtInductance4", display.text, l);
    if (port.logging()) {
        steps::WriteRecord(port, "Rectangular Wire Wound Coil",
                           {steps::LengthLine(port, "Width", w), steps::LengthLine(port, "Height", h),
                            steps::TurnsLine(port, n), steps::LengthLine(port, "Wire Radius", a)},
                           display.text);
    }
    return outcome;
}

}  // namespace loopcalc
