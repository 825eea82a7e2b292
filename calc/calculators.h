// SPDX-License-Identifier: MIT
// The four Calculate handlers and each shape's design aids. Each handler
// reads its page's boxes through the port, refuses the first input out of
// range (rewriting that box with a fixed text, moving the focus to it and
// showing the message), computes, shows the result, beeps and, while the log
// is on, appends its record. What a page holds is in the shape table
// (shapes.h); a handler holds only its formula and any rule the table cannot
// express.
#pragma once

#include "formport.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace loopcalc {

/// How one press of a Calculate button ended.
struct Outcome {
    enum class Kind { Result, Refused, OutOfRange };
    Kind kind = Kind::Refused;
    std::string text;      ///< the result text, or the message shown
    double henries = 0.0;  ///< the inductance, for results and out-of-range outcomes
};

/// The most boxes a page has.
inline constexpr std::size_t kMaxFields = 8;

/// A page's box values in the table's order, lengths in centimetres.
using FieldValues = std::array<double, kMaxFields>;

/// Circular wire coil: txtRadius2, txtTurns2, txtWire2 → txtInductance2.
Outcome frmMain_cmdCalculate2_Click(FormPort& port);
/// Rectangular wire coil: txtWidth4, txtHeight4, txtTurns4, txtWireRad4 → txtInductance4.
Outcome frmMain_cmdCalculate3_Click(FormPort& port);
/// Flat spiral air coil: txtOuterRadius3, txtInnerRadius3, txtTurns3 → txtInductance3.
Outcome frmMain_cmdCalculate4_Click(FormPort& port);
/// Flat rectangular air coil: txtWidth1, txtHeight1, txtTurns1, txtTrace1 → txtInductance1.
Outcome frmMain_cmdCalculate1_Click(FormPort& port);

/// The exact turns at which each shape's formula gives the henries, its
/// other values as its handler reads them; nothing when no positive number
/// of turns does.
[[nodiscard]] std::optional<double> CircularExactTurns(const FieldValues& values, double henries);
[[nodiscard]] std::optional<double> RectangularExactTurns(const FieldValues& values, double henries);
[[nodiscard]] std::optional<double> SpiralExactTurns(const FieldValues& values, double henries);
[[nodiscard]] std::optional<double> FlatRectangularExactTurns(const FieldValues& values, double henries);

/// Each shape's validity warnings for values that passed the checks (and the
/// result's henries, when there is one).
[[nodiscard]] std::vector<std::string> CircularWarnings(const FieldValues& values, std::optional<double> henries);
[[nodiscard]] std::vector<std::string> RectangularWarnings(const FieldValues& values, std::optional<double> henries);
[[nodiscard]] std::vector<std::string> SpiralWarnings(const FieldValues& values, std::optional<double> henries);
[[nodiscard]] std::vector<std::string> FlatRectangularWarnings(const FieldValues& values,
                                                               std::optional<double> henries);

}  // namespace loopcalc
