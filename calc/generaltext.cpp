// SPDX-License-Identifier: MIT
#include "generaltext.h"

#include "significantdigits.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace loopcalc {

namespace {

constexpr int kSignificantDigits = 15;

std::string ExponentText(int exponent)
{
    std::string text = exponent < 0 ? "-" : "+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
        text += '0';
    }
    text += std::to_string(magnitude);
    return text;
}

std::string PlainMagnitude(const Decimal15& d)
{
    const int count = static_cast<int>(d.digits.size());
    std::string text;
    text.reserve(static_cast<size_t>(std::abs(d.exponent)) + d.digits.size() + 2);
    if (d.exponent < 0) {
        // No 0 before the point: ".005".
        text += '.';
        text.append(static_cast<size_t>(-d.exponent - 1), '0');
        text += d.digits;
    } else if (d.exponent + 1 >= count) {
        text += d.digits;
        text.append(static_cast<size_t>(d.exponent + 1 - count), '0');
    } else {
        const auto point = static_cast<size_t>(d.exponent) + 1;
        text.append(d.digits, 0, point);
        text += '.';
        text.append(d.digits, point);
    }
    return text;
}

}  // namespace

Decimal15 RoundTo15(double value)
{
    Decimal15 d;
    d.negative = std::signbit(value) && value != 0.0;
    if (value == 0.0) {
        // One character, not the literal "0": GCC 12 at -O3 inlines a literal
        // assignment into a copy it wrongly reports under -Wrestrict.
        d.digits.assign(1, '0');
        return d;
    }
    const SignificantDigits rounded = RoundToSignificant(std::fabs(value), kSignificantDigits);
    std::uint64_t digits = rounded.digits;
    int count = kSignificantDigits;
    while (digits % 10 == 0) {
        digits /= 10;
        --count;
    }
    d.digits.resize(static_cast<size_t>(count));
    WriteDigits(d.digits.data(), digits, count);
    d.exponent = rounded.exponent;
    return d;
}

std::string GeneralText(double value)
{
    if (std::isnan(value)) {
        return " NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : " Infinity";
    }
    const Decimal15 d = RoundTo15(value);
    std::string text = d.negative ? "-" : " ";
    if (value == 0.0) {
        return text + "0";
    }
    const int count = static_cast<int>(d.digits.size());
    const bool exponentForm =
        d.exponent >= kSignificantDigits || (d.exponent < 0 && -d.exponent - 1 + count > kSignificantDigits);
    if (!exponentForm) {
        return text + PlainMagnitude(d);
    }
    text += d.digits[0];
    if (count > 1) {
        text += '.';
        text += d.digits.substr(1);
    }
    return text + "E" + ExponentText(d.exponent);
}

std::string LogNumber(double value, std::string_view decimalSeparator)
{
    std::string text = GeneralText(value);
    if (!text.empty() && text[0] == ' ') {
        text.erase(0, 1);
    }
    const size_t point = text.find('.');
    if (point == std::string::npos) {
        return text;
    }
    std::string result = text.substr(0, point);
    if (result.empty() || result == "-") {
        result += '0';
    }
    result += decimalSeparator;
    result += text.substr(point + 1);
    return result;
}

}  // namespace loopcalc
