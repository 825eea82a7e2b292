// SPDX-License-Identifier: MIT
// Numbers as text: the general text form and the log number form.
#pragma once

#include <string>
#include <string_view>

namespace loopcalc {

/// A finite double rounded to 15 significant digits.
struct Decimal15 {
    bool negative = false;
    std::string digits;  ///< 1 to 15 digits, no trailing zeros; "0" for zero
    int exponent = 0;    ///< decimal exponent of the first digit (value = d.ddd × 10^exponent)
};

/// Rounds a finite value to 15 significant digits (round half to even on the
/// exact binary value) and drops the trailing zeros.
[[nodiscard]] Decimal15 RoundTo15(double value);

/// The general text form: a blank or "-" in front, at most 15 significant
/// digits, no 0 before the point of a magnitude below 1, "." as the point.
/// Exponent form ("E-06", at least two exponent digits) for magnitudes of
/// 1E15 and more, and below 1 when the plain form would need more than 15
/// digits after the point. Not-a-number and infinities, which no accepted
/// input produces from typed text, read " NaN", " Infinity" and "-Infinity".
[[nodiscard]] std::string GeneralText(double value);

/// GeneralText() written into buffer, or a fixed text; returns the text.
std::string_view WriteGeneralText(char (&buffer)[32], double value);

/// The log number form: the general text form without its leading blank,
/// with a 0 before the point of a magnitude below 1 and with the given
/// decimal separator in place of ".".
[[nodiscard]] std::string LogNumber(double value, std::string_view decimalSeparator);

}  // namespace loopcalc
