// SPDX-License-Identifier: MIT
#include "display.h"

#include <gtest/gtest.h>

namespace loopcalc {
namespace {

struct DisplayCase {
    double henries;
    bool inRange;
    const char* text;
};

class FormatInductanceTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(FormatInductanceTest, ChoosesUnitAndCutsDigits)
{
    const DisplayCase c = GetParam();
    const Display d = FormatInductance(c.henries);
    EXPECT_EQ(d.inRange, c.inRange);
    EXPECT_EQ(d.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatInductanceTest,
                         ::testing::Values(DisplayCase{1.23456789012345E-03, true, " 1.23 mH"},
                                           DisplayCase{1.01534456097105E-04, true, " 101.53 µH"},
                                           DisplayCase{1.23456789012345E-05, true, " 12.34 µH"},
                                           DisplayCase{5.78422814748373E-06, true, " 5.78 µH"},
                                           DisplayCase{2.2354630300764E-07, true, " 223 nH"},
                                           DisplayCase{1.37414433797225E-08, true, " 13 nH"},
                                           DisplayCase{2.69162022615945E-09, true, " 2.69 nH"}));

}  // namespace
}  // namespace loopcalc
