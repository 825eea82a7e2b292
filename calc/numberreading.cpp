// SPDX-License-Identifier: MIT
#include "numberreading.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace loopcalc {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

/// What the form check finds in a number's text: its sign, its point, and
/// up to 19 significant digits as a whole number with the count of those
/// after the point.
struct NumberForm {
    bool negative = false;
    size_t point = std::string_view::npos;
    size_t pointSize = 0;
    std::uint64_t mantissa = 0;
    int fractionDigits = 0;
    bool allDigitsKept = true;
    int exponent = 0;
};

/// Reads the sign and the digits with at most one point from the start of
/// text, leaving i after them; nothing without a digit or with two points.
std::optional<NumberForm> ReadDigits(std::string_view text, std::string_view decimalSeparator, size_t& i)
{
    NumberForm form;
    form.negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    int digits = 0;
    int mantissaDigits = 0;  // digits in mantissa from the first nonzero one on
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            if (mantissaDigits < 19) {
                form.mantissa = form.mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
                mantissaDigits += form.mantissa != 0 ? 1 : 0;
                form.fractionDigits += form.point != std::string_view::npos ? 1 : 0;
            } else {
                form.allDigitsKept = false;
            }
            ++i;
            ++digits;
        } else if (text[i] == '.' || (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator))) {
            if (form.point != std::string_view::npos) {
                return std::nullopt;
            }
            form.point = i;
            form.pointSize = text[i] == '.' ? 1 : decimalSeparator.size();
            i += form.pointSize;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return form;
}

/// Reads an exponent ("e-12", "E+3") at i, if there is one, leaving i after
/// it; false for an "e" without digits.
bool ReadExponent(std::string_view text, size_t& i, int& exponent)
{
    if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) {
        return true;
    }
    ++i;
    const bool negativeExponent = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    int exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (exponent < 100000) {
            exponent = exponent * 10 + (text[i] - '0');
        }
        ++i;
        ++exponentDigits;
    }
    exponent = negativeExponent ? -exponent : exponent;
    return exponentDigits != 0;
}

/// The value by one multiplication or division, when that rounds correctly:
/// up to 2^53 and 10^22 both factors are exact, so the result is the value
/// from_chars would give.
std::optional<double> ExactValue(const NumberForm& form)
{
    constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
    constexpr std::array<double, 23> kExactPowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const int scale = form.exponent - form.fractionDigits;
    if (!form.allDigitsKept || form.mantissa > kExactMantissa || scale < -22 || scale > 22) {
        return std::nullopt;
    }
    const auto m = static_cast<double>(form.mantissa);
    const double power = kExactPowers[static_cast<size_t>(scale < 0 ? -scale : scale)];
    const double value = scale < 0 ? m / power : m * power;
    return form.negative ? -value : value;
}

/// The value as from_chars reads the text: in place when its point is "."
/// and from a copy with "." for any other separator; it takes a "-" but no
/// "+".
std::optional<double> ValueFromChars(std::string_view text, const NumberForm& form)
{
    std::string_view number = text.substr(text[0] == '+' ? 1 : 0);
    std::string plain;
    if (form.point != std::string_view::npos && text[form.point] != '.') {
        plain.reserve(text.size());
        plain.append(number.substr(0, form.point - (text.size() - number.size())));
        plain += '.';
        plain.append(text.substr(form.point + form.pointSize));
        number = plain;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, std::string_view decimalSeparator)
{
    text = Trimmed(text);
    size_t i = 0;
    std::optional<NumberForm> form = ReadDigits(text, decimalSeparator, i);
    if (!form || !ReadExponent(text, i, form->exponent) || i != text.size()) {
        return std::nullopt;
    }
    if (const std::optional<double> exact = ExactValue(*form)) {
        return exact;
    }
    return ValueFromChars(text, *form);
}

double ReadNumber(std::string_view text, std::string_view decimalSeparator)
{
    return ParseNumber(text, decimalSeparator).value_or(0.0);
}

}  // namespace loopcalc
