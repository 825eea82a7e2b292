// SPDX-License-Identifier: MIT
// The result texts of the calculators.
#pragma once

#include <string>

namespace loopcalc {

/// A result text, or the out-of-range outcome with its message.
struct Display {
    bool inRange = false;
    std::string text;  ///< the result text when in range, else the message
};

/// Henries to " mH", " µH" or " nH" text, by the decimal exponent of the
/// value rounded to 15 significant digits: −3 gives millihenries, −4 to −6
/// microhenries, −7 to −9 nanohenries. Digits are cut, never rounded.
/// Anything else is out of range, with the message
/// "Result out of range: " + the general text form + " H".
[[nodiscard]] Display FormatInductance(double henries);

/// The flat spiral's own rule, on microhenries: from 1 µH up to below
/// 1000 µH the general text form with at most three decimals (cut) and
/// " µH"; from 0.001 µH up to below 1 µH whole nanohenries and " nH".
/// Anything else is out of range, with the message
/// "Result out of range: " + the general text form + " µH".
[[nodiscard]] Display FormatSpiralInductance(double microhenries);

}  // namespace loopcalc
