// SPDX-License-Identifier: MIT
#include "display.h"

#include "generaltext.h"

#include <cmath>

namespace loopcalc {

namespace {

const std::string kOutOfRange = "Result out of range: ";

// The exponent form of a rounded value with all fifteen mantissa digits,
// missing ones taken as zeros: " 5.80000000000000E-06". The unit table reads
// characters at fixed places of it, counted from 1 at the sign position.
std::string PaddedMantissa(const Decimal15& d)
{
    std::string digits = d.digits;
    digits.resize(15, '0');
    return std::string(d.negative ? "-" : " ") + digits[0] + "." + digits.substr(1);
}

// Characters from..to of text, counted from 1.
std::string Chars(const std::string& text, size_t from, size_t to)
{
    return text.substr(from - 1, to - from + 1);
}

}  // namespace

Display FormatInductance(double henries)
{
    if (!std::isfinite(henries) || henries == 0.0) {
        return {false, kOutOfRange + GeneralText(henries) + " H"};
    }
    const Decimal15 d = RoundTo15(henries);
    const std::string t = PaddedMantissa(d);
    switch (d.exponent) {
    case -3: return {true, Chars(t, 1, 5) + " mH"};
    case -4: return {true, Chars(t, 1, 2) + Chars(t, 4, 5) + "." + Chars(t, 6, 7) + " µH"};
    case -5: return {true, Chars(t, 1, 2) + Chars(t, 4, 4) + "." + Chars(t, 5, 6) + " µH"};
    case -6: return {true, Chars(t, 1, 5) + " µH"};
    case -7: return {true, Chars(t, 1, 2) + Chars(t, 4, 5) + " nH"};
    case -8: return {true, Chars(t, 1, 2) + Chars(t, 4, 4) + " nH"};
    case -9: return {true, Chars(t, 1, 5) + " nH"};
    default: return {false, kOutOfRange + GeneralText(henries) + " H"};
    }
}

Display FormatSpiralInductance(double microhenries)
{
    const std::string t = GeneralText(microhenries);
    Display outOfRange{false, kOutOfRange + t + " µH"};
    if (!std::isfinite(microhenries) || microhenries <= 0.0) {
        return outOfRange;
    }
    const Decimal15 d = RoundTo15(microhenries);
    if (d.exponent >= -3 && d.exponent <= -1) {
        // Whole nanohenries: the first three digits after the point, leading
        // zeros dropped, then " nH" with no blank before the number.
        std::string afterPoint = std::string(static_cast<size_t>(-d.exponent - 1), '0') + d.digits;
        afterPoint.resize(3, '0');
        return {true, afterPoint.substr(afterPoint.find_first_not_of('0')) + " nH"};
    }
    if (d.exponent < 0 || d.exponent > 2) {
        return outOfRange;
    }
    const size_t point = t.find('.');
    if (point == std::string::npos) {
        return {true, t + " µH"};  // a whole number of microhenries
    }
    // The blank, up to three integer digits, the point and at most three
    // decimals, cut: the text ends three characters after the point.
    return {true, t.substr(0, point + 4) + " µH"};
}

}  // namespace loopcalc
