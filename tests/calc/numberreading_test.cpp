// SPDX-License-Identifier: MIT
#include "numberreading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <optional>
#include <ostream>
#include <random>
#include <string>

namespace loopcalc {
namespace {

struct ReadCase {
    const char* text;
    const char* separator;
    std::optional<double> value;
    friend std::ostream& operator<<(std::ostream& os, const ReadCase& c)
    {
        return os << '"' << c.text << "\" with \"" << c.separator << '"';
    }
};

class ParseNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ParseNumberTest, AcceptsOnlyPlainDecimalNumbers)
{
    const ReadCase c = GetParam();
    const std::optional<double> value = ParseNumber(c.text, c.separator);
    ASSERT_EQ(value.has_value(), c.value.has_value());
    if (c.value) {
        EXPECT_EQ(*value, *c.value);
        EXPECT_EQ(ReadNumber(c.text, c.separator), *c.value);
    } else {
        EXPECT_EQ(ReadNumber(c.text, c.separator), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, ParseNumberTest,
    ::testing::Values(ReadCase{"10", ".", 10.0}, ReadCase{"12.5", ".", 12.5}, ReadCase{"0.127", ".", 0.127},
                      ReadCase{".5", ".", 0.5}, ReadCase{"5.", ".", 5.0}, ReadCase{"08.50", ".", 8.5},
                      ReadCase{"  7.25\t", ".", 7.25}, ReadCase{"+3", ".", 3.0}, ReadCase{"-3", ".", -3.0},
                      ReadCase{"1e3", ".", 1000.0}, ReadCase{"1.5E-2", ".", 0.015}, ReadCase{"2e+1", ".", 20.0},
                      // "." is always a point; the locale's own separator is one too.
                      ReadCase{"8.5", ",", 8.5}, ReadCase{"8,5", ",", 8.5}, ReadCase{",5", ",", 0.5},
                      ReadCase{"1e308", ".", 1e308}, ReadCase{"-,5", ",", -0.5}, ReadCase{"+8,5e1", ",", 85.0},
                      ReadCase{"8\xD9\xAB"
                               "5",
                               "\xD9\xAB", 8.5},
                      ReadCase{"-0", ".", -0.0},
                      // Up to 15 digits with a "." and nothing else take the short way.
                      ReadCase{"123456789012345", ".", 123456789012345.0},
                      ReadCase{"1234567.89012345", ".", 1234567.89012345}, ReadCase{".00000000000001", ".", 1e-14},
                      ReadCase{"0", ",", 0.0}, ReadCase{"1234567890123456", ".", 1234567890123456.0},
                      ReadCase{"12345678901234567890.5", ".", 12345678901234567890.5},
                      ReadCase{"9007199254740993", ".", 9007199254740992.0}, ReadCase{"7.25 ", ".", 7.25}));

INSTANTIATE_TEST_SUITE_P(Refused, ParseNumberTest,
                         ::testing::Values(ReadCase{"", ".", std::nullopt}, ReadCase{"   ", ".", std::nullopt},
                                           ReadCase{".", ".", std::nullopt}, ReadCase{"1.2.3", ".", std::nullopt},
                                           ReadCase{"abc", ".", std::nullopt}, ReadCase{"1,000", ".", std::nullopt},
                                           ReadCase{"8.5,1", ",", std::nullopt}, ReadCase{"inf", ".", std::nullopt},
                                           ReadCase{"nan", ".", std::nullopt}, ReadCase{"1e999", ".", std::nullopt},
                                           ReadCase{"-1e999", ".", std::nullopt}, ReadCase{"1e-999", ".", std::nullopt},
                                           ReadCase{"1e", ".", std::nullopt}, ReadCase{"1e+", ".", std::nullopt},
                                           ReadCase{"e5", ".", std::nullopt}, ReadCase{"0x10", ".", std::nullopt},
                                           ReadCase{"1 2", ".", std::nullopt}, ReadCase{"--1", ".", std::nullopt},
                                           ReadCase{"+", ".", std::nullopt}, ReadCase{"5mm", ".", std::nullopt},
                                           ReadCase{"1'000", ".", std::nullopt}, ReadCase{"1..2", ".", std::nullopt},
                                           ReadCase{"..", ".", std::nullopt},
                                           ReadCase{"\xC2\xA0"
                                                    "5",
                                                    ".", std::nullopt}));

// Short plain numbers take a quicker way than the library's reader: both
// must give the same double for every form, digit count and exponent.
TEST(ParseNumberTest, ReadsAsTheLibraryDoes)
{
    std::mt19937_64 random(42);
    int failures = 0;
    for (int n = 0; n < 300000 && failures < 5; ++n) {
        std::string text = (random() % 4 == 0) ? "-" : "";
        const int whole = static_cast<int>(random() % 12);
        const int fraction = static_cast<int>(random() % 22);
        for (int i = 0; i < whole; ++i) {
            text += static_cast<char>('0' + random() % 10);
        }
        if (fraction > 0 || whole == 0) {
            text += '.';
            for (int i = 0; i < std::max(fraction, 1); ++i) {
                text += static_cast<char>('0' + random() % 10);
            }
        }
        if (random() % 3 == 0) {
            text += 'e' + std::to_string(static_cast<int>(random() % 60) - 30);
        }
        double expected = 0.0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
        const std::optional<double> value = ParseNumber(text, ".");
        if (result.ec != std::errc() || !value ||
            std::bit_cast<std::uint64_t>(*value) != std::bit_cast<std::uint64_t>(expected)) {
            ADD_FAILURE() << text;
            ++failures;
        }
    }
}

}  // namespace
}  // namespace loopcalc
