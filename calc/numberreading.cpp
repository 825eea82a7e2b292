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

}  // namespace

std::optional<double> ParseNumber(std::string_view text, std::string_view decimalSeparator)
{
    text = Trimmed(text);
    // Check the form, collecting up to 19 significant digits on the way.
    size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    size_t point = std::string_view::npos;
    size_t pointSize = 0;
    int digits = 0;
    std::uint64_t mantissa = 0;
    int mantissaDigits = 0;  // digits in mantissa from the first nonzero one on
    int fractionDigits = 0;  // of those, the ones after the point
    bool allDigitsKept = true;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            if (mantissaDigits < 19) {
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
                mantissaDigits += mantissa != 0 ? 1 : 0;
                fractionDigits += point != std::string_view::npos ? 1 : 0;
            } else {
                allDigitsKept = false;
            }
            ++i;
            ++digits;
        } else if (text[i] == '.' || (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator))) {
            if (point != std::string_view::npos) {
                return std::nullopt;
            }
            point = i;
            pointSize = text[i] == '.' ? 1 : decimalSeparator.size();
            i += pointSize;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    int exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
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
        if (exponentDigits == 0) {
            return std::nullopt;
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // Up to 2^53 and 10^22 both factors are exact, so one multiplication or
    // division rounds correctly: the value from_chars would give.
    constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
    constexpr std::array<double, 23> kExactPowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const int scale = exponent - fractionDigits;
    if (allDigitsKept && mantissa <= kExactMantissa && scale >= -22 && scale <= 22) {
        const auto m = static_cast<double>(mantissa);
        const double power = kExactPowers[static_cast<size_t>(scale < 0 ? -scale : scale)];
        const double value = scale < 0 ? m / power : m * power;
        return negative ? -value : value;
    }
    // Otherwise from_chars reads the text, in place when its point is "."
    // and from a copy with "." for any other separator; it takes a "-" but
    // no "+".
    std::string_view number = text.substr(text[0] == '+' ? 1 : 0);
    std::string plain;
    if (point != std::string_view::npos && text[point] != '.') {
        plain.reserve(text.size());
        plain.append(number.substr(0, point - (text.size() - number.size())));
        plain += '.';
        plain.append(text.substr(point + pointSize));
        number = plain;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double ReadNumber(std::string_view text, std::string_view decimalSeparator)
{
    return ParseNumber(text, decimalSeparator).value_or(0.0);
}

}  // namespace loopcalc
