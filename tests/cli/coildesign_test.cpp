// SPDX-License-Identifier: MIT
#include "coildesign.h"
#include "display.h"
#include "numberreading.h"
#include "shapes.h"
#include "terminalport.h"
#include "units.h"

#include "casename.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using loopcalc::Outcome;
using loopcalc::cli::NumberBuffer;
using loopcalc::cli::TerminalPort;
using loopcalc::cli::TurnsSearch;

/// A port on a shape with the given fields set; texts are kept alive here.
struct Page {
    TerminalPort port;
    std::vector<std::string> texts;

    Page(std::string_view shape, std::vector<std::pair<std::string, std::string>> fields)
    {
        port.setShape(*loopcalc::FindShape(shape));
        texts.reserve(fields.size());
        for (auto& [option, text] : fields) {
            texts.push_back(std::move(text));
            EXPECT_TRUE(port.setField(option, texts.back())) << option;
        }
    }
};

std::string text(double value)
{
    NumberBuffer buffer;
    return std::string(loopcalc::cli::ShortestText(value, buffer));
}

/// Random outlines of each shape (in millimetres, as typed), within the
/// calculators' checks and with a thin conductor.
std::vector<std::pair<std::string, std::string>> randomOutline(std::string_view shape, std::mt19937_64& random)
{
    std::uniform_real_distribution<double> size(3.0, 80.0);
    std::uniform_real_distribution<double> fraction(0.002, 0.09);
    if (shape == "circular") {
        const double r = size(random);
        return {{"radius", text(r)}, {"wire-radius", text(r * fraction(random))}};
    }
    if (shape == "spiral") {
        const double ro = size(random);
        std::uniform_real_distribution<double> inner(0.05, 1.0);
        return {{"outer-radius", text(ro)}, {"inner-radius", text(ro * inner(random))}};
    }
    const double w = size(random);
    const double h = size(random);
    const double conductor = std::min(std::min(w, h) * fraction(random), 2.5);
    return {{"width", text(w)},
            {"height", text(h)},
            {shape == "flat-rectangular" ? "trace" : "wire-radius", text(conductor)}};
}

// Solving for the turns undoes the calculator: a result computed with N turns
// leads back to N, for every shape and many outlines.
TEST(ExactTurns, UndoesEachCalculatorOnRandomOutlines)
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> turnsDistribution(1.0, 100.0);
    for (const loopcalc::Shape& shape : loopcalc::Shapes()) {
        for (int i = 0; i < 500; ++i) {
            Page page(shape.name, randomOutline(shape.name, random));
            const double turns = turnsDistribution(random);
            const std::string turnsText = text(turns);
            page.port.setField("turns", turnsText);
            const Outcome outcome = page.port.calculate();
            ASSERT_NE(outcome.kind, Outcome::Kind::Refused) << outcome.text;
            const auto found = loopcalc::cli::ExactTurns(page.port, outcome.henries);
            ASSERT_TRUE(found) << shape.name;
            EXPECT_NEAR(*found, turns, turns * 1e-13) << shape.name << " " << page.texts[0];
        }
    }
}

/// The number and the unit of a result text: " 1.50 µH" → 1.50, 2 decimals, "µH".
struct Shown {
    double number = 0.0;
    int decimals = 0;
    std::string unit;
};

Shown shown(const std::string& result)
{
    const std::size_t blank = result.rfind(' ');
    const std::string number = result.substr(0, blank);
    const std::size_t point = number.find('.');
    return {loopcalc::ReadNumber(number, "."),
            point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1), result.substr(blank + 1)};
}

/// The display of the target itself, by the shape's own rule.
std::string targetDisplay(std::string_view shape, double henries)
{
    return shape == "spiral" ? loopcalc::FormatSpiralInductance(henries * 1e6).text
                             : loopcalc::FormatInductance(henries).text;
}

// The turns found for a target, fed back through the calculator, show the
// target: the same text, or one that differs only by one in the last digit
// shown (the display cuts digits, so a last bit below can show one less).
/// One box read through the port as a number.
struct PortReadCase {
    std::string name;
    std::string shape;
    std::string option;
    std::string typed;
    std::string separator;  ///< besides "."
    std::string box;        ///< "" for the table's own name of the option's box
    double number;
    std::size_t cut = 0;  ///< characters cut from the end of the table's own name
};

class TerminalPortRead : public ::testing::TestWithParam<PortReadCase> {};

TEST_P(TerminalPortRead, ReadsTheBoxAsItsTextReads)
{
    const PortReadCase& c = GetParam();
    Page page(c.shape, {{c.option, c.typed}});
    page.port.setDecimalSeparator(c.separator);
    std::string_view box = c.box;
    if (box.empty()) {
        for (const loopcalc::ShapeField& field : page.port.shape()->fields) {
            box = field.option == c.option ? field.box : box;
        }
        box.remove_suffix(c.cut);
    }
    EXPECT_EQ(page.port.number(box), c.number);
    EXPECT_EQ(page.port.number(box), loopcalc::ReadNumber(page.port.text(box), page.port.decimalSeparator()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TerminalPortRead,
    ::testing::Values(PortReadCase{"by_the_table_name", "circular", "radius", "10.5", ".", "", 10.5},
                      PortReadCase{"by_a_copy_of_the_name", "circular", "radius", "10.5", ".", "txtRadius2", 10.5},
                      PortReadCase{"another_field", "rectangular", "turns", "12", ".", "txtTurns4", 12.0},
                      PortReadCase{"decimal_comma", "spiral", "inner-radius", "7,25", ",", "", 7.25},
                      PortReadCase{"comma_not_the_separator", "spiral", "inner-radius", "7,25", ".", "", 0.0},
                      PortReadCase{"not_a_number", "circular", "turns", "12x", ".", "", 0.0},
                      PortReadCase{"the_result_box", "circular", "turns", "12", ".", "txtInductance2", 0.0},
                      PortReadCase{"a_box_of_another_page", "circular", "radius", "10", ".", "txtWidth4", 0.0},
                      PortReadCase{"a_name_that_only_starts_alike", "circular", "radius", "10", ".", "txtRadius", 0.0},
                      PortReadCase{"the_table_name_cut_short", "circular", "radius", "10", ".", "", 0.0, 1}),
    loopcalc::testing::caseName<PortReadCase>);

TEST(FindTurns, RoundTripShowsTheTarget)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-7.5, -4.5);
    int exact = 0;
    int total = 0;
    for (const loopcalc::Shape& shape : loopcalc::Shapes()) {
        for (int i = 0; i < 300; ++i) {
            Page page(shape.name, randomOutline(shape.name, random));
            const double target = std::pow(10.0, exponent(random));
            const TurnsSearch search = loopcalc::cli::FindTurns(page.port, target, "target");
            if (search.kind != TurnsSearch::Kind::Found) {
                continue;  // a target out of the shape's reach; refusals are tested below
            }
            const std::string turnsText = text(search.turns);
            page.port.setField("turns", turnsText);
            const Outcome outcome = page.port.calculate();
            const std::string expected = targetDisplay(shape.name, target);
            if (outcome.kind != Outcome::Kind::Result || expected.starts_with("Result")) {
                continue;  // the target itself is outside the display's units
            }
            ++total;
            if (outcome.text == expected) {
                ++exact;
                continue;
            }
            const Shown got = shown(outcome.text);
            const Shown want = shown(expected);
            SCOPED_TRACE(std::string(shape.name) + ": " + outcome.text + " for " + expected);
            EXPECT_EQ(got.unit, want.unit);
            EXPECT_EQ(got.decimals, want.decimals);
            EXPECT_NEAR(got.number, want.number, std::pow(10.0, -got.decimals) * 1.000001);
        }
    }
    EXPECT_GT(total, 600);
    // Most round trips show the very same text.
    EXPECT_GT(exact, total * 9 / 10);
}

TEST(FindTurns, WholeNumbersAroundTheExactOneAsTheCalculatorShowsThem)
{
    Page page("flat-rectangular", {{"width", "40"}, {"height", "25"}, {"trace", "0.5"}});
    const TurnsSearch search = loopcalc::cli::FindTurns(page.port, 1.5e-6, "1.5uH");
    ASSERT_EQ(search.kind, TurnsSearch::Kind::Found);
    ASSERT_EQ(search.whole.size(), 2U);
    EXPECT_EQ(search.whole[0].turns, std::floor(search.turns));
    EXPECT_EQ(search.whole[1].turns, std::floor(search.turns) + 1.0);
    for (const TurnsSearch::Whole& whole : search.whole) {
        Page check("flat-rectangular",
                   {{"width", "40"}, {"height", "25"}, {"trace", "0.5"}, {"turns", text(whole.turns)}});
        const Outcome expected = check.port.calculate();
        EXPECT_EQ(whole.outcome.text, expected.text);
        EXPECT_EQ(whole.outcome.henries, expected.henries);
    }
    EXPECT_LT(search.whole[0].outcome.henries, 1.5e-6);
    EXPECT_GT(search.whole[1].outcome.henries, 1.5e-6);
}

TEST(FindTurns, WholeTurnsGiveOneLine)
{
    Page page("circular", {{"radius", "10"}, {"wire-radius", "0.127"}});
    page.port.setField("turns", "12");
    const double henries = page.port.calculate().henries;
    Page search("circular", {{"radius", "10"}, {"wire-radius", "0.127"}});
    const TurnsSearch found = loopcalc::cli::FindTurns(search.port, henries, "L");
    ASSERT_EQ(found.kind, TurnsSearch::Kind::Found);
    // pow(x, 1/1.9) need not land on 12 exactly; when it does, one line.
    if (found.turns == 12.0) {
        EXPECT_EQ(found.whole.size(), 1U);
    } else {
        EXPECT_EQ(found.whole.size(), 2U);
    }
    EXPECT_NEAR(found.turns, 12.0, 1e-12);
}

struct RefusalCase {
    std::string name;
    std::string shape;
    std::vector<std::pair<std::string, std::string>> fields;
    double henries;
    TurnsSearch::Kind kind;
    std::string message;
};

class FindTurnsRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(FindTurnsRefusal, SaysWhy)
{
    const RefusalCase& c = GetParam();
    Page page(c.shape, c.fields);
    const TurnsSearch search = loopcalc::cli::FindTurns(page.port, c.henries, "the target");
    EXPECT_EQ(search.kind, c.kind);
    EXPECT_EQ(search.message, c.message);
    EXPECT_TRUE(search.whole.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindTurnsRefusal,
    ::testing::Values(
        // Dimensions are refused with the calculator's own message.
        RefusalCase{"radius", "circular", {{"radius", "0"}}, 1e-6, TurnsSearch::Kind::Refused, "Radius must be > 0"},
        RefusalCase{
            "wire", "rectangular", {{"wire-radius", ""}}, 1e-6, TurnsSearch::Kind::Refused, "Wire Radius must be > 0"},
        RefusalCase{"trace",
                    "flat-rectangular",
                    {{"trace", "2.6"}},
                    1e-6,
                    TurnsSearch::Kind::Refused,
                    "Trace must be > 0 or < 2.6"},
        RefusalCase{"radii",
                    "spiral",
                    {{"inner-radius", "9"}},
                    1e-6,
                    TurnsSearch::Kind::Refused,
                    "Outer Radius must be > Inner Radius"},
        // A formula that is never positive.
        RefusalCase{"wire_too_thick",
                    "circular",
                    {{"radius", "0.1"}, {"wire-radius", "0.127"}},
                    1e-6,
                    TurnsSearch::Kind::Unreachable,
                    "no number of turns reaches the target: for this outline the formula gives 0 or less (the coil "
                    "is too small for its wire)"}),
    loopcalc::testing::caseName<RefusalCase>);

TEST(FindTurns, UnreachableNamesTheTurnsAndTheCheck)
{
    Page few("circular", {{"radius", "10"}, {"wire-radius", "0.127"}});
    const TurnsSearch fewer = loopcalc::cli::FindTurns(few.port, 1e-8, "10nH");
    EXPECT_TRUE(fewer.message.starts_with("10nH needs 0.")) << fewer.message;
    EXPECT_TRUE(fewer.message.ends_with(" turns, which the calculator does not accept: Turns must be > 0"))
        << fewer.message;

    Page many("spiral", {{"outer-radius", "8.5"}, {"inner-radius", "8.5"}});
    const TurnsSearch more = loopcalc::cli::FindTurns(many.port, 500e-6, "500uH");
    EXPECT_TRUE(more.message.starts_with("500uH needs 108.87")) << more.message;
    EXPECT_TRUE(more.message.ends_with("does not accept: Turns must be > 0 and < 101")) << more.message;
}

// Below one turn the spiral still has an answer; its whole number below, 0,
// is not accepted and is reported as such.
TEST(FindTurns, SpiralBelowOneTurnReportsZeroAsNotAccepted)
{
    Page page("spiral", {{"outer-radius", "8.5"}, {"inner-radius", "7.25"}});
    const TurnsSearch search = loopcalc::cli::FindTurns(page.port, 20e-9, "20nH");
    ASSERT_EQ(search.kind, TurnsSearch::Kind::Found);
    EXPECT_LT(search.turns, 1.0);
    ASSERT_EQ(search.whole.size(), 2U);
    EXPECT_EQ(search.whole[0].turns, 0.0);
    EXPECT_EQ(search.whole[0].outcome.kind, Outcome::Kind::Refused);
    EXPECT_EQ(search.whole[0].outcome.text, "Turns must be > 0 and < 101");
    EXPECT_EQ(search.whole[1].turns, 1.0);
}

struct WarningCase {
    std::string name;
    std::string shape;
    std::vector<std::pair<std::string, std::string>> fields;
    std::vector<std::string> warnings;
};

class ValidityWarnings : public ::testing::TestWithParam<WarningCase> {};

TEST_P(ValidityWarnings, AtAndAroundTheThresholds)
{
    const WarningCase& c = GetParam();
    Page page(c.shape, c.fields);
    const Outcome outcome = page.port.calculate();
    ASSERT_NE(outcome.kind, Outcome::Kind::Refused) << outcome.text;
    EXPECT_EQ(loopcalc::cli::ValidityWarnings(page.port, outcome.henries), c.warnings);
}

const std::string kShallow = "the winding is shallow (depth below 0.2 x mean radius): the flat spiral formula is no "
                             "longer accurate to about 5 %";
const std::string kThickWire = "the wire radius is above a tenth of the coil's smallest dimension: the "
                               "thin-conductor assumption fails";
const std::string kWideTrace = "the trace size is above a tenth of the coil's smallest dimension: the "
                               "thin-conductor assumption fails";
const std::string kTooSmall = "the coil is too small for its wire: the formula does not apply";

INSTANTIATE_TEST_SUITE_P(
    Table, ValidityWarnings,
    ::testing::Values(
        // Spiral: outer 110, inner 90 gives a = 10, b = 2 = 0.2a exactly.
        WarningCase{"spiral_at_bound", "spiral", {{"outer-radius", "110"}, {"inner-radius", "90"}}, {}},
        WarningCase{"spiral_just_below", "spiral", {{"outer-radius", "110"}, {"inner-radius", "90.01"}}, {kShallow}},
        WarningCase{"spiral_just_above", "spiral", {{"outer-radius", "110"}, {"inner-radius", "89.99"}}, {}},
        WarningCase{"spiral_initial", "spiral", {}, {kShallow}},
        WarningCase{"spiral_equal_radii", "spiral", {{"outer-radius", "8.5"}, {"inner-radius", "8.5"}}, {kShallow}},
        // Circular: the wire radius against the coil radius.
        WarningCase{"circular_at_bound", "circular", {{"radius", "10"}, {"wire-radius", "1"}}, {}},
        WarningCase{"circular_above", "circular", {{"radius", "10"}, {"wire-radius", "1.001"}}, {kThickWire}},
        WarningCase{"circular_below", "circular", {{"radius", "10"}, {"wire-radius", "0.999"}}, {}},
        WarningCase{
            "circular_negative", "circular", {{"radius", "0.1"}, {"wire-radius", "0.127"}}, {kThickWire, kTooSmall}},
        // Rectangles: against the smaller side, whichever it is.
        WarningCase{"rect_at_bound", "rectangular", {{"width", "21"}, {"height", "10"}, {"wire-radius", "1"}}, {}},
        WarningCase{"rect_height_smaller",
                    "rectangular",
                    {{"width", "21"}, {"height", "10"}, {"wire-radius", "1.01"}},
                    {kThickWire}},
        WarningCase{"rect_width_smaller",
                    "rectangular",
                    {{"width", "10"}, {"height", "21"}, {"wire-radius", "1.01"}},
                    {kThickWire}},
        WarningCase{
            "rect_big_wire_big_sides", "rectangular", {{"width", "30"}, {"height", "21"}, {"wire-radius", "2.09"}}, {}},
        WarningCase{"flat_at_bound", "flat-rectangular", {{"width", "21"}, {"height", "10"}, {"trace", "1"}}, {}},
        WarningCase{
            "flat_above", "flat-rectangular", {{"width", "21"}, {"height", "10"}, {"trace", "1.1"}}, {kWideTrace}},
        WarningCase{"flat_negative",
                    "flat-rectangular",
                    {{"width", "1"}, {"height", "1"}, {"turns", "1"}, {"trace", "2.5"}},
                    {kWideTrace, kTooSmall}}),
    loopcalc::testing::caseName<WarningCase>);

// An out-of-range result still gets past the checks: its warnings are given.
TEST(ValidityWarnings, OutOfRangeResultsAreWarnedToo)
{
    Page page("circular", {{"radius", "2000"}, {"turns", "100"}, {"wire-radius", "250"}});
    const Outcome outcome = page.port.calculate();
    ASSERT_EQ(outcome.kind, Outcome::Kind::OutOfRange);
    EXPECT_EQ(loopcalc::cli::ValidityWarnings(page.port, outcome.henries), std::vector<std::string>{kThickWire});
}

}  // namespace
