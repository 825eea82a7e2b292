// SPDX-License-Identifier: MIT
#include "significantdigits.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <random>
#include <string>

namespace loopcalc {
namespace {

/// The standard library's "%.{p-1}e" form of a rounded value, to compare
/// with the library's own conversion.
std::string ScientificText(const SignificantDigits& d, int precision)
{
    std::string digits = std::to_string(d.digits);
    std::string text = digits.substr(0, 1);
    if (precision > 1) {
        text += '.';
        text += digits.substr(1);
    }
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return text + exponent;
}

std::string LibraryScientific(double value, int precision)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision - 1);
    return {buffer, end.ptr};
}

std::string LibraryG17(double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return {buffer, end.ptr};
}

struct G17Case {
    double value;
    const char* text;
    friend std::ostream& operator<<(std::ostream& os, const G17Case& c) { return os << c.text; }
};

class WriteG17Test : public ::testing::TestWithParam<G17Case> {};

TEST_P(WriteG17Test, WritesAsPrintfDoes)
{
    char buffer[32];
    EXPECT_EQ(WriteG17(buffer, GetParam().value), GetParam().text);
}

// Expected texts as glibc's printf("%.17g") writes them.
INSTANTIATE_TEST_SUITE_P(Forms, WriteG17Test,
                         ::testing::Values(G17Case{0.1, "0.10000000000000001"},
                                           G17Case{5.8e-06, "5.8000000000000004e-06"}, G17Case{1.0, "1"},
                                           G17Case{-2.5, "-2.5"}, G17Case{0.0, "0"}, G17Case{-0.0, "-0"},
                                           G17Case{1e-4, "0.0001"}, G17Case{0.3, "0.29999999999999999"},
                                           G17Case{1e-5, "1.0000000000000001e-05"}, G17Case{1e16, "10000000000000000"},
                                           G17Case{1e17, "1e+17"}, G17Case{100.0, "100"}, G17Case{1234.5, "1234.5"},
                                           G17Case{-0.0625, "-0.0625"}, G17Case{0.5, "0.5"},
                                           G17Case{123456789012345678.0, "1.2345678901234568e+17"},
                                           // 2^-25 lies halfway between two 17-digit texts: the even one.
                                           G17Case{2.98023223876953125e-08, "2.9802322387695312e-08"},
                                           G17Case{5e-324, "4.9406564584124654e-324"},
                                           G17Case{1.7976931348623157e308, "1.7976931348623157e+308"},
                                           G17Case{HUGE_VAL, "inf"}, G17Case{-HUGE_VAL, "-inf"}));

struct DigitsCase {
    std::uint64_t value;
    int count;
    const char* text;
    friend std::ostream& operator<<(std::ostream& os, const DigitsCase& c) { return os << c.text; }
};

class WriteDigitsTest : public ::testing::TestWithParam<DigitsCase> {};

TEST_P(WriteDigitsTest, WritesTheLastDigitsWithTheirZeros)
{
    const DigitsCase& c = GetParam();
    std::string text(24, '#');
    WriteDigits(text.data() + 1, c.value, c.count);
    // Nothing is written before or after the digits.
    EXPECT_EQ(text, "#" + std::string(c.text) + std::string(23 - std::string(c.text).size(), '#'));
}

// Odd and even counts, since the digits go two at a time.
INSTANTIATE_TEST_SUITE_P(Counts, WriteDigitsTest,
                         ::testing::Values(DigitsCase{0, 0, ""}, DigitsCase{7, 1, "7"}, DigitsCase{0, 3, "000"},
                                           DigitsCase{1234, 6, "001234"}, DigitsCase{12345, 5, "12345"},
                                           DigitsCase{99, 2, "99"}, DigitsCase{123456789, 4, "6789"},
                                           DigitsCase{100000000000000000, 17, "00000000000000000"},
                                           DigitsCase{12345678901234567, 17, "12345678901234567"},
                                           DigitsCase{18446744073709551615U, 19, "8446744073709551615"}));

TEST(RoundToSignificantTest, CarriesIntoTheNextPowerOfTen)
{
    const SignificantDigits d = RoundToSignificant(9.999999999999999e-4, 15);
    EXPECT_EQ(d.digits, 100000000000000U);
    EXPECT_EQ(d.exponent, -3);
}

// Random values over every magnitude and over the usual ones, and values
// next to powers of ten, against the standard library's conversion.
TEST(RoundToSignificantTest, AgreesWithTheLibraryEverywhere)
{
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> decades(-25.0, 25.0);
    int failures = 0;
    const auto check = [&](double value) {
        if (!std::isfinite(value) || value == 0.0 || failures > 5) {
            return;
        }
        const double magnitude = std::fabs(value);
        for (const int precision : {1, 2, 6, 15, 16, 17}) {
            const SignificantDigits d = RoundToSignificant(magnitude, precision);
            const std::string expected = LibraryScientific(magnitude, precision);
            if (ScientificText(d, precision) != expected) {
                ADD_FAILURE() << expected << " to " << precision << " digits";
                ++failures;
            }
        }
        char buffer[32];
        if (WriteG17(buffer, value) != LibraryG17(value)) {
            ADD_FAILURE() << LibraryG17(value);
            ++failures;
        }
    };
    for (int i = 0; i < 200000; ++i) {
        check(std::bit_cast<double>(random()));
        check(std::pow(10.0, decades(random)) * ((random() & 1U) != 0 ? 1.0 : -1.0));
    }
    for (int exponent = -30; exponent <= 30; ++exponent) {
        double below = std::pow(10.0, exponent);
        double above = below;
        for (int step = 0; step < 20; ++step) {
            check(below);
            check(above);
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, HUGE_VAL);
        }
    }
    // Exact binary fractions, where ties are possible.
    for (std::int64_t n = 1; n < 20000; ++n) {
        check(std::ldexp(static_cast<double>(n), -25));
        check(static_cast<double>(n) + 0.5);
        check((static_cast<double>(n) + 0.5) * 1e-15);
    }
}

}  // namespace
}  // namespace loopcalc
