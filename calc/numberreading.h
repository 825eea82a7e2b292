// SPDX-License-Identifier: MIT
// Reading a box's text as a number.
#pragma once

#include <optional>
#include <string_view>

namespace loopcalc {

/// Reads text as a decimal number. After surrounding blanks are trimmed it
/// must be an optional sign, ASCII digits with at most one decimal separator
/// and at least one digit, and optionally an exponent (e or E, optional sign,
/// digits). "." is always a decimal separator, and so is the user's own
/// (for instance ","); group separators are never accepted. Returns nothing
/// for any other text and for a value a double cannot hold ("1e999").
[[nodiscard]] std::optional<double> ParseNumber(std::string_view text, std::string_view decimalSeparator);

/// ParseNumber, with 0 for a text that is not a number: the value then
/// fails its own check, as an empty box does.
[[nodiscard]] double ReadNumber(std::string_view text, std::string_view decimalSeparator);

}  // namespace loopcalc
