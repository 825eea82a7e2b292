// SPDX-License-Identifier: MIT
#include "generaltext.h"

#include "significantdigits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace loopcalc {

namespace {

constexpr int kSignificantDigits = 15;

/// A nonzero finite value's 15 significant digits without the trailing
/// zeros, as text.
struct Digits15 {
    std::array<char, kSignificantDigits> text{};
    int count = kSignificantDigits;
    int exponent = 0;  ///< decimal exponent of the first digit

    [[nodiscard]] std::string_view view() const { return {text.data(), static_cast<size_t>(count)}; }
};

Digits15 Rounded15(double value)
{
    const SignificantDigits rounded = RoundToSignificant(std::fabs(value), kSignificantDigits);
    Digits15 d;
    std::uint64_t digits = rounded.digits;
    while (digits % 10 == 0) {
        digits /= 10;
        --d.count;
    }
    WriteDigits(d.text.data(), digits, d.count);
    d.exponent = rounded.exponent;
    return d;
}

/// Appends to a fixed buffer that is known to be large enough.
class TextWriter {
public:
    explicit TextWriter(char* out)
        : m_begin(out)
        , m_out(out)
    {
    }

    void add(char c) { *m_out++ = c; }
    void add(std::string_view text)
    {
        std::memcpy(m_out, text.data(), text.size());
        m_out += text.size();
    }
    void zeros(int count)
    {
        for (int i = 0; i < count; ++i) {
            *m_out++ = '0';
        }
    }
    [[nodiscard]] std::string_view text() const { return {m_begin, static_cast<size_t>(m_out - m_begin)}; }

private:
    char* m_begin;
    char* m_out;
};

/// "E-06", "E+15", "E+300": the exponent with its sign and at least two digits.
void WriteExponent(TextWriter& out, int exponent)
{
    out.add('E');
    out.add(exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
        out.add('0');
    }
    char digits[8];
    out.add({digits, static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits)});
}

void WritePlainMagnitude(TextWriter& out, const Digits15& d)
{
    if (d.exponent < 0) {
        // No 0 before the point: ".005".
        out.add('.');
        out.zeros(-d.exponent - 1);
        out.add(d.view());
    } else if (d.exponent + 1 >= d.count) {
        out.add(d.view());
        out.zeros(d.exponent + 1 - d.count);
    } else {
        const auto point = static_cast<size_t>(d.exponent) + 1;
        out.add(d.view().substr(0, point));
        out.add('.');
        out.add(d.view().substr(point));
    }
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
    const Digits15 rounded = Rounded15(value);
    d.digits.assign(rounded.view());
    d.exponent = rounded.exponent;
    return d;
}

std::string_view WriteGeneralText(char (&buffer)[32], double value)
{
    if (std::isnan(value)) {
        return " NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : " Infinity";
    }
    if (value == 0.0) {
        return " 0";
    }
    // At most a sign, 17 characters of plain form or 21 of exponent form.
    TextWriter out(buffer);
    out.add(std::signbit(value) ? '-' : ' ');
    const Digits15 d = Rounded15(value);
    const bool exponentForm =
        d.exponent >= kSignificantDigits || (d.exponent < 0 && -d.exponent - 1 + d.count > kSignificantDigits);
    if (!exponentForm) {
        WritePlainMagnitude(out, d);
        return out.text();
    }
    out.add(d.text[0]);
    if (d.count > 1) {
        out.add('.');
        out.add(d.view().substr(1));
    }
    WriteExponent(out, d.exponent);
    return out.text();
}

std::string GeneralText(double value)
{
    char buffer[32];
    return std::string(WriteGeneralText(buffer, value));
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
