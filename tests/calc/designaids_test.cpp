// SPDX-License-Identifier: MIT
#include "designaids.h"
#include "formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace loopcalc::design {
namespace {

struct CapacitanceCase {
    double farads;
    const char* text;
};

class FormatCapacitanceTest : public ::testing::TestWithParam<CapacitanceCase> {};

TEST_P(FormatCapacitanceTest, ThreeSignificantDigits)
{
    EXPECT_EQ(FormatCapacitance(GetParam().farads), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatCapacitanceTest,
    ::testing::Values(CapacitanceCase{56.23e-12, "56.2 pF"}, CapacitanceCase{1.5e-9, "1.50 nF"},
                      CapacitanceCase{999.4e-12, "999 pF"}, CapacitanceCase{999.95e-12, "1.00 nF"},
                      CapacitanceCase{0.01234e-12, "12.3 fF"}, CapacitanceCase{123.45e-9, "123 nF"},
                      CapacitanceCase{4.7e-6, "4.70 \u00B5F"}, CapacitanceCase{0.0, "no capacitance resonates"},
                      CapacitanceCase{-1e-12, "no capacitance resonates"},
                      // Every prefix from fF to F, and beyond them a statement.
                      CapacitanceCase{0.9996e-15, "1.00 fF"}, CapacitanceCase{999.4e-15, "999 fF"},
                      CapacitanceCase{0.9994e-15, "below 1 fF: no practical capacitor"},
                      CapacitanceCase{1.5e-3, "1.50 mF"}, CapacitanceCase{2.2, "2.20 F"},
                      CapacitanceCase{999.4, "999 F"}, CapacitanceCase{999.6, "1000 F or more: no practical capacitor"},
                      CapacitanceCase{1e300, "1000 F or more: no practical capacitor"},
                      CapacitanceCase{4.9e-324, "below 1 fF: no practical capacitor"},
                      CapacitanceCase{INFINITY, "no capacitance resonates"},
                      CapacitanceCase{NAN, "no capacitance resonates"}));

TEST(ThreeDigitsTest, EveryDoubleGivesAShortText)
{
    const std::pair<double, const char*> cases[] = {
        {1.5, "1.50"},          {56.23, "56.2"},          {0.01234, "0.0123"},     {1234.0, "1230"},
        {0.0, "0.00"},          {-1.5, "-1.50"},          {0.0001234, "0.000123"}, {0.00001234, "1.23e-05"},
        {999.5e6, "1.00e+09"},  {123.4e6, "123000000"},   {1e300, "1.00e+300"},    {4.9e-324, "4.94e-324"},
        {INFINITY, "infinity"}, {-INFINITY, "-infinity"}, {NAN, "not a number"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(ThreeDigits(value), text) << value;
}

TEST(TuningCapacitanceTest, ResonatesAtTheFrequency)
{
    const double l = 1.5e-6;
    const double f = 13.56e6;
    const double c = TuningCapacitance(l, f);
    EXPECT_NEAR(1.0 / (2.0 * std::numbers::pi * std::sqrt(l * c)), f, 1e-3);
    EXPECT_EQ(FormatCapacitance(c), "91.8 pF");
}

// The turns found for a target give the target back through the formula.
TEST(TurnsForTest, RoundTripsThroughEachFormula)
{
    for (const double target : {0.2e-6, 1.5e-6, 2.7e-6, 820e-9, 0.02e-3}) {
        const auto circular = CircularTurnsFor(target, 1.0, 0.0127);
        ASSERT_TRUE(circular);
        EXPECT_NEAR(CircularCoilInductance(*circular, 1.0, 0.0127), target, target * 1e-12);
        const auto rect = RectLoopTurnsFor(target, 2.1, 1.0, 0.0127);
        ASSERT_TRUE(rect);
        EXPECT_NEAR(RectLoopInductance(*rect, 2.1, 1.0, 0.0127), target, target * 1e-12);
        const auto spiral = SpiralTurnsFor(target, 0.7875, 0.125);
        ASSERT_TRUE(spiral);
        EXPECT_NEAR(SpiralCoilInductance(*spiral, 0.7875, 0.125) * 1e-6, target, target * 1e-12);
    }
}

TEST(TurnsForTest, NothingWhenTheFormulaIsNotPositive)
{
    EXPECT_FALSE(CircularTurnsFor(1e-6, 0.01, 0.0127));    // 8R/a below e²
    EXPECT_FALSE(RectLoopTurnsFor(1e-6, 0.1, 0.1, 0.25));  // wire wider than the loop
    EXPECT_FALSE(CircularTurnsFor(0.0, 1.0, 0.0127));
    EXPECT_FALSE(SpiralTurnsFor(-1e-6, 0.7875, 0.125));
}

TEST(WarningsTest, SpiralDepthAndThinConductor)
{
    EXPECT_TRUE(SpiralWarning(0.7875, 0.125));  // 0.125 < 0.1575
    EXPECT_FALSE(SpiralWarning(1.875, 0.75));   // 0.75 ≥ 0.375
    EXPECT_FALSE(SpiralWarning(1.0, 0.2));      // the bound itself is fine
    EXPECT_TRUE(ConductorWarnings(0.0127, 1.0, 5e-6, "the wire radius").empty());
    EXPECT_EQ(ConductorWarnings(0.11, 1.0, 5e-6, "the wire radius").size(), 1U);
    EXPECT_EQ(ConductorWarnings(0.25, 0.1, -1.35e-9, "the trace size").size(), 2U);
    EXPECT_EQ(ConductorWarnings(0.01, 1.0, 0.0, "the trace size").back(),
              "the coil is too small for its wire: the formula does not apply");
}

struct ThresholdCase {
    double conductor;
    double smallest;
    bool warned;
};

class ThinConductorBound : public ::testing::TestWithParam<ThresholdCase> {};

// Strictly above a tenth warns; a tenth itself is still a thin conductor.
TEST_P(ThinConductorBound, WarnsOnlyAboveATenth)
{
    const ThresholdCase& c = GetParam();
    EXPECT_EQ(ConductorWarnings(c.conductor, c.smallest, 1e-6, "the wire radius").size(), c.warned ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(Table, ThinConductorBound,
                         ::testing::Values(ThresholdCase{0.1, 1.0, false}, ThresholdCase{0.1000001, 1.0, true},
                                           ThresholdCase{0.0999999, 1.0, false}, ThresholdCase{0.25, 2.5, false},
                                           ThresholdCase{0.26, 2.5, true}, ThresholdCase{0.0, 1.0, false}));

class SpiralDepthBound : public ::testing::TestWithParam<ThresholdCase> {};

// Here "conductor" is the depth and "smallest" the mean radius.
TEST_P(SpiralDepthBound, WarnsOnlyBelowAFifth)
{
    const ThresholdCase& c = GetParam();
    EXPECT_EQ(SpiralWarning(c.smallest, c.conductor).has_value(), c.warned);
}

INSTANTIATE_TEST_SUITE_P(Table, SpiralDepthBound,
                         ::testing::Values(ThresholdCase{2.0, 10.0, false}, ThresholdCase{1.9999, 10.0, true},
                                           ThresholdCase{2.0001, 10.0, false}, ThresholdCase{0.0, 0.85, true},
                                           ThresholdCase{1.0, 1.0, false}));

TEST(TurnsForTest, SpiralUsesTheMeanRadiusSquared)
{
    // 0.397 · 1² · N² / (8 + 11·0.5) µH = 4.2346... µH at 12 turns.
    const auto turns = SpiralTurnsFor(0.397 * 144.0 / 13.5 * 1e-6, 1.0, 0.5);
    ASSERT_TRUE(turns);
    EXPECT_NEAR(*turns, 12.0, 1e-12);
    // Doubling the mean radius at no depth doubles the inductance per turn².
    EXPECT_NEAR(*SpiralTurnsFor(1e-6, 2.0, 0.0), *SpiralTurnsFor(1e-6, 1.0, 0.0) / std::sqrt(2.0), 1e-12);
}

}  // namespace
}  // namespace loopcalc::design
