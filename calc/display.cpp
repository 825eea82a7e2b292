// SPDX-License-Identifier: MIT
#include "display.h"

#include "generaltext.h"
#include "significantdigits.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace loopcalc {

namespace {

/// "Result out of range:  2.5E-03 H", in one allocation.
Display OutOfRange(double value, std::string_view unit)
{
    constexpr std::string_view kOutOfRange = "Result out of range: ";
    char buffer[32];
    const std::string_view general = WriteGeneralText(buffer, value);
    std::string text;
    text.reserve(kOutOfRange.size() + general.size() + unit.size());
    text.append(kOutOfRange).append(general).append(unit);
    return {false, std::move(text)};
}

/// The exponent form of a value rounded to 15 significant digits, with all
/// fifteen mantissa digits: " 5.80000000000000E-06" up to the "E". The unit
/// table reads characters at fixed places of it, counted from 1 at the sign.
class PaddedMantissa {
public:
    PaddedMantissa(bool negative, std::uint64_t digits)
    {
        m_text[0] = negative ? '-' : ' ';
        // The fifteen digits from the second character on, then the first
        // moved in front of the point.
        WriteDigits(m_text.data() + 2, digits, 15);
        m_text[1] = m_text[2];
        m_text[2] = '.';
    }

    /// Characters from..to, counted from 1.
    [[nodiscard]] std::string_view chars(std::size_t from, std::size_t to) const
    {
        return {m_text.data() + from - 1, to - from + 1};
    }

private:
    std::array<char, 17> m_text{};
};

/// The parts one after the other: a result text of a few characters and its
/// unit, gathered on the stack and made a string once.
std::string Joined(std::initializer_list<std::string_view> parts)
{
    std::array<char, 32> text{};
    std::size_t size = 0;
    for (const std::string_view part : parts) {
        assert(size + part.size() <= text.size());
        std::memcpy(text.data() + size, part.data(), part.size());
        size += part.size();
    }
    return {text.data(), size};
}

}  // namespace

Display FormatInductance(double henries)
{
    if (!std::isfinite(henries) || henries == 0.0) {
        return OutOfRange(henries, " H");
    }
    const SignificantDigits d = RoundToSignificant(std::fabs(henries), 15);
    const PaddedMantissa t(henries < 0.0, d.digits);
    switch (d.exponent) {
    case -3: return {true, Joined({t.chars(1, 5), " mH"})};
    case -4: return {true, Joined({t.chars(1, 2), t.chars(4, 5), ".", t.chars(6, 7), " µH"})};
    case -5: return {true, Joined({t.chars(1, 2), t.chars(4, 4), ".", t.chars(5, 6), " µH"})};
    case -6: return {true, Joined({t.chars(1, 5), " µH"})};
    case -7: return {true, Joined({t.chars(1, 2), t.chars(4, 5), " nH"})};
    case -8: return {true, Joined({t.chars(1, 2), t.chars(4, 4), " nH"})};
    case -9: return {true, Joined({t.chars(1, 5), " nH"})};
    default: return OutOfRange(henries, " H");
    }
}

Display FormatSpiralInductance(double microhenries)
{
    if (!std::isfinite(microhenries) || microhenries <= 0.0) {
        return OutOfRange(microhenries, " µH");
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
        return OutOfRange(microhenries, " µH");
    }
    char buffer[32];
    const std::string_view t = WriteGeneralText(buffer, microhenries);
    // A whole number of microhenries as it is; else the blank, up to three
    // integer digits, the point and at most three decimals, cut: the text
    // ends three characters after the point.
    const size_t point = t.find('.');
    return {true, Joined({point == std::string_view::npos ? t : t.substr(0, point + 4), " µH"})};
}

}  // namespace loopcalc
