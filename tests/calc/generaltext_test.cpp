// SPDX-License-Identifier: MIT
#include "generaltext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace loopcalc {
namespace {

struct TextCase {
    double value;
    const char* general;
    const char* log;  // with "," as the decimal separator
    friend std::ostream& operator<<(std::ostream& os, const TextCase& c) { return os << c.general; }
};

class GeneralTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(GeneralTextTest, WritesValue)
{
    EXPECT_EQ(GeneralText(GetParam().value), GetParam().general);
}

TEST_P(GeneralTextTest, WritesLogNumber)
{
    EXPECT_EQ(LogNumber(GetParam().value, ","), GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, GeneralTextTest,
    ::testing::Values(TextCase{0.0, " 0", "0"}, TextCase{12.5, " 12.5", "12,5"}, TextCase{10.0, " 10", "10"},
                      TextCase{0.127, " .127", "0,127"}, TextCase{-0.25, "-.25", "-0,25"},
                      TextCase{0.005, " .005", "0,005"}, TextCase{5.8E-06, " .0000058", "0,0000058"},
                      TextCase{7289535099.14763, " 7289535099.14763", "7289535099,14763"},
                      TextCase{5.7842281474837254e-06, " 5.78422814748373E-06", "5,78422814748373E-06"},
                      TextCase{-2.07625822379243E-09, "-2.07625822379243E-09", "-2,07625822379243E-09"},
                      TextCase{1.21730752727319E-02, " 1.21730752727319E-02", "1,21730752727319E-02"},
                      TextCase{0.366610749185668, " .366610749185668", "0,366610749185668"},
                      TextCase{0.0407345276872964, " 4.07345276872964E-02", "4,07345276872964E-02"},
                      // 15 digits after the point is still plain; 16 is not.
                      TextCase{0.000000000000001, " .000000000000001", "0,000000000000001"},
                      TextCase{0.0000000000000012, " 1.2E-15", "1,2E-15"},
                      // From 1E15 on, exponent form; rounding may carry into it.
                      TextCase{999999999999999.0, " 999999999999999", "999999999999999"},
                      TextCase{1e15, " 1E+15", "1E+15"}, TextCase{999999999999999.9, " 1E+15", "1E+15"},
                      TextCase{1.5e300, " 1.5E+300", "1,5E+300"}, TextCase{2e-300, " 2E-300", "2E-300"},
                      TextCase{5e-324, " 4.94065645841247E-324", "4,94065645841247E-324"},
                      TextCase{-1.5e-20, "-1.5E-20", "-1,5E-20"},
                      TextCase{150000000000000.0, " 150000000000000", "150000000000000"},
                      // Rounded to 15 significant digits, trailing zeros dropped.
                      TextCase{0.1 + 0.2, " .3", "0,3"}, TextCase{1.0 / 3.0, " .333333333333333", "0,333333333333333"},
                      TextCase{2.0 / 3.0, " .666666666666667", "0,666666666666667"}, TextCase{-0.0, " 0", "0"}));

TEST(GeneralTextTest, NotFiniteValuesHaveWords)
{
    EXPECT_EQ(GeneralText(std::numeric_limits<double>::infinity()), " Infinity");
    EXPECT_EQ(GeneralText(-std::numeric_limits<double>::infinity()), "-Infinity");
    EXPECT_EQ(GeneralText(std::nan("")), " NaN");
}

TEST(GeneralTextTest, LogNumberKeepsAMultiByteSeparator)
{
    EXPECT_EQ(LogNumber(8.5, "\u066B"), "8\u066B5");  // the Arabic decimal separator, two bytes
}

TEST(RoundTo15Test, CarriesIntoTheExponent)
{
    const Decimal15 d = RoundTo15(9.999999999999999e-4);
    EXPECT_EQ(d.digits, "1");
    EXPECT_EQ(d.exponent, -3);
    EXPECT_FALSE(d.negative);
}

}  // namespace
}  // namespace loopcalc
