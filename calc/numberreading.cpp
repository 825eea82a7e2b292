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
    // Rebuild the number in the C form that from_chars reads: "." as the point.
    std::string plain;
    plain.reserve(text.size());
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            plain += '-';
        }
        ++i;
    }
    bool point = false;
    int digits = 0;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            plain += text[i++];
            ++digits;
        } else if (text[i] == '.' || (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator))) {
            if (point) {
                return std::nullopt;
            }
            point = true;
            plain += '.';
            i += text[i] == '.' ? 1 : decimalSeparator.size();
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            plain += text[i++];
        }
        int exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double ReadNumber(std::string_view text, std::string_view decimalSeparator)
{
    return ParseNumber(text, decimalSeparator).value_or(0.0);
}

}  // namespace loopcalc
