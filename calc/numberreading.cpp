// SPDX-License-Identifier: MIT
#include "numberreading.h"

#include <charconv>
#include <cmath>
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
    // Check the form first; from_chars reads the text in place when its
    // point is ".", and a copy with "." for any other separator.
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    size_t point = std::string_view::npos;
    size_t pointSize = 0;
    int digits = 0;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
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
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        int exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // from_chars takes a "-" but no "+".
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
