// SPDX-License-Identifier: MIT
// The four Calculate handlers. Each reads its page's boxes through the port,
// refuses the first input out of range (rewriting that box with a fixed
// text, moving the focus to it and showing the message), computes, shows the
// result, beeps and, while the log is on, appends its record.
#pragma once

#include "formport.h"

#include <string>

namespace loopcalc {

/// How one press of a Calculate button ended.
struct Outcome {
    enum class Kind { Result, Refused, OutOfRange };
    Kind kind = Kind::Refused;
    std::string text;      ///< the result text, or the message shown
    double henries = 0.0;  ///< the inductance, for results and out-of-range outcomes
};

/// Circular wire coil: txtRadius2, txtTurns2, txtWire2 → txtInductance2.
Outcome frmMain_cmdCalculate2_Click(FormPort& port);
/// Rectangular wire coil: txtWidth4, txtHeight4, txtTurns4, txtWireRad4 → txtInductance4.
Outcome frmMain_cmdCalculate3_Click(FormPort& port);
/// Flat spiral air coil: txtOuterRadius3, txtInnerRadius3, txtTurns3 → txtInductance3.
Outcome frmMain_cmdCalculate4_Click(FormPort& port);
/// Flat rectangular air coil: txtWidth1, txtHeight1, txtTurns1, txtTrace1 → txtInductance1.
Outcome frmMain_cmdCalculate1_Click(FormPort& port);

}  // namespace loopcalc
