// SPDX-License-Identifier: MIT
#include "significantdigits.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace loopcalc {

namespace {

// GCC and Clang both have a 128-bit integer; the extension keeps
// -Wpedantic quiet about it.
__extension__ using Uint128 = unsigned __int128;

constexpr int kMaxPowerOf10 = 38;  // 10^38 < 2^128

constexpr std::array<Uint128, kMaxPowerOf10 + 1> kPowersOf10 = [] {
    std::array<Uint128, kMaxPowerOf10 + 1> powers{};
    Uint128 power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

/// "00", "01" ... "99": two digits for one division.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

/// A 192-bit unsigned number, least significant word first.
using Words = std::array<std::uint64_t, 3>;

/// m × 10^k with m below 2^53 and k at most 38: below 2^180.
Words Multiply(std::uint64_t m, Uint128 power)
{
    const Uint128 low = static_cast<Uint128>(m) * static_cast<std::uint64_t>(power);
    const Uint128 high = static_cast<Uint128>(m) * static_cast<std::uint64_t>(power >> 64);
    const Uint128 middle = (low >> 64) + static_cast<std::uint64_t>(high);
    return {static_cast<std::uint64_t>(low), static_cast<std::uint64_t>(middle),
            static_cast<std::uint64_t>((middle >> 64) + (high >> 64))};
}

bool Bit(const Words& w, int index)
{
    return ((w[static_cast<std::size_t>(index / 64)] >> (index % 64)) & 1U) != 0;
}

/// True when any of the bits below index is set.
bool AnyBitBelow(const Words& w, int index)
{
    const int whole = index / 64;
    for (int i = 0; i < whole; ++i) {
        if (w[static_cast<std::size_t>(i)] != 0) {
            return true;
        }
    }
    const int rest = index % 64;
    return rest != 0 && (w[static_cast<std::size_t>(whole)] & ((std::uint64_t{1} << rest) - 1)) != 0;
}

/// p / 2^shift rounded to the nearest integer, a tie to the even one, for
/// shift 1 to 191; false when the quotient needs more than 64 bits.
bool ShiftRounded(const Words& p, int shift, std::uint64_t& quotient)
{
    const int word = shift / 64;
    const int bit = shift % 64;
    std::uint64_t q = p[static_cast<std::size_t>(word)] >> bit;
    std::uint64_t above = 0;  // bits of p from shift + 64 on
    if (word + 1 < 3) {
        const std::uint64_t next = p[static_cast<std::size_t>(word) + 1];
        if (bit != 0) {
            q |= next << (64 - bit);
            above = next >> bit;
        } else {
            above = next;
        }
        if (word + 2 < 3) {
            above |= p[static_cast<std::size_t>(word) + 2];
        }
    }
    if (above != 0) {
        return false;
    }
    if (Bit(p, shift - 1) && (AnyBitBelow(p, shift - 1) || (q & 1U) != 0)) {
        if (q == UINT64_MAX) {
            return false;
        }
        ++q;
    }
    quotient = q;
    return true;
}

std::uint64_t PowerOf10(int n)
{
    return static_cast<std::uint64_t>(kPowersOf10[static_cast<std::size_t>(n)]);
}

/// The standard library's correctly rounded conversion, for magnitudes the
/// integer arithmetic does not cover.
SignificantDigits RoundedByLibrary(double magnitude, int precision)
{
    char buffer[48];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, precision - 1).ptr;
    SignificantDigits d;
    const char* c = buffer;
    for (; c != end && *c != 'e'; ++c) {
        if (*c != '.') {
            d.digits = d.digits * 10 + static_cast<std::uint64_t>(*c - '0');
        }
    }
    if (c != end) {
        ++c;
        if (c != end && *c == '+') {
            ++c;
        }
        std::from_chars(c, end, d.exponent);
    }
    return d;
}

/// How many of the count digits at text are left without the trailing
/// zeros; at least one.
int SignificantCount(const char* text, int count)
{
    while (count > 1 && text[count - 1] == '0') {
        --count;
    }
    return count;
}

}  // namespace

SignificantDigits RoundToSignificant(double magnitude, int precision)
{
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    // magnitude = m × 2^e exactly.
    const std::uint64_t m = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int e = (biased == 0 ? 1 : biased) - 1075;
    if (m == 0 || e >= 0 || biased == 0x7FF) {
        return RoundedByLibrary(magnitude, precision);
    }
    // 2^top <= magnitude < 2^(top + 1); floor(top × log10 2) is the decimal
    // exponent or one below it.
    const int top = e + 63 - std::countl_zero(m);
    int exponent = (top * 78913) >> 18;
    const std::uint64_t lowest = PowerOf10(precision - 1);
    const std::uint64_t limit = PowerOf10(precision);
    for (int attempt = 0; attempt < 3; ++attempt) {
        // digits = round(magnitude × 10^k), k chosen for `precision` digits.
        const int k = precision - 1 - exponent;
        if (k < 0 || k > kMaxPowerOf10 || -e > 191) {
            break;
        }
        std::uint64_t digits = 0;
        if (!ShiftRounded(Multiply(m, kPowersOf10[static_cast<std::size_t>(k)]), -e, digits)) {
            break;
        }
        if (digits >= limit) {
            ++exponent;  // the estimate was low, or rounding carried into a new digit
        } else if (digits < lowest) {
            --exponent;
        } else {
            return {digits, exponent};
        }
    }
    return RoundedByLibrary(magnitude, precision);
}

void WriteDigits(char* out, std::uint64_t value, int count)
{
    char* c = out + count;
    for (; count >= 2; count -= 2) {
        c -= 2;
        std::memcpy(c, &kDigitPairs[static_cast<std::size_t>(value % 100) * 2], 2);
        value /= 100;
    }
    if (count == 1) {
        *--c = static_cast<char>('0' + value % 10);
    }
}

std::string_view WriteG17(char (&buffer)[32], double value)
{
    constexpr int kPrecision = 17;
    if (!std::isfinite(value) || value == 0.0) {
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, kPrecision);
        return {buffer, static_cast<std::size_t>(end.ptr - buffer)};
    }
    const SignificantDigits d = RoundToSignificant(std::fabs(value), kPrecision);
    char* out = buffer;
    if (value < 0) {
        *out++ = '-';
    }
    // The digits go where they end up, one place on where a point comes
    // before some of them; the trailing zeros are then left off.
    if (d.exponent < -4 || d.exponent >= kPrecision) {
        WriteDigits(out + 1, d.digits, kPrecision);
        const int count = SignificantCount(out + 1, kPrecision);
        out[0] = out[1];
        out[1] = '.';
        out += count > 1 ? count + 1 : 1;
        *out++ = 'e';
        *out++ = d.exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(d.exponent);
        if (magnitude < 10) {
            *out++ = '0';
        }
        out = std::to_chars(out, buffer + sizeof buffer, magnitude).ptr;
    } else if (d.exponent >= 0) {
        const int whole = d.exponent + 1;
        WriteDigits(out + 1, d.digits, kPrecision);
        const int count = SignificantCount(out + 1, kPrecision);
        std::memmove(out, out + 1, static_cast<std::size_t>(whole));
        out[whole] = '.';
        out += count > whole ? count + 1 : whole;
    } else {
        *out++ = '0';
        *out++ = '.';
        for (int i = 0; i < -d.exponent - 1; ++i) {
            *out++ = '0';
        }
        WriteDigits(out, d.digits, kPrecision);
        out += SignificantCount(out, kPrecision);
    }
    return {buffer, static_cast<std::size_t>(out - buffer)};
}

}  // namespace loopcalc
