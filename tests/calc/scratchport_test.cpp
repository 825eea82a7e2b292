// SPDX-License-Identifier: MIT
// A calculator run on a copy of a page: the same outcome as on the page,
// nothing done to the page, and the refused box named.
#include "fakeformport.h"
#include "formulas.h"
#include "pagedesign.h"
#include "quantities.h"
#include "scratchport.h"
#include "shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace loopcalc {
namespace {

struct ScratchCase {
    const char* name;
    const char* shape;
    std::vector<std::string> texts;  ///< in the shape's field order
    const char* separator;
    Outcome::Kind kind;
    const char* refusedBox;  ///< the box the calculator moves the focus to ("" for none)
};

class ScratchPortTest : public ::testing::TestWithParam<ScratchCase> {};

// The copy gives the outcome the page itself gives, and notes the refused box.
TEST_P(ScratchPortTest, SameOutcomeAsThePageAndTheRefusedBox)
{
    const ScratchCase& c = GetParam();
    const Shape& shape = *FindShape(c.shape);
    testing::FakeFormPort page;
    page.separator = c.separator;
    for (std::size_t i = 0; i < shape.fields.size(); ++i) {
        page.boxes[std::string(shape.fields[i].box)] = c.texts[i];
    }
    const Outcome onPage = shape.calculate(page);

    ScratchPort scratch(shape, c.texts, c.separator);
    const Outcome onCopy = scratch.calculate();
    EXPECT_EQ(onCopy.kind, c.kind);
    EXPECT_EQ(onCopy.kind, onPage.kind);
    EXPECT_EQ(onCopy.text, onPage.text);
    EXPECT_EQ(onCopy.henries, onPage.henries);
    EXPECT_EQ(scratch.focusedBox(), c.refusedBox);
    // A rerun starts from the copied texts, not from the calculator's rewrites.
    EXPECT_EQ(scratch.calculate().text, onPage.text);
    for (std::size_t i = 0; i < shape.fields.size(); ++i) {
        EXPECT_EQ(scratch.fieldText(i), c.texts[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScratchPortTest,
    ::testing::Values(
        ScratchCase{"circular", "circular", {"10", "11.5", "0.127"}, ".", Outcome::Kind::Result, ""},
        ScratchCase{"comma", "flat-rectangular", {"22,5", "10", "11", "0,127"}, ",", Outcome::Kind::Result, ""},
        ScratchCase{
            "turnsBelowOne", "rectangular", {"21", "10", "0.5", "0.127"}, ".", Outcome::Kind::Refused, "txtTurns4"},
        ScratchCase{
            "notANumber", "flat-rectangular", {"21", "abc", "11", "0.127"}, ".", Outcome::Kind::Refused, "txtHeight1"},
        ScratchCase{"innerAboveOuter", "spiral", {"5", "7", "12"}, ".", Outcome::Kind::Refused, "txtOuterRadius3"},
        ScratchCase{
            "outOfRange", "circular", {"10000", "1000", "0.127"}, ".", Outcome::Kind::OutOfRange, "txtRadius2"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ScratchPortTest, TurnsReplacedWithTheSeparatorOfThePage)
{
    const Shape& shape = *FindShape("flat-rectangular");
    ScratchPort scratch(shape, {"40", "25", "3", "0,5"}, ",");
    const Outcome outcome = scratch.calculateWithTurns(4.5);
    ASSERT_EQ(outcome.kind, Outcome::Kind::Result) << outcome.text;
    EXPECT_DOUBLE_EQ(outcome.henries, RectLoopInductance(4.5, 4.0, 2.5, 0.05));
    EXPECT_EQ(scratch.calculateWithTurns(0.5).kind, Outcome::Kind::Refused);
    EXPECT_EQ(scratch.focusedBox(), "txtTurns1");
}

// The window's turns search over a copy agrees with the closed form.
TEST(ScratchPortTest, FindTurnsOnACopy)
{
    const Shape& shape = *FindShape("flat-rectangular");
    ScratchPort scratch(shape, {"40", "25", "3", "0.5"}, ".");
    const auto search = design::FindTurns(shape, scratch, 1.5e-6, "1.5 µH",
                                          [&scratch](double turns) { return scratch.calculateWithTurns(turns); });
    ASSERT_EQ(search.kind, design::TurnsSearch::Kind::Found);
    const double perTurn = RectLoopInductance(1.0, 4.0, 2.5, 0.05);
    EXPECT_NEAR(search.turns, std::sqrt(1.5e-6 / perTurn), 1e-12);
    ASSERT_EQ(search.whole.size(), 2U);
    EXPECT_DOUBLE_EQ(search.whole[1].outcome.henries, RectLoopInductance(std::ceil(search.turns), 4.0, 2.5, 0.05));
}

TEST(QuantityTest, ReadsTheUsersSeparatorBesidesThePoint)
{
    using units::Quantity;
    const auto read = [](std::string_view text, std::string_view separator) {
        return units::ReadQuantity(text, units::InductanceUnits(), separator);
    };
    EXPECT_DOUBLE_EQ(read("1,5 µH", ",").value, 1.5e-6);
    EXPECT_DOUBLE_EQ(read("1.5uH", ",").value, 1.5e-6);
    EXPECT_EQ(read("1,5 µH", ".").status, Quantity::Status::NotANumber);
    EXPECT_EQ(read("1.5 uF", ".").status, Quantity::Status::UnknownUnit);
    EXPECT_DOUBLE_EQ(read("820nH", ".").value, 820e-9);
}

}  // namespace
}  // namespace loopcalc
