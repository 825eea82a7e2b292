// SPDX-License-Identifier: MIT
// What the design window shows, worked out without a window: the classic
// result, the turns, the capacitance, the warnings and the curves, against
// the formulas themselves.
#include "designaids.h"
#include "designstudy.h"
#include "display.h"
#include "formulas.h"
#include "shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace loopcalc::design {
namespace {

struct TextCase {
    double value;
    const char* text;
};

class FormatHenriesTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FormatHenriesTest, ThreeSignificantDigitsAndAUnit)
{
    EXPECT_EQ(FormatHenries(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatHenriesTest,
                         ::testing::Values(TextCase{1.5e-6, "1.50 \xC2\xB5H"}, TextCase{820e-9, "820 nH"},
                                           TextCase{999.6e-9, "1.00 \xC2\xB5H"}, TextCase{3.916e-6, "3.92 \xC2\xB5H"},
                                           TextCase{1.2e-3, "1.20 mH"}, TextCase{0.5e-9, "0.500 nH"},
                                           TextCase{2.5, "2.50 H"}, TextCase{4200.0, "4200 H"}, TextCase{0.0, "0 H"},
                                           TextCase{-1e-6, "no value"}));

class FormatPercentTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FormatPercentTest, SignedWithOneDecimalBelowTen)
{
    EXPECT_EQ(FormatPercent(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatPercentTest,
                         ::testing::Values(TextCase{99.74, "+100 %"}, TextCase{29.4, "+29 %"},
                                           TextCase{-4.26, "-4.3 %"}, TextCase{9.94, "+9.9 %"}, TextCase{9.96, "+10 %"},
                                           TextCase{-0.01, "+0.0 %"}, TextCase{-13.0, "-13 %"}));

TEST(ReferenceWarningTest, OnlyBeyondTenPerCentWithTheReferenceAndItsMethod)
{
    const Shape& flat = *FindShape("flat-rectangular");
    EXPECT_EQ(ReferenceWarning(flat, 7.82e-6, 3.916e-6),
              "the classic formula reads 100 % above the partial-inductance reference (3.92 \xC2\xB5H)");
    EXPECT_EQ(ReferenceWarning(*FindShape("spiral"), 0.87e-6, 1e-6),
              "the classic formula reads 13 % below the filament reference (1.00 \xC2\xB5H)");
    EXPECT_FALSE(ReferenceWarning(flat, 1.09e-6, 1e-6));
    EXPECT_FALSE(ReferenceWarning(flat, 0.91e-6, 1e-6));
    EXPECT_FALSE(ReferenceWarning(flat, 5e-6, std::nullopt));
}

struct RangeCase {
    const char* shape;
    double turns;
    std::optional<double> target;
    double first;
    double last;
};

class PlotRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PlotRangeTest, FromOneTurnToWellPastTheTurnsAndTheTarget)
{
    const RangeCase& c = GetParam();
    const TurnsRange range = PlotRange(*FindShape(c.shape), c.turns, c.target);
    EXPECT_EQ(range.first, c.first);
    EXPECT_EQ(range.last, c.last);
}

INSTANTIATE_TEST_SUITE_P(Table, PlotRangeTest,
                         ::testing::Values(RangeCase{"flat-rectangular", 4.0, std::nullopt, 1.0, 7.0},
                                           RangeCase{"flat-rectangular", 11.0, 4.2, 1.0, 17.0},
                                           RangeCase{"flat-rectangular", 2.0, 9.5, 1.0, 15.0},
                                           RangeCase{"circular", 200.0, std::nullopt, 1.0, 300.0},
                                           // The spiral's page takes at most 100 turns.
                                           RangeCase{"spiral", 90.0, std::nullopt, 1.0, 100.0},
                                           RangeCase{"spiral", 1.0, std::nullopt, 1.0, 4.0},
                                           RangeCase{"rectangular", std::nan(""), std::nullopt, 1.0, 4.0}));

StudyRequest Request(const char* shape, std::vector<std::string> texts)
{
    StudyRequest request;
    request.shape = FindShape(shape);
    request.texts = std::move(texts);
    return request;
}

TEST(RunStudyTest, ClassicTurnsCapacitanceAndCurveFromTheFormula)
{
    StudyRequest request = Request("flat-rectangular", {"40", "25", "4", "0.5"});
    request.target = 1.5e-6;
    request.targetText = "1.5 uH";
    request.hertz = 13.56e6;
    const Study study = RunStudy(request);

    const double henries = RectLoopInductance(4.0, 4.0, 2.5, 0.05);
    EXPECT_EQ(study.classic.kind, Outcome::Kind::Result);
    EXPECT_EQ(study.classic.text, FormatInductance(henries).text);
    EXPECT_EQ(study.turns, 4.0);
    EXPECT_TRUE(study.warnings.empty() || study.reference);
    ASSERT_TRUE(study.classicCapacitance);
    EXPECT_DOUBLE_EQ(*study.classicCapacitance, TuningCapacitance(henries, 13.56e6));

    ASSERT_TRUE(study.classicTurns);
    ASSERT_EQ(study.classicTurns->kind, TurnsSearch::Kind::Found);
    EXPECT_NEAR(study.classicTurns->turns, std::sqrt(1.5e-6 / RectLoopInductance(1.0, 4.0, 2.5, 0.05)), 1e-12);

    // The curve runs through the formula at every point, across the range.
    ASSERT_FALSE(study.classicCurve.empty());
    EXPECT_EQ(study.classicCurve.front().turns, 1.0);
    EXPECT_EQ(study.classicCurve.back().turns, PlotRange(*request.shape, 4.0, study.classicTurns->turns).last);
    for (const CurvePoint& point : study.classicCurve) {
        EXPECT_DOUBLE_EQ(point.henries, RectLoopInductance(point.turns, 4.0, 2.5, 0.05));
    }
}

TEST(RunStudyTest, RefusedInputsGiveTheBoxAndNoCurve)
{
    const Study study = RunStudy(Request("circular", {"10", "11.5", "0"}));
    EXPECT_EQ(study.classic.kind, Outcome::Kind::Refused);
    EXPECT_EQ(study.classic.text, "Wire Radius must be > 0");
    EXPECT_EQ(study.refusedBox, "txtWire2");
    EXPECT_TRUE(study.models.empty());
    EXPECT_TRUE(study.warnings.empty());
    EXPECT_TRUE(study.classicCurve.empty());
}

TEST(RunStudyTest, OutOfRangeKeepsItsWarningsAndNoCapacitance)
{
    StudyRequest request = Request("flat-rectangular", {"0.5", "0.5", "1", "0.127"});
    request.hertz = 13.56e6;
    const Study study = RunStudy(request);
    ASSERT_EQ(study.classic.kind, Outcome::Kind::OutOfRange);
    EXPECT_FALSE(study.classicCapacitance);
    // A 0.127 mm trace on a 0.5 mm outline is thick.
    ASSERT_FALSE(study.warnings.empty());
    EXPECT_EQ(study.warnings.front(), ConductorWarnings(0.0127, 0.05, 1.0, "the trace size").front());
}

TEST(RunStudyTest, ACancelledStudyStopsAndSaysSo)
{
    StudyRequest request = Request("flat-rectangular", {"40", "25", "4", "0.5"});
    const Study study = RunStudy(request, [] { return true; });
    EXPECT_TRUE(study.cancelled);
    EXPECT_TRUE(study.classicCurve.empty());
}

}  // namespace
}  // namespace loopcalc::design
