// SPDX-License-Identifier: MIT
#include "display.h"

#include <gtest/gtest.h>

#include <ostream>

namespace loopcalc {
namespace {

struct DisplayCase {
    double value;
    bool inRange;
    const char* text;
    friend std::ostream& operator<<(std::ostream& os, const DisplayCase& c) { return os << c.value; }
};

void ExpectShown(const Display& d, const DisplayCase& c)
{
    EXPECT_EQ(d.inRange, c.inRange);
    EXPECT_EQ(d.text, c.text);
}

class FormatInductanceTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(FormatInductanceTest, ChoosesUnitAndCutsDigits)
{
    ExpectShown(FormatInductance(GetParam().value), GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    UnitTable, FormatInductanceTest,
    ::testing::Values(DisplayCase{1.23456789012345E-03, true, " 1.23 mH"},
                      DisplayCase{1.01534456097105E-04, true, " 101.53 µH"},
                      DisplayCase{1.23456789012345E-05, true, " 12.34 µH"},
                      DisplayCase{5.78422814748373E-06, true, " 5.78 µH"},
                      DisplayCase{2.2354630300764E-07, true, " 223 nH"},
                      DisplayCase{1.37414433797225E-08, true, " 13 nH"},
                      DisplayCase{2.69162022615945E-09, true, " 2.69 nH"},
                      // Cut, never rounded.
                      DisplayCase{9.99999999999999E-06, true, " 9.99 µH"},
                      DisplayCase{1.29999999E-08, true, " 12 nH"},
                      DisplayCase{9.99999999999999E-03, true, " 9.99 mH"},
                      DisplayCase{5.12345678901234E-03, true, " 5.12 mH"},
                      DisplayCase{-2.07625822379243E-09, true, "-2.07 nH"},
                      DisplayCase{-1.35138e-09, true, "-1.35 nH"}));
// clang-format on

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, FormatInductanceTest,
    ::testing::Values(DisplayCase{1.21730752727319E-02, false, "Result out of range:  1.21730752727319E-02 H"},
                      DisplayCase{0.0, false, "Result out of range:  0 H"},
                      DisplayCase{7289535099.14763, false, "Result out of range:  7289535099.14763 H"},
                      DisplayCase{5.51234567890123E-10, false, "Result out of range:  5.51234567890123E-10 H"},
                      DisplayCase{0.01, false, "Result out of range:  .01 H"},
                      DisplayCase{0.5, false, "Result out of range:  .5 H"},
                      DisplayCase{-3e-2, false, "Result out of range: -.03 H"},
                      DisplayCase{1e300, false, "Result out of range:  1E+300 H"}));

// Exact values whose general text form is plain are shown by the same table,
// the mantissa's missing digits taken as zeros.
// clang-format off
INSTANTIATE_TEST_SUITE_P(PlainButInRange, FormatInductanceTest,
                         ::testing::Values(DisplayCase{5.8E-06, true, " 5.80 µH"},
                                           DisplayCase{0.005, true, " 5.00 mH"},
                                           DisplayCase{2.2E-07, true, " 220 nH"},
                                           DisplayCase{1E-09, true, " 1.00 nH"},
                                           DisplayCase{1E-04, true, " 100.00 µH"},
                                           DisplayCase{1.5E-05, true, " 15.00 µH"},
                                           DisplayCase{3E-08, true, " 30 nH"},
                                           DisplayCase{-0.002, true, "-2.00 mH"}));
// clang-format on

class SpiralDisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(SpiralDisplayTest, ChoosesUnitFromThePoint)
{
    ExpectShown(FormatSpiralInductance(GetParam().value), GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, SpiralDisplayTest,
    ::testing::Values(DisplayCase{5.86577198697068, true, " 5.865 µH"},
                      DisplayCase{6.36476995114007, true, " 6.364 µH"},
                      DisplayCase{496.25, true, " 496.25 µH"},
                      DisplayCase{42.123456, true, " 42.123 µH"},
                      DisplayCase{421.8125, true, " 421.812 µH"},
                      DisplayCase{0.366610749185668, true, "366 nH"},
                      // Below 1 µH in whole nanohenries, short texts padded with zeros.
                      DisplayCase{0.5, true, "500 nH"},
                      DisplayCase{0.0407345276872964, true, "40 nH"},
                      DisplayCase{0.001, true, "1 nH"},
                      DisplayCase{0.0999, true, "99 nH"},
                      // Whole microhenries.
                      DisplayCase{5.0, true, " 5 µH"},
                      DisplayCase{999.0, true, " 999 µH"},
                      DisplayCase{999.9999, true, " 999.999 µH"}));
// clang-format on

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, SpiralDisplayTest,
    ::testing::Values(DisplayCase{4.07345276872964E-06, false, "Result out of range:  4.07345276872964E-06 µH"},
                      DisplayCase{0.000999, false, "Result out of range:  .000999 µH"},
                      DisplayCase{1000.0, false, "Result out of range:  1000 µH"},
                      DisplayCase{1941.84782608696, false, "Result out of range:  1941.84782608696 µH"},
                      DisplayCase{0.0, false, "Result out of range:  0 µH"}));

}  // namespace
}  // namespace loopcalc
