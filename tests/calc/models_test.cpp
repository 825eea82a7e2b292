// SPDX-License-Identifier: MIT
// The reference models against values obtained independently of them:
// textbook limits, tabulated coefficients, a published measurement, and
// numbers from a separate numerical integration (noted at each case).
#include "models/closedforms.h"
#include "models/filaments.h"
#include "models/longcoils.h"
#include "models/models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <ostream>

namespace loopcalc::models {
namespace {

constexpr double kPi = std::numbers::pi;

double ReferenceOf(const std::vector<ModelResult>& lines)
{
    EXPECT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().id, "reference");
    return lines.front().henries.value_or(std::numeric_limits<double>::quiet_NaN());
}

struct MutualCase {
    double r1, r2, axial, henries, tolerance;
};

class CoaxialLoopMutualTest : public ::testing::TestWithParam<MutualCase> {};

TEST_P(CoaxialLoopMutualTest, MatchesAnIndependentValue)
{
    const MutualCase& c = GetParam();
    EXPECT_NEAR(CoaxialLoopMutual(c.r1, c.r2, c.axial), c.henries, c.henries * c.tolerance);
    EXPECT_NEAR(CoaxialLoopMutual(c.r2, c.r1, -c.axial), c.henries, c.henries * c.tolerance);
}

// Far loops: the dipole value µ0 π r1² r2² / (2 d³), good to (r/d)². Near loops:
// the Neumann integral µ0 r1 r2 / 2 ∫ cos φ / √(r1² + r2² − 2 r1 r2 cos φ + d²) dφ
// summed by the trapezoidal rule with 20000 (200000 for the touching turns)
// points in a separate script.
INSTANTIATE_TEST_SUITE_P(Table, CoaxialLoopMutualTest,
                         ::testing::Values(MutualCase{0.01, 0.02, 1.0, kMu0* kPi * 1e-4 * 4e-4 / 2.0, 1e-3},
                                           MutualCase{0.001, 0.001, 10.0, kMu0* kPi * 1e-12 / 2e3, 1e-6},
                                           MutualCase{1e-3, 2e-3, 5e3, kMu0* kPi * 4e-12 / (2.0 * 1.25e11), 1e-6},
                                           MutualCase{0.01, 0.012, 0.003, 1.7185017609449166e-08, 1e-9},
                                           MutualCase{0.05, 0.05, 0.001, 2.5081777655024647e-07, 1e-9},
                                           MutualCase{0.02, 0.03, 0.0, 3.25391256497078e-08, 1e-9}));

// A long single-layer coil of fine wire is a current sheet: L = K µ0 π r² N² / l
// with Nagaoka's coefficient K (tabulated: 0.9201 at 2r/l = 0.2, 0.6884 at 1,
// 0.5255 at 2). The fine wire keeps the round-wire correction below 2·10⁻⁴.
TEST(CircularCoilReferenceTest, LongLayerCoilFollowsNagaoka)
{
    struct Case {
        double diameterOverLength, nagaoka;
    };
    for (const Case c : {Case{0.2, 0.9201}, Case{1.0, 0.6884}, Case{2.0, 0.5255}}) {
        const double r = 0.1;
        const double a = 2e-5;
        const double length = 2.0 * r / c.diameterOverLength;
        const double n = std::round(length / (2.0 * a));
        const double sheet = c.nagaoka * kMu0 * kPi * r * r * n * n / (n * 2.0 * a);
        const double reference = ReferenceOf(CircularCoilModels({r, n, a, Winding::layer}));
        EXPECT_NEAR(reference / sheet, 1.0, 6e-4) << "2r/l = " << c.diameterOverLength;
    }
}

// Nagaoka's coefficient against his published table (2r/l: K), and a sheet
// far shorter than its diameter against the flat strip ring
// µ0 r (ln(8r/l) − 1/2).
TEST(LongCoilTest, NagaokaCoefficientMatchesTheTable)
{
    struct Case {
        double diameterOverLength, nagaoka;
    };
    for (const Case c : {Case{0.1, 0.9588}, Case{0.2, 0.9201}, Case{0.5, 0.8181}, Case{1.0, 0.6884}, Case{2.0, 0.5255},
                         Case{5.0, 0.3198}, Case{10.0, 0.2033}}) {
        EXPECT_NEAR(NagaokaCoefficient(0.5 * c.diameterOverLength, 1.0), c.nagaoka, 6e-5) << c.diameterOverLength;
    }
    for (const double length : {1e-5, 3e-3}) {
        const double ring = kMu0 * (std::log(8.0 / length) - 0.5);
        EXPECT_NEAR(NagaokaCoefficient(1.0, length) * kMu0 * kPi / length, ring, ring * 3e-6) << length;
    }
}

// Rosa's corrections against the tables of Rosa and Grover: A for touching
// turns, B for 2 to 10 turns and its limit ln 2π − 3/2 for many turns.
TEST(LongCoilTest, RosaCorrectionsMatchTheTables)
{
    EXPECT_NEAR(RosaSelfCorrection(2e-3, 1e-3), 0.5568, 1e-4);
    EXPECT_NEAR(RosaSelfCorrection(4e-3, 1e-3), 0.5568 - std::log(2.0), 1e-4);
    struct Case {
        long long turns;
        double b;
    };
    for (const Case c : {Case{1, 0.0}, Case{2, 0.1137}, Case{3, 0.1663}, Case{4, 0.1973}, Case{5, 0.2180},
                         Case{10, 0.2664}, Case{1000000, std::log(2 * kPi) - 1.5}}) {
        EXPECT_NEAR(RosaMutualCorrection(c.turns), c.b, 1e-4) << c.turns;
    }
}

// Above the sizes kExact... the reference is a published method instead of
// the turn-by-turn sum. Where both are computed, at the switch-over size and
// below it, they agree: a layer within 2·10⁻⁵ (Rosa's corrections leave out
// terms of order (a/r)²), a bundle within 0.25 % when its inner turns almost
// reach the axis and within 0.05 % otherwise, a printed spiral within 0.2 %
// when its turns almost fill an oblong outline and within 0.02 % otherwise,
// a flat spiral (by the current sheet) within 1 %.
// The cases are computed in the test, not when the table is built: each of
// them takes milliseconds.
struct SwitchOverCase {
    const char* what;
    std::function<double()> exact;
    std::function<double()> fallback;
    double tolerance;
};

class SwitchOverTest : public ::testing::TestWithParam<SwitchOverCase> {};

TEST_P(SwitchOverTest, ClosedFormMeetsTheSum)
{
    const SwitchOverCase& c = GetParam();
    EXPECT_NEAR(c.fallback() / c.exact(), 1.0, c.tolerance) << c.what;
}

SwitchOverCase Layer(long long turns, double radius, double a, double tolerance)
{
    return {"layer",
            [=] {
                return ReferenceOf(CircularCoilModels({radius, static_cast<double>(turns), a, Winding::layer}));
            },
            [=] { return LayerCoilNagaokaRosa(turns, radius, a); }, tolerance};
}

// Bundles of kExact... turns whose mean radius is `fill` times the least that
// holds their layers.
SwitchOverCase CircularBundle(double fill, double tolerance)
{
    const long long turns = kExactTurnsCircularBundle;
    const double a = 1e-5;
    const double radius = fill * static_cast<double>((turns + 83) / 84) * a;  // 84 turns per layer
    return {"circular bundle",
            [=] {
                return ReferenceOf(CircularCoilModels({radius, static_cast<double>(turns), a}));
            },
            [=] { return CircularBundleBlocks(turns, radius, a); }, tolerance};
}

SwitchOverCase RectangularBundle(double fill, double aspect, double tolerance)
{
    const long long turns = kExactTurnsRectangularBundle;
    const double a = 1e-5;
    const double width = fill * 2.0 * 55.0 * 2.0 * a;  // 55 layers
    return {"rectangular bundle",
            [=] {
                return ReferenceOf(RectangularCoilModels({width, aspect * width, static_cast<double>(turns), a}));
            },
            [=] { return RectangularBundleBlocks(turns, width, aspect * width, a); }, tolerance};
}

// Printed spirals of kExact... turns on a side × aspect·side outline.
SwitchOverCase FlatRectangular(double side, double aspect, double trace, double gap, double tolerance)
{
    const auto turns = static_cast<double>(kExactTurnsFlatRectangular);
    return {"printed spiral",
            [=] {
                return ReferenceOf(FlatRectangularCoilModels({side, aspect * side, turns, trace, gap, 0.035e-3}));
            },
            [=] { return FlatRectangularBlocks(turns, side, aspect * side, trace, gap, 0.035e-3).value_or(0.0); },
            tolerance};
}

// Flat spirals of kExact... turns, closely wound, the winding `share` of the
// outer radius deep.
SwitchOverCase FlatSpiral(double share, double tolerance)
{
    const auto turns = static_cast<double>(kExactTurnsSpiral);
    const double outer = 0.1;
    const double inner = outer * (1.0 - share);
    return {"flat spiral",
            [=] {
                return ReferenceOf(SpiralCoilModels({outer, inner, turns}));
            },
            [=] { return MohanCurrentSheet(Outline::circle, turns, 2.0 * outer, 2.0 * inner); }, tolerance};
}

void PrintTo(const SwitchOverCase& c, std::ostream* out)
{
    *out << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SwitchOverTest,
    ::testing::Values(Layer(2, 0.01, 1e-4, 2e-5), Layer(10, 0.01, 1e-4, 2e-5), Layer(100, 0.01, 1e-4, 2e-5),
                      Layer(kExactTurnsCircularLayer, 1e-3, 1e-7, 1e-6),
                      Layer(kExactTurnsCircularLayer, 10.0, 1e-7, 1e-6), CircularBundle(1.01, 2.5e-3),
                      CircularBundle(3.0, 2e-4), CircularBundle(100.0, 2e-4), RectangularBundle(1.05, 1.0, 5e-4),
                      RectangularBundle(10.0, 3.0, 2e-4), FlatRectangular(0.1, 2.0, 0.2e-3, 0.05e-3, 2e-3),
                      FlatRectangular(0.2, 1.0, 0.2e-3, 0.2e-3, 2e-4), FlatRectangular(1.0, 1.0, 0.1e-3, 0.05e-3, 2e-4),
                      FlatSpiral(0.05, 1e-2), FlatSpiral(0.5, 1e-2), FlatSpiral(0.99, 1e-2)));

// The largest coils, beyond the turn-by-turn sum: a thin bundle of a million
// turns against Maxwell's thin coil at the winding's geometric mean distance
// (good to the square of its cross-section over its radius, here 2 %) and
// thicker ones against Stefan's formula, a
// million-turn layer five times as long as wide against Nagaoka's tabulated
// coefficient.
TEST(LongCoilTest, LargestCoilsMeetIndependentValues)
{
    const double a = 1e-6;
    const double radius = 100.0 * 1000.0 * a;
    const ModelResult bundle = CircularCoilReference({radius, 1e6, a});
    ASSERT_TRUE(bundle.henries) << bundle.reason;
    EXPECT_NE(bundle.note.find("in place of the turn-by-turn sum"), std::string::npos) << bundle.note;
    const double maxwell = MaxwellThinCoil(1e6, radius, RectangleGmd(2e-3, 2e-3));
    EXPECT_NEAR(*bundle.henries / maxwell, 1.0, 1e-3);

    // Thicker square windings against Stefan's formula for a square section of
    // side c (Rosa and Grover 1916): µ0 R N² [(1 + c²/24R²) ln(8R/(c√2))
    // − 0.84834 + 0.8162 c²/16R²], good to the fourth power of c/R.
    for (const double side : {0.1, 0.5}) {
        const double c = 2e-3;
        const double r = c / side;
        const double stefan = kMu0 * r * 1e12 *
                              ((1 + c * c / (24 * r * r)) * std::log(8 * r / (c * std::sqrt(2.0))) - 0.84834 +
                               0.8162 * c * c / (16 * r * r));
        EXPECT_NEAR(ReferenceOf(CircularCoilModels({r, 1e6, a})) / stefan, 1.0, 1e-4) << "c/R = " << side;
    }

    const double length = 2.0 * 1e6 * a;
    const ModelResult layer = CircularCoilReference({0.1 * length, 1e6, a, Winding::layer});
    ASSERT_TRUE(layer.henries) << layer.reason;
    const double sheet = 0.9201 * kMu0 * kPi * 0.01 * length * length * 1e12 / length;
    EXPECT_NEAR(*layer.henries / sheet, 1.0, 2e-4);
}

struct ClosedLoopCase {
    const char* what;
    double reference;
    double expected;
    double tolerance;
};

class ClosedLoopTest : public ::testing::TestWithParam<ClosedLoopCase> {};

TEST_P(ClosedLoopTest, ReferenceMatches)
{
    const ClosedLoopCase& c = GetParam();
    EXPECT_NEAR(c.reference, c.expected, c.expected * c.tolerance) << c.what;
}

// Rosa's rectangle of round wire, w × h, wire radius a:
// µ0/π [w ln(2w/a) + h ln(2h/a) + 2√(w²+h²) − w asinh(w/h) − h asinh(h/w) − 7/4 (w+h)].
double RosaRectangle(double w, double h, double a)
{
    return kMu0 / kPi *
           (w * std::log(2 * w / a) + h * std::log(2 * h / a) + 2 * std::hypot(w, h) - w * std::asinh(w / h) -
            h * std::asinh(h / w) - 1.75 * (w + h));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClosedLoopTest,
    ::testing::Values(
        // One ring of round wire: µ0 R (ln(8R/a) − 7/4).
        ClosedLoopCase{"one circular turn", ReferenceOf(CircularCoilModels({0.02, 1, 0.5e-3})),
                       kMu0 * 0.02 * (std::log(8 * 0.02 / 0.5e-3) - 1.75), 1e-12},
        // Two such rings side by side: 2 L + 2 M, M from the Neumann integral above.
        ClosedLoopCase{"two circular turns", ReferenceOf(CircularCoilModels({0.02, 2, 0.5e-3, Winding::layer})),
                       3.566696473760166e-07, 1e-8},
        // Half a turn lies halfway between no turn and one.
        ClosedLoopCase{"half a circular turn", ReferenceOf(CircularCoilModels({0.02, 0.5, 0.5e-3})),
                       0.5 * kMu0 * 0.02 * (std::log(8 * 0.02 / 0.5e-3) - 1.75), 1e-12},
        // Rosa's formula drops terms of order a/side.
        ClosedLoopCase{"one rectangular turn", ReferenceOf(RectangularCoilModels({0.1, 0.05, 1, 0.5e-3})),
                       RosaRectangle(0.1, 0.05, 0.5e-3), 2e-3},
        ClosedLoopCase{"one square turn", ReferenceOf(RectangularCoilModels({0.03, 0.03, 1, 0.1e-3})),
                       RosaRectangle(0.03, 0.03, 0.1e-3), 1e-3},
        // A printed square turn, 20 mm, trace 1 mm, gap 0.5 mm, 35 µm copper: the
        // four bars' partial self-inductances (Greenhouse) less the mutual
        // inductances of the opposite sides, integrated numerically (midpoint
        // rule over one side, the inner integral in closed form) in a separate script.
        ClosedLoopCase{"one printed turn", ReferenceOf(FlatRectangularCoilModels({0.02, 0.02, 1, 1e-3, 0.5e-3})),
                       5.649674621997619e-08, 1e-6},
        // Measured: a 39.1 mm square printed antenna, 9 turns, trace 0.9 mm,
        // gap 0.15 mm, 30 µm copper reads 3.915 µH on an LCR meter. The
        // classic formula gives 7.82 µH for it.
        ClosedLoopCase{"measured NFC antenna",
                       ReferenceOf(FlatRectangularCoilModels({39.1e-3, 39.1e-3, 9, 0.9e-3, 0.15e-3, 0.03e-3})),
                       3.915e-6, 0.05}));

// Two coplanar rings of round wire at 20 and 30 mm: their self-inductances by
// the ring formula plus twice the Neumann integral above.
TEST(SpiralCoilReferenceTest, TwoRingsAreTwoSelvesAndTheirMutual)
{
    const double a = 0.5e-3;
    const double self = kMu0 * (0.02 * (std::log(8 * 0.02 / a) - 1.75) + 0.03 * (std::log(8 * 0.03 / a) - 1.75));
    const double expected = self + 2 * 3.25391256497078e-08;
    EXPECT_NEAR(ReferenceOf(SpiralCoilModels({0.035, 0.015, 2, a, std::nullopt})), expected, expected * 1e-9);
}

// Closed forms against each other and against the classic formulas where they
// are the same formula in other units or constants.
TEST(ClosedFormsTest, AgreeWithTheirTextbookForms)
{
    const double a = 0.127e-3;
    // Grover's rectangle at the wire's own GMD is Rosa's rectangle.
    EXPECT_NEAR(GroverRectangle(3, 0.021, 0.010, a * std::exp(-0.25)), 9 * RosaRectangle(0.021, 0.010, a), 1e-15);
    // Wheeler's flat spiral is the page's formula with 1/2.54 for 0.397 (in cm and µH).
    const double mean = 0.7875e-2;
    const double depth = 0.125e-2;
    EXPECT_NEAR(WheelerFlatSpiral(12, mean, depth) * 1e6 * 0.397 * 2.54,
                0.397 * 0.7875 * 0.7875 * 144 / (8 * 0.7875 + 11 * 0.125), 1e-12);
    // Maxwell's thin coil of one turn at the wire's GMD is the ring formula.
    EXPECT_NEAR(MaxwellThinCoil(1, 0.02, a * std::exp(-0.25)), kMu0 * 0.02 * (std::log(8 * 0.02 / a) - 1.75), 1e-18);
    // Wheeler's single layer for a long coil tends to the current sheet µ0 π r² N² / l
    // (9r ≪ 10l): 0.9201 of it at 2r/l = 0.2 (Nagaoka) and Wheeler is within 1 %.
    const double sheet = kMu0 * kPi * 0.01 * 0.01 * 100 * 100 / 0.1;
    EXPECT_NEAR(WheelerSingleLayer(100, 0.01, 0.1) / (0.9201 * sheet), 1.0, 0.01);
}

// Every model of a shape refuses, with a reason, an input it cannot take:
// nothing throws, nothing hangs, no number comes out.
struct RefusalCase {
    const char* what;
    std::vector<ModelResult> lines;
    const char* reasonContains;
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, EveryModelSaysWhy)
{
    const RefusalCase& c = GetParam();
    ASSERT_FALSE(c.lines.empty()) << c.what;
    for (const ModelResult& line : c.lines) {
        EXPECT_FALSE(line.henries) << c.what << ": " << line.name;
        EXPECT_NE(line.reason.find(c.reasonContains), std::string::npos) << c.what << ": " << line.reason;
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, RefusalTest,
    ::testing::Values(
        RefusalCase{"NaN radius", CircularCoilModels({kNaN, 10, 1e-4}), "radius is not a finite number"},
        RefusalCase{"infinite turns", CircularCoilModels({0.01, kInf, 1e-4}), "not a finite number"},
        RefusalCase{"negative wire", CircularCoilModels({0.01, 10, -1e-4}), "greater than 0"},
        RefusalCase{"zero turns", CircularCoilModels({0.01, 0, 1e-4}), "greater than 0"},
        RefusalCase{"too many turns", CircularCoilModels({1, 1e6 + 1, 1e-6}), "more than 1000000 turns"},
        RefusalCase{"huge radius", CircularCoilModels({1e300, 10, 1e-4}), "outside 1 nm to 1 km"},
        RefusalCase{"tiny wire", CircularCoilModels({0.01, 10, 1e-300}), "outside 1 nm to 1 km"},
        RefusalCase{"bundle too thick", CircularCoilModels({1e-3, 100, 0.2e-3}), "does not fit"},
        RefusalCase{"wire as thick as the loop", CircularCoilModels({1e-3, 1, 1e-3, Winding::layer}),
                    "not smaller than the radius"},
        RefusalCase{"NaN height", RectangularCoilModels({0.02, kNaN, 5, 1e-4}), "height is not a finite number"},
        RefusalCase{"rectangle too small", RectangularCoilModels({1e-3, 1e-3, 1, 2.5e-3}), "does not fit"},
        RefusalCase{"too many rectangular turns", RectangularCoilModels({1, 1, 2e5, 1e-6}), "more than 100000"},
        RefusalCase{"inner above outer", SpiralCoilModels({0.01, 0.02, 5}), "smaller than the outer"},
        RefusalCase{"wire and trace", SpiralCoilModels({0.02, 0.01, 5, 1e-4, 1e-4}), "not both"},
        RefusalCase{"spiral wires overlap", SpiralCoilModels({0.02, 0.01, 10, 1e-3, std::nullopt}), "wires overlap"},
        RefusalCase{"spiral traces overlap", SpiralCoilModels({0.02, 0.01, 10, std::nullopt, 2e-3}), "traces overlap"},
        RefusalCase{"negative gap", FlatRectangularCoilModels({0.04, 0.04, 5, 1e-3, -1e-3}), "gap must be"},
        RefusalCase{"NaN thickness", FlatRectangularCoilModels({0.04, 0.04, 5, 1e-3, 1e-3, kNaN}),
                    "thickness is not a finite number"},
        RefusalCase{"too few segments", FlatRectangularCoilModels({0.04, 0.04, 0.1, 1e-3}), "quarter turn"},
        RefusalCase{"too many flat turns", FlatRectangularCoilModels({1, 1, 1e4 + 1, 1e-6}), "more than 10000"}));

// A closed form outside its reach says why instead of a number: Grover's
// rectangle for a winding whose cross-section is not small beside the sides
// (it ran below zero), Mohan's expressions for less than a turn (no fill
// ratio; they gave NaN).
TEST(ClosedFormReachTest, OutsideItsReachAFormSaysWhy)
{
    struct Case {
        const char* what;
        std::vector<ModelResult> lines;
        std::string_view id;
        const char* reasonContains;
    };
    const Case cases[] = {
        {"thick rectangular bundle", RectangularCoilModels({0.01, 0.01, 300, 0.2e-3}), "grover-gmd", "not thin"},
        {"printed copper thicker than the coil", FlatRectangularCoilModels({0.02, 0.02, 2, 0.5e-3, 0.5e-3, 0.02}),
         "grover-gmd", "not thin"},
        {"a quarter turn, modified Wheeler", FlatRectangularCoilModels({0.04, 0.04, 0.25, 0.3e-3, 1e-3}),
         "modified-wheeler", "less than a turn"},
        {"a quarter turn, current sheet", FlatRectangularCoilModels({0.04, 0.04, 0.25, 0.3e-3, 1e-3}), "current-sheet",
         "less than a turn"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.lines.front().henries) << c.what << ": the reference still answers";
        bool found = false;
        for (const ModelResult& line : c.lines) {
            if (line.id == c.id) {
                found = true;
                EXPECT_FALSE(line.henries) << c.what;
                EXPECT_NE(line.reason.find(c.reasonContains), std::string::npos) << c.what << ": " << line.reason;
            }
        }
        EXPECT_TRUE(found) << c.what;
    }
}

// Windings that do not fit refuse in the reference while the list keeps its
// shape: the same ids in the same order.
TEST(ModelListTest, SameIdsInTheSameOrderWhateverTheInput)
{
    const auto ids = [](const std::vector<ModelResult>& lines) {
        std::vector<std::string_view> out;
        for (const auto& line : lines) {
            out.push_back(line.id);
        }
        return out;
    };
    EXPECT_EQ(ids(CircularCoilModels({0.01, 10, 1e-4})), CircularCoilModelIds());
    EXPECT_EQ(ids(CircularCoilModels({kNaN, 10, 1e-4})), CircularCoilModelIds());
    EXPECT_EQ(ids(RectangularCoilModels({0.02, 0.01, 10, 1e-4})), RectangularCoilModelIds());
    EXPECT_EQ(ids(SpiralCoilModels({0.02, 0.01, 10})), SpiralCoilModelIds());
    EXPECT_EQ(ids(FlatRectangularCoilModels({0.04, 0.04, 50, 1e-3})), FlatRectangularCoilModelIds());
    const auto misfit = FlatRectangularCoilModels({0.04, 0.04, 50, 1e-3});
    EXPECT_FALSE(misfit.front().henries);
    EXPECT_NE(misfit.front().reason.find("do not fit"), std::string::npos);
}

// The reference's note counts what it summed, in the singular for one.
TEST(ModelListTest, NotesCountInTheSingularForOne)
{
    struct Case {
        std::string note;
        const char* expected;
    };
    const Case cases[] = {
        {CircularCoilReference({0.02, 1, 0.5e-3}).note, "Maxwell filaments, 1 turn"},
        {CircularCoilReference({0.02, 2, 0.5e-3}).note, "Maxwell filaments, 2 turns"},
        {RectangularCoilReference({0.1, 0.05, 1, 0.5e-3}).note, "partial inductances of straight wires, 1 turn"},
        {SpiralCoilReference({0.02, 0.01, 1}).note, "Maxwell filaments, 1 ring"},
        {SpiralCoilReference({0.02, 0.01, 1, std::nullopt, 1e-3}).note, "Maxwell filaments, 1 strip"},
        {FlatRectangularCoilReference({0.02, 0.02, 0.25, 1e-3}).note,
         "partial inductances of 1 segment (Greenhouse 1974)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.note, c.expected);
    }
}

}  // namespace
}  // namespace loopcalc::models
