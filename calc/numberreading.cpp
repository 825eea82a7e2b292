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

/// True when text has a decimal point at i: "." or the separator.
bool IsPoint(std::string_view text, size_t i, std::string_view decimalSeparator)
{
    return i < text.size() &&
           (text[i] == '.' || (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator)));
}

/// Adds the run of digits at i to the form's mantissa, leaving i after them;
/// the digits after the point count as its fraction digits. Returns how
/// many digits there were.
size_t ReadDigitRun(std::string_view text, size_t& i, NumberForm& form, int& mantissaDigits, bool afterPoint)
{
    const size_t first = i;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (mantissaDigits < 19) {
            form.mantissa = form.mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
            mantissaDigits += form.mantissa != 0 ? 1 : 0;
            form.fractionDigits += afterPoint ? 1 : 0;
        } else {
            form.allDigitsKept = false;
        }
    }
    return i - first;
}

/// Reads the sign and the digits with at most one point from the start of
/// text, leaving i after them; false without a digit or with two points.
bool ReadDigits(std::string_view text, std::string_view decimalSeparator, size_t& i, NumberForm& form)
{
    form.negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    int mantissaDigits = 0;  // digits in mantissa from the first nonzero one on
    size_t digits = ReadDigitRun(text, i, form, mantissaDigits, false);
    if (IsPoint(text, i, decimalSeparator)) {
        form.point = i;
        form.pointSize = text[i] == '.' ? 1 : decimalSeparator.size();
        i += form.pointSize;
        digits += ReadDigitRun(text, i, form, mantissaDigits, true);
        if (IsPoint(text, i, decimalSeparator)) {
            return false;
        }
    }
    return digits != 0;
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

/// The powers of ten a double holds exactly.
constexpr std::array<double, 23> kExactPowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

/// The usual text, ASCII digits with at most one "." and nothing else, up
/// to 15 digits, read in one pass: the digits as a whole number (below 2^53,
/// so exact) divided by the exact power of ten, as ExactValue() does.
/// Nothing for any other text, which the general way reads.
std::optional<double> PlainValue(std::string_view text)
{
    constexpr size_t kMostDigits = 15;
    std::uint64_t mantissa = 0;
    size_t point = std::string_view::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
        } else if (text[i] == '.' && point == std::string_view::npos) {
            point = i;
        } else {
            return std::nullopt;
        }
    }
    const size_t digits = text.size() - (point == std::string_view::npos ? 0 : 1);
    if (digits == 0 || digits > kMostDigits) {
        return std::nullopt;
    }
    const size_t fractionDigits = point == std::string_view::npos ? 0 : text.size() - 1 - point;
    return static_cast<double>(mantissa) / kExactPowers[fractionDigits];
}

/// The value by one multiplication or division, when that rounds correctly:
/// up to 2^53 and 10^22 both factors are exact, so the result is the value
/// from_chars would give.
std::optional<double> ExactValue(const NumberForm& form)
{
    constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
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
    if (const std::optional<double> plain = PlainValue(text)) {
        return plain;
    }
    text = Trimmed(text);
    size_t i = 0;
    NumberForm form;
    if (!ReadDigits(text, decimalSeparator, i, form) || !ReadExponent(text, i, form.exponent) || i != text.size()) {
        return std::nullopt;
    }
    if (const std::optional<double> exact = ExactValue(form)) {
        return exact;
    }
    return ValueFromChars(text, form);
}

double ReadNumber(std::string_view text, std::string_view decimalSeparator)
{
    // The usual text without the general way's set-up.
    if (const std::optional<double> plain = PlainValue(text)) {
        return *plain;
    }
    return ParseNumber(text, decimalSeparator).value_or(0.0);
}

}  // namespace loopcalc
