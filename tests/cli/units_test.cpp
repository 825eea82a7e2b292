// SPDX-License-Identifier: MIT
#include "numberreading.h"
#include "units.h"

#include "casename.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using loopcalc::cli::LengthText;
using loopcalc::cli::NumberBuffer;
using loopcalc::cli::Quantity;

struct LengthCase {
    std::string name;
    std::string typed;
    LengthText::Status status;
    std::string text;  ///< what the box gets (AsTyped: the input itself)
    std::string unit;
};

class LengthTextTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(LengthTextTest, GivesTheBoxItsText)
{
    const LengthCase& c = GetParam();
    NumberBuffer buffer;
    const LengthText length = loopcalc::cli::LengthForBox(c.typed, buffer);
    EXPECT_EQ(length.status, c.status);
    EXPECT_EQ(length.text, c.text);
    EXPECT_EQ(length.unit, c.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LengthTextTest,
    ::testing::Values(
        // Without a unit the text goes on untouched, blanks and all.
        LengthCase{"plain", "10", LengthText::Status::AsTyped, "10", ""},
        LengthCase{"plain_blanks", " 10.50 ", LengthText::Status::AsTyped, " 10.50 ", ""},
        LengthCase{"plain_exponent", "1e1", LengthText::Status::AsTyped, "1e1", ""},
        LengthCase{"empty", "", LengthText::Status::AsTyped, "", ""},
        LengthCase{"letters_only", "abc", LengthText::Status::AsTyped, "abc", ""},
        LengthCase{"comma", "10,5mm", LengthText::Status::AsTyped, "10,5mm", ""},
        LengthCase{"two_points", "1.2.3mm", LengthText::Status::AsTyped, "1.2.3mm", ""},
        LengthCase{"unit_alone", "mm", LengthText::Status::AsTyped, "mm", ""},
        // Known units, converted to millimetres in the shortest form.
        LengthCase{"mm", "10mm", LengthText::Status::Converted, "10", "mm"},
        LengthCase{"mm_blank", " 10 mm ", LengthText::Status::Converted, "10", "mm"},
        LengthCase{"cm", "1cm", LengthText::Status::Converted, "10", "cm"},
        LengthCase{"cm_fraction", "2.54cm", LengthText::Status::Converted, "25.4", "cm"},
        LengthCase{"m", "0.04m", LengthText::Status::Converted, "40", "m"},
        LengthCase{"in", "0.5in", LengthText::Status::Converted, "12.7", "in"},
        LengthCase{"in_whole", "1in", LengthText::Status::Converted, "25.4", "in"},
        LengthCase{"mil", "20mil", LengthText::Status::Converted, "0.508", "mil"},
        LengthCase{"um", "127um", LengthText::Status::Converted, "0.127", "um"},
        LengthCase{"micro_sign", "127\xC2\xB5m", LengthText::Status::Converted, "0.127", "\xC2\xB5m"},
        LengthCase{"greek_mu", "127\xCE\xBCm", LengthText::Status::Converted, "0.127", "\xCE\xBCm"},
        LengthCase{"exponent_then_unit", "1e-3m", LengthText::Status::Converted, "1", "m"},
        LengthCase{"negative", "-5mm", LengthText::Status::Converted, "-5", "mm"},
        LengthCase{"zero", "0cm", LengthText::Status::Converted, "0", "cm"},
        // Any length whose millimetres fit a double is taken, however large its
        // product with the unit's factor; the smallest is one whose metres are
        // still a normal double.
        LengthCase{"mil_huge", "1e308mil", LengthText::Status::Converted, "2.54e+306", "mil"},
        LengthCase{"mil_largest", "1.7976931348623157e308mil", LengthText::Status::Converted, "4.5661405625502816e+306",
                   "mil"},
        LengthCase{"in_largest", "7.07e306in", LengthText::Status::Converted, "1.7957799999999998e+308", "in"},
        LengthCase{"in_over", "7.08e306in", LengthText::Status::OutOfRange, "7.08e306in", "in"},
        LengthCase{"m_over", "1e308m", LengthText::Status::OutOfRange, "1e308m", "m"},
        LengthCase{"mm_smallest", "2.3e-305mm", LengthText::Status::Converted, "2.3e-305", "mm"},
        LengthCase{"mm_under", "2.2e-305mm", LengthText::Status::OutOfRange, "2.2e-305mm", "mm"},
        LengthCase{"um_smallest", "2.3e-302um", LengthText::Status::Converted, "2.3e-305", "um"},
        LengthCase{"um_denormal", "1e-320um", LengthText::Status::OutOfRange, "1e-320um", "um"},
        // Units are case-sensitive, and anything else after a number is refused.
        LengthCase{"upper_mm", "10MM", LengthText::Status::UnknownUnit, "10MM", "MM"},
        LengthCase{"unknown", "10xy", LengthText::Status::UnknownUnit, "10xy", "xy"},
        LengthCase{"feet", "1 ft", LengthText::Status::UnknownUnit, "1 ft", "ft"},
        LengthCase{"dangling_exponent", "1e", LengthText::Status::UnknownUnit, "1e", "e"},
        LengthCase{"micro_without_metre", "10\xC2\xB5", LengthText::Status::UnknownUnit, "10\xC2\xB5", "\xC2\xB5"}),
    loopcalc::testing::caseName<LengthCase>);

// A converted length is the shortest text that reads back as the same double:
// the box reads exactly the number the conversion made.
TEST(LengthText, ConvertedTextReadsBackBitForBit)
{
    for (const char* typed :
         {"0.1in", "3.3cm", "7mil", "0.000123m", "333.3um", "1e300m", "2.2250738585072014e-305mm"}) {
        NumberBuffer buffer;
        const LengthText length = loopcalc::cli::LengthForBox(typed, buffer);
        ASSERT_EQ(length.status, LengthText::Status::Converted) << typed;
        const Quantity quantity = loopcalc::cli::ReadQuantity(typed, loopcalc::cli::LengthUnits());
        const auto read = loopcalc::ParseNumber(length.text, ".");
        ASSERT_TRUE(read) << typed << " -> " << length.text;
        EXPECT_EQ(*read, quantity.value) << typed;
    }
}

struct QuantityCase {
    std::string name;
    std::string typed;
    Quantity::Status status;
    double value;
};

class InductanceTest : public ::testing::TestWithParam<QuantityCase> {};
class FrequencyTest : public ::testing::TestWithParam<QuantityCase> {};

void expectQuantity(const QuantityCase& c, const Quantity& q)
{
    EXPECT_EQ(q.status, c.status);
    if (c.status == Quantity::Status::Number) {
        EXPECT_DOUBLE_EQ(q.value, c.value);
    }
}

TEST_P(InductanceTest, ReadsInHenries)
{
    expectQuantity(GetParam(), loopcalc::cli::ReadQuantity(GetParam().typed, loopcalc::cli::InductanceUnits()));
}

TEST_P(FrequencyTest, ReadsInHertz)
{
    expectQuantity(GetParam(), loopcalc::cli::ReadQuantity(GetParam().typed, loopcalc::cli::FrequencyUnits()));
}

INSTANTIATE_TEST_SUITE_P(Table, InductanceTest,
                         ::testing::Values(QuantityCase{"uH", "1.5uH", Quantity::Status::Number, 1.5e-6},
                                           QuantityCase{"micro_sign", "1.5\xC2\xB5H", Quantity::Status::Number, 1.5e-6},
                                           QuantityCase{"greek_mu", "1.5\xCE\xBCH", Quantity::Status::Number, 1.5e-6},
                                           QuantityCase{"nH", "820nH", Quantity::Status::Number, 820e-9},
                                           QuantityCase{"mH", "0.02mH", Quantity::Status::Number, 2e-5},
                                           QuantityCase{"pH", "500 pH", Quantity::Status::Number, 5e-10},
                                           QuantityCase{"H", "1H", Quantity::Status::Number, 1.0},
                                           QuantityCase{"plain_henries", "1.5e-6", Quantity::Status::Number, 1.5e-6},
                                           QuantityCase{"lower_h", "1.5uh", Quantity::Status::UnknownUnit, 0.0},
                                           QuantityCase{"farads", "1.5uF", Quantity::Status::UnknownUnit, 0.0},
                                           QuantityCase{"no_number", "uH", Quantity::Status::NotANumber, 0.0},
                                           QuantityCase{"empty", "", Quantity::Status::NotANumber, 0.0}),
                         loopcalc::testing::caseName<QuantityCase>);

INSTANTIATE_TEST_SUITE_P(Table, FrequencyTest,
                         ::testing::Values(QuantityCase{"MHz", "13.56MHz", Quantity::Status::Number, 13.56e6},
                                           QuantityCase{"kHz", "125kHz", Quantity::Status::Number, 125e3},
                                           QuantityCase{"kHz_fraction", "134.2kHz", Quantity::Status::Number, 134.2e3},
                                           QuantityCase{"MHz_blank", "6.78 MHz", Quantity::Status::Number, 6.78e6},
                                           QuantityCase{"GHz", "2.4GHz", Quantity::Status::Number, 2.4e9},
                                           QuantityCase{"Hz", "50Hz", Quantity::Status::Number, 50.0},
                                           QuantityCase{"plain_hertz", "13560000", Quantity::Status::Number, 13.56e6},
                                           QuantityCase{"lower_mhz", "13.56mhz", Quantity::Status::UnknownUnit, 0.0},
                                           QuantityCase{"MHZ", "13.56MHZ", Quantity::Status::UnknownUnit, 0.0},
                                           QuantityCase{"not_a_number", "fast", Quantity::Status::NotANumber, 0.0}),
                         loopcalc::testing::caseName<QuantityCase>);

TEST(FormatFrequency, LargestUnitWithShortestDigits)
{
    EXPECT_EQ(loopcalc::cli::FormatFrequency(13.56e6), "13.56 MHz");
    EXPECT_EQ(loopcalc::cli::FormatFrequency(125e3), "125 kHz");
    EXPECT_EQ(loopcalc::cli::FormatFrequency(134.2e3), "134.2 kHz");
    EXPECT_EQ(loopcalc::cli::FormatFrequency(2.4e9), "2.4 GHz");
    EXPECT_EQ(loopcalc::cli::FormatFrequency(999.5), "999.5 Hz");
    EXPECT_EQ(loopcalc::cli::FormatFrequency(1e6), "1 MHz");
    EXPECT_EQ(loopcalc::cli::FormatFrequency(0.5), "0.5 Hz");
}

TEST(UnitList, NamesEachUnitOnceWithoutAliases)
{
    EXPECT_EQ(loopcalc::cli::UnitList(loopcalc::cli::LengthUnits()), "mm, cm, m, um, \xC2\xB5m, in or mil");
    EXPECT_EQ(loopcalc::cli::UnitList(loopcalc::cli::FrequencyUnits()), "Hz, kHz, MHz or GHz");
}

}  // namespace
