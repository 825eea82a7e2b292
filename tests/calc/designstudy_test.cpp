// SPDX-License-Identifier: MIT
// What the design window shows, worked out without a window: the classic
// result, the turns, the capacitance, the warnings and the curves, against
// the formulas themselves.
#include "designaids.h"
#include "designstudy.h"
#include "display.h"
#include "formulas.h"
#include "shapes.h"

#include "localefolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
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
                                           TextCase{4.2e12, "4.20e+12 H"}, TextCase{-1e-6, "no value"}));

/// The C library's numbers in a decimal-comma locale while it lives, as in a
/// window on a German desktop (the toolkit sets the locale from the
/// environment); inactive where none can be made.
class CommaLocale {
public:
    CommaLocale()
    {
        const std::string& folder = loopcalc::testing::LocaleFolder();
        if (!folder.empty()) {
            ::setenv("LOCPATH", folder.c_str(), 1);
            std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        }
    }
    ~CommaLocale()
    {
        std::setlocale(LC_NUMERIC, "C");
        ::unsetenv("LOCPATH");
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    [[nodiscard]] static bool Active() { return std::localeconv()->decimal_point == std::string(","); }
};

const TextCase kPercentCases[] = {{99.74, "+100 %"}, {29.4, "+29 %"},   {-4.26, "-4.3 %"}, {9.94, "+9.9 %"},
                                  {9.96, "+10 %"},   {-0.01, "+0.0 %"}, {-13.0, "-13 %"}};

class FormatPercentTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FormatPercentTest, SignedWithOneDecimalBelowTen)
{
    EXPECT_EQ(FormatPercent(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatPercentTest, ::testing::ValuesIn(kPercentCases));

// With a decimal point whatever the locale, like every other number the
// design window shows.
TEST(FormatPercentLocaleTest, TheSameInADecimalCommaLocale)
{
    const CommaLocale comma;
    if (!CommaLocale::Active()) {
        GTEST_SKIP() << loopcalc::testing::kNoLocales;
    }
    for (const TextCase& c : kPercentCases) {
        EXPECT_EQ(FormatPercent(c.value), c.text);
    }
}

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
    // A difference beyond a double is none at all.
    EXPECT_FALSE(ReferenceWarning(flat, 1e300, 1e-300));
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

namespace loopcalc::design {
namespace {

// A measured printed antenna: 39.1 mm square, 9 turns of 0.9 mm trace with
// 0.15 mm gaps in 0.03 mm copper measures 3.915 µH. The classic formula
// says nearly twice that, and the window warns.
TEST(RunStudyTest, MeasuredNfcAntennaAgainstTheReference)
{
    StudyRequest request = Request("flat-rectangular", {"39.1", "39.1", "9", "0.9"});
    request.models.gap = 0.15;
    request.models.thickness = 0.03;
    const Study study = RunStudy(request);
    EXPECT_EQ(study.classic.text, FormatInductance(RectLoopInductance(9.0, 3.91, 3.91, 0.09)).text);
    ASSERT_TRUE(study.reference);
    EXPECT_NEAR(*study.reference, 3.915e-6, 0.05 * 3.915e-6);
    ASSERT_FALSE(study.models.empty());
    EXPECT_EQ(study.models.front().name, "reference");
    ASSERT_FALSE(study.warnings.empty());
    EXPECT_EQ(study.warnings.back().rfind("the classic formula reads ", 0), 0U) << study.warnings.back();
    EXPECT_NE(study.warnings.back().find(" above the partial-inductance reference ("), std::string::npos);
}

struct SolveCase {
    const char* shape;
    std::vector<std::string> texts;
    double turns;  ///< the reference at these turns is the target
};

class ReferenceTurnsTest : public ::testing::TestWithParam<SolveCase> {};

// The turns found for the reference's own value at N turns lead back to N,
// with the whole numbers around it giving the reference there.
TEST_P(ReferenceTurnsTest, LeadBackToTheTurnsThatGaveTheTarget)
{
    const SolveCase& c = GetParam();
    StudyRequest at = Request(c.shape, c.texts);
    const Study first = RunStudy(at);
    ASSERT_TRUE(first.reference) << (first.models.empty() ? "" : first.models.front().reason);

    StudyRequest request = Request(c.shape, c.texts);
    request.target = *first.reference;
    request.targetText = "the target";
    const Study study = RunStudy(request);
    ASSERT_TRUE(study.referenceTurns);
    ASSERT_TRUE(study.referenceTurns->turns) << study.referenceTurns->message;
    EXPECT_NEAR(*study.referenceTurns->turns, c.turns, 1e-6);
    EXPECT_LE(study.referenceTurns->belowHenries, *first.reference);
    EXPECT_GE(study.referenceTurns->aboveHenries, *first.reference);
    EXPECT_EQ(study.referenceTurns->above - study.referenceTurns->below <= 1.0, true);
    // The reference curve rises with the turns.
    ASSERT_GT(study.referenceCurve.size(), 2U);
    for (std::size_t i = 1; i < study.referenceCurve.size(); ++i) {
        EXPECT_GT(study.referenceCurve[i].henries, study.referenceCurve[i - 1].henries);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ReferenceTurnsTest,
                         ::testing::Values(SolveCase{"circular", {"15", "60", "0.1"}, 60.0},
                                           SolveCase{"rectangular", {"30", "20", "7", "0.2"}, 7.0},
                                           SolveCase{"spiral", {"20", "8", "10"}, 10.0},
                                           SolveCase{"flat-rectangular", {"40", "25", "4", "0.5"}, 4.0}));

}  // namespace
}  // namespace loopcalc::design
