// SPDX-License-Identifier: MIT
// Each calculator's steps, in order, through a page held in memory.
#include "calcsteps.h"
#include "calculators.h"
#include "fakeformport.h"
#include "logrecords.h"
#include "shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

namespace loopcalc {
namespace {

using testing::FakeFormPort;
using testing::StartRecord;
using testing::WithSeparator;
using Strings = std::vector<std::string>;

struct FlowCase {
    const char* name;
    const char* shape;
    Strings boxes;   ///< "box=text" overriding the initial texts; "box" alone empties it
    Strings events;  ///< the port calls expected, in order
    friend std::ostream& operator<<(std::ostream& os, const FlowCase& c) { return os << c.name; }
};

FakeFormPort PageFor(const Shape& shape, const Strings& overrides)
{
    FakeFormPort port;
    for (const ShapeField& field : shape.fields) {
        port.boxes[std::string(field.box)] = std::string(field.initialText);
    }
    port.boxes[std::string(shape.resultBox)] = "previous";
    for (const std::string& entry : overrides) {
        const size_t eq = entry.find('=');
        port.boxes[entry.substr(0, eq)] = eq == std::string::npos ? "" : entry.substr(eq + 1);
    }
    return port;
}

std::string CaseName(const ::testing::TestParamInfo<FlowCase>& param)
{
    return param.param.name;
}

class CalculatorFlowTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(CalculatorFlowTest, TakesItsStepsInOrder)
{
    const FlowCase& c = GetParam();
    const Shape* shape = FindShape(c.shape);
    ASSERT_NE(shape, nullptr);
    FakeFormPort port = PageFor(*shape, c.boxes);
    port.logOn = true;
    const Outcome outcome = shape->calculate(port);
    EXPECT_EQ(port.events, c.events);
    if (outcome.kind != Outcome::Kind::Result) {
        EXPECT_EQ(port.boxes[std::string(shape->resultBox)], "previous");
        EXPECT_TRUE(port.log.empty());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Circular, CalculatorFlowTest,
    ::testing::Values(
        FlowCase{"initial", "circular", {}, {"text txtInductance2= 5.78 µH", "beep"}},
        FlowCase{"oneTurnOneMillimetre", "circular", {"txtTurns2=1", "txtRadius2=1"},
                 {"text txtInductance2= 2.69 nH", "beep"}},
        FlowCase{"large", "circular", {"txtTurns2=25", "txtRadius2=40", "txtWire2=0.5"},
                 {"text txtInductance2= 101.53 µH", "beep"}},
        FlowCase{"fiveTurns", "circular", {"txtTurns2=5", "txtRadius2=3", "txtWire2=0.2"},
                 {"text txtInductance2= 223 nH", "beep"}},
        FlowCase{"twoTurns", "circular", {"txtTurns2=2", "txtRadius2=2", "txtWire2=0.5"},
                 {"text txtInductance2= 13 nH", "beep"}},
        FlowCase{"negative", "circular", {"txtRadius2=0.1"}, {"text txtInductance2=-2.07 nH", "beep"}},
        FlowCase{"halfTurn", "circular", {"txtTurns2=0.5"},
                 {"text txtTurns2=10", "focus txtTurns2", "message error: Turns must be > 0"}},
        FlowCase{"allEmpty", "circular", {"txtTurns2", "txtRadius2", "txtWire2"},
                 {"text txtTurns2=10", "focus txtTurns2", "message error: Turns must be > 0"}},
        FlowCase{"radiusZero", "circular", {"txtRadius2=0"},
                 {"text txtRadius2=12.5", "focus txtRadius2", "message error: Radius must be > 0"}},
        FlowCase{"wireUnreadable", "circular", {"txtWire2=1.2.3"},
                 {"text txtWire2=0.0127", "focus txtWire2", "message error: Wire Radius must be > 0"}},
        FlowCase{"outOfRange", "circular", {"txtTurns2=100", "txtRadius2=200", "txtWire2=0.1"},
                 {"message warning: Result out of range:  1.21730752727319E-02 H", "text txtTurns2=10",
                  "text txtRadius2=12.5", "focus txtRadius2", "text txtWire2=0.0127"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Rectangular, CalculatorFlowTest,
    ::testing::Values(
        FlowCase{"initial", "rectangular", {}, {"text txtInductance4= 5.85 µH", "beep"}},
        FlowCase{"wideWire", "rectangular", {"txtWidth4=1", "txtHeight4=1", "txtTurns4=1", "txtWireRad4=2.5"},
                 {"text txtInductance4=-1.35 nH", "beep"}},
        FlowCase{"halfTurn", "rectangular", {"txtTurns4=0.5"},
                 {"text txtTurns4=11", "focus txtTurns4", "message error: Turns must be > 0"}},
        FlowCase{"heightAndWidthEmpty", "rectangular", {"txtHeight4", "txtWidth4"},
                 {"text txtHeight4=10.0", "focus txtHeight4", "message error: Height must be > 0"}},
        FlowCase{"wireBeforeWidth", "rectangular", {"txtWireRad4", "txtWidth4"},
                 {"text txtWireRad4=0.127", "focus txtWireRad4", "message error: Wire Radius must be > 0"}},
        FlowCase{"widthNegative", "rectangular", {"txtWidth4=-21"},
                 {"text txtWidth4=21.0", "focus txtWidth4", "message error: Width must be > 0"}},
        FlowCase{"outOfRange", "rectangular", {"txtWidth4=2000", "txtHeight4=2000", "txtTurns4=100"},
                 {"message warning: Result out of range:  .142156779208425 H", "text txtTurns4=11",
                  "focus txtTurns4", "text txtHeight4=10.0", "text txtWidth4=21.0", "text txtWireRad4=0.127"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    FlatRectangular, CalculatorFlowTest,
    ::testing::Values(
        FlowCase{"initial", "flat-rectangular", {}, {"text txtInductance1= 5.85 µH", "beep"}},
        FlowCase{"widestTrace", "flat-rectangular", {"txtTrace1=2.5"}, {"text txtInductance1= 1.38 µH", "beep"}},
        FlowCase{"wideTrace", "flat-rectangular", {"txtWidth1=1", "txtHeight1=1", "txtTurns1=1", "txtTrace1=2.5"},
                 {"text txtInductance1=-1.35 nH", "beep"}},
        FlowCase{"traceTooWide", "flat-rectangular", {"txtTrace1=2.55"},
                 {"text txtTrace1=0.127", "focus txtTrace1", "message error: Trace must be > 0 or < 2.6"}},
        FlowCase{"traceZero", "flat-rectangular", {"txtTrace1=0"},
                 {"text txtTrace1=0.127", "focus txtTrace1", "message error: Trace must be > 0 or < 2.6"}},
        FlowCase{"traceBeforeWidth", "flat-rectangular", {"txtTrace1", "txtWidth1"},
                 {"text txtTrace1=0.127", "focus txtTrace1", "message error: Trace must be > 0 or < 2.6"}},
        FlowCase{"heightFirst", "flat-rectangular", {"txtHeight1=.", "txtTrace1=9"},
                 {"text txtHeight1=10.0", "focus txtHeight1", "message error: Height must be > 0"}},
        FlowCase{"outOfRange", "flat-rectangular", {"txtWidth1=2000", "txtHeight1=2000", "txtTurns1=100"},
                 {"message warning: Result out of range:  .142156779208425 H", "text txtWidth1=21.0",
                  "focus txtWidth1", "text txtTurns1=11", "text txtHeight1=10.0", "text txtTrace1=0.127"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Spiral, CalculatorFlowTest,
    ::testing::Values(
        FlowCase{"initial", "spiral", {}, {"text txtInductance3= 4.619 µH", "beep"}},
        FlowCase{"equalRadii", "spiral", {"txtInnerRadius3=8.5"}, {"text txtInductance3= 6.074 µH", "beep"}},
        FlowCase{"hundredTurns", "spiral", {"txtInnerRadius3=8.5", "txtTurns3=100"},
                 {"text txtInductance3= 421.812 µH", "beep"}},
        FlowCase{"threeTurns", "spiral", {"txtTurns3=3"}, {"text txtInductance3=288 nH", "beep"}},
        FlowCase{"oneTurn", "spiral", {"txtTurns3=1"}, {"text txtInductance3=32 nH", "beep"}},
        FlowCase{"tagAntenna", "spiral", {"txtOuterRadius3=22.5", "txtInnerRadius3=15", "txtTurns3=5"},
                 {"text txtInductance3= 1.500 µH", "beep"}},
        FlowCase{"innerLarger", "spiral", {"txtInnerRadius3=9"},
                 {"text txtOuterRadius3=8.5", "text txtInnerRadius3=7.25", "focus txtOuterRadius3",
                  "message error: Outer Radius must be > Inner Radius"}},
        FlowCase{"outerUnreadable", "spiral", {"txtOuterRadius3=x"},
                 {"text txtOuterRadius3=8.5", "text txtInnerRadius3=7.25", "focus txtOuterRadius3",
                  "message error: Outer Radius must be > Inner Radius"}},
        FlowCase{"bothZero", "spiral", {"txtOuterRadius3=0", "txtInnerRadius3=0"},
                 {"message error: Outer Radius must be > 0", "text txtOuterRadius3=8.5", "focus txtOuterRadius3"}},
        FlowCase{"innerEmpty", "spiral", {"txtInnerRadius3"},
                 {"message error: Inner Radius must be > 0", "text txtInnerRadius3=7.25", "focus txtInnerRadius3"}},
        FlowCase{"tooManyTurns", "spiral", {"txtTurns3=100.5"},
                 {"text txtTurns3=12", "focus txtTurns3", "message error: Turns must be > 0 and < 101"}},
        FlowCase{"noTurns", "spiral", {"txtTurns3"},
                 {"text txtTurns3=12", "focus txtTurns3", "message error: Turns must be > 0 and < 101"}},
        FlowCase{"tinyTurns", "spiral", {"txtTurns3=0.01"},
                 {"message warning: Result out of range:  3.20784405537459E-06 µH", "text txtOuterRadius3=8.5",
                  "text txtInnerRadius3=7.25", "focus txtOuterRadius3", "text txtTurns3=12"}},
        FlowCase{"large", "spiral", {"txtOuterRadius3=100", "txtInnerRadius3=50", "txtTurns3=100"},
                 {"message warning: Result out of range:  1941.84782608696 µH", "text txtOuterRadius3=8.5",
                  "text txtInnerRadius3=7.25", "focus txtOuterRadius3", "text txtTurns3=12"}}),
    CaseName);
// clang-format on

struct RecordCase {
    const char* shape;
    Strings boxes;
    const char* separator;
    friend std::ostream& operator<<(std::ostream& os, const RecordCase& c) { return os << c.shape; }
};

class CalculatorRecordTest : public ::testing::TestWithParam<RecordCase> {};

// The numbers as read, in the user's separator, whatever way they were typed.
TEST_P(CalculatorRecordTest, WritesItsRecordAfterTheBeep)
{
    const RecordCase& c = GetParam();
    const Shape* shape = FindShape(c.shape);
    ASSERT_NE(shape, nullptr);
    FakeFormPort port = PageFor(*shape, c.boxes);
    port.separator = c.separator;
    port.logOn = true;
    ASSERT_EQ(shape->calculate(port).kind, Outcome::Kind::Result);
    Strings expected = WithSeparator(StartRecord(c.shape), c.separator);
    expected.emplace_back("<end of record>");
    EXPECT_EQ(port.log, expected);
    EXPECT_EQ(port.events.back(), "beep");
}

INSTANTIATE_TEST_SUITE_P(Records, CalculatorRecordTest,
                         ::testing::Values(RecordCase{"circular", {}, ","},
                                           RecordCase{"rectangular", {"txtWidth4=021.00"}, "."},
                                           RecordCase{"spiral", {"txtTurns3=12,0", "txtOuterRadius3=8,50"}, ","},
                                           RecordCase{"flat-rectangular", {"txtTrace1=0.1270"}, "."}));

TEST(CalculatorLogTest, NothingIsLoggedWhileTheLogIsOff)
{
    for (const Shape& shape : Shapes()) {
        FakeFormPort port = PageFor(shape, {});
        ASSERT_EQ(shape.calculate(port).kind, Outcome::Kind::Result) << shape.name;
        EXPECT_TRUE(port.log.empty()) << shape.name;
    }
}

TEST(CalculatorValueTest, ReturnsTheInductanceInHenries)
{
    FakeFormPort circular = PageFor(*FindShape("circular"), {});
    // The value a straightforward evaluation of the formula gives, to the last bit.
    EXPECT_EQ(frmMain_cmdCalculate2_Click(circular).henries, 5.7842281474837254e-06);
    FakeFormPort spiral = PageFor(*FindShape("spiral"), {"txtInnerRadius3=8.5", "txtTurns3=100"});
    EXPECT_DOUBLE_EQ(frmMain_cmdCalculate4_Click(spiral).henries, 421.8125e-6);
    // Exchanging width and height gives the same display.
    FakeFormPort wide = PageFor(*FindShape("rectangular"), {});
    FakeFormPort tall = PageFor(*FindShape("rectangular"), {"txtWidth4=10", "txtHeight4=21"});
    EXPECT_EQ(frmMain_cmdCalculate3_Click(wide).text, frmMain_cmdCalculate3_Click(tall).text);
}

}  // namespace
}  // namespace loopcalc

// Every row of the shape table is whole: a page number that is its place,
// every box checked once and reset once, the focus on one of its boxes.
TEST(ShapeTableTest, EveryRowIsWhole)
{
    const auto shapes = loopcalc::Shapes();
    for (std::size_t s = 0; s < shapes.size(); ++s) {
        const loopcalc::Shape& shape = shapes[s];
        SCOPED_TRACE(std::string(shape.name));
        EXPECT_EQ(shape.page, s);
        EXPECT_LE(shape.fields.size(), loopcalc::kMaxFields);
        for (const auto order : {shape.checkOrder, shape.resetOrder}) {
            std::vector<std::size_t> sorted(order.begin(), order.end());
            std::sort(sorted.begin(), sorted.end());
            std::vector<std::size_t> all(shape.fields.size());
            std::iota(all.begin(), all.end(), std::size_t{0});
            EXPECT_EQ(sorted, all);
        }
        EXPECT_LT(shape.resetFocus, shape.fields.size());
        EXPECT_GE(shape.resetFocusAfter, 1U);
        EXPECT_LE(shape.resetFocusAfter, shape.resetOrder.size());
        EXPECT_EQ(loopcalc::FindShape(shape.name), &shape);
        for (const loopcalc::ShapeField& field : shape.fields) {
            EXPECT_EQ(loopcalc::FindField(field.box), &field);
            // The initial text passes the box's own check.
            const double initial = std::stod(std::string(field.initialText));
            EXPECT_FALSE(
                loopcalc::steps::Fails(field, field.kind == loopcalc::FieldKind::Length ? initial / 10.0 : initial));
        }
    }
}
