// SPDX-License-Identifier: MIT
// Exact rounding of a double to a number of significant decimal digits.
#pragma once

#include <cstdint>
#include <string_view>

namespace loopcalc {

/// A positive value rounded to a fixed number of significant digits:
/// value ≈ digits × 10^(exponent − precision + 1), where digits has exactly
/// `precision` decimal digits (trailing zeros kept).
struct SignificantDigits {
    std::uint64_t digits = 0;
    int exponent = 0;  ///< decimal exponent of the first digit
};

/// Rounds a positive finite value to 1 to 17 significant digits, round half
/// to even on the exact binary value, as printf's "%.*e" does. Integer
/// arithmetic for the usual magnitudes, the standard library's conversion
/// for the rest.
[[nodiscard]] SignificantDigits RoundToSignificant(double magnitude, int precision);

/// Writes the last `count` decimal digits of value (0 to 19), leading zeros
/// included, to out: 1234 with count 6 is "001234".
void WriteDigits(char* out, std::uint64_t value, int count);

/// Writes a finite value as printf's "%.17g" would in the C locale (the
/// shortest text that reads back as the same double, and more), into
/// buffer; returns the text.
std::string_view WriteG17(char (&buffer)[32], double value);

}  // namespace loopcalc
