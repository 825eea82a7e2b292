// SPDX-License-Identifier: MIT
#include "longcoils.h"

#include "filaments.h"
#include "windinggrid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace loopcalc::models {

namespace {

constexpr double kPi = std::numbers::pi;

// Below this ratio of length to diameter the sheet is a flat ring, and the
// elliptic form loses its digits to cancellation.
constexpr double kShortSheet = 1e-3;

// Blocks per side of a bundle's cross-section.
constexpr long long kBlocks = 16;

// Strips across the band of a printed spiral's turns.
constexpr long long kStrips = 128;

// Neighbouring cells farther apart than this many pitches couple as their
// centres within 3·10⁻⁵ of ln d.
constexpr int kNearCells = 4;

}  // namespace

double NagaokaCoefficient(double radius, double length)
{
    const double ratio = length / (2.0 * radius);
    if (ratio < kShortSheet) {
        // L = µ0 N² r [(1 + l²/32r²) ln(8r/l) − 1/2 + l²/128r²].
        const double q = length / radius;
        const double ln = std::log(8.0 / q);
        return q / kPi * ((1.0 + q * q / 32.0) * ln - 0.5 + q * q / 128.0);
    }
    const double hyp = std::hypot(2.0 * radius, length);
    const double k = 2.0 * radius / hyp;
    const double kp = length / hyp;
    // K(k) and K − E by the arithmetic-geometric mean of 1 and k': K = π/(2 a∞),
    // K − E = K Σ 2^(n−1) c_n² with c0 = k, a sum of positive terms.
    double a = 1.0;
    double b = kp;
    double c = k;
    double weight = 0.5;
    double series = weight * c * c;
    for (int i = 0; i < 64 && c > 1e-17 * a; ++i) {
        const double next = 0.5 * (a + b);
        c = 0.5 * (a - b);
        b = std::sqrt(a * b);
        a = next;
        weight *= 2.0;
        series += weight * c * c;
    }
    const double bigK = kPi / (2.0 * a);
    const double kMinusE = bigK * series;
    const double bigE = bigK - kMinusE;
    // Lorenz: K_N = 4/(3π k') [(k'²/k²)(K − E) + E − k].
    return 4.0 / (3.0 * kPi * kp) * (kp * kp / (k * k) * kMinusE + bigE - k);
}

double RosaSelfCorrection(double pitch, double wireRadius)
{
    return 1.25 - std::log(pitch / wireRadius);
}

double RosaMutualCorrection(long long turns)
{
    double sum = 0.0;
    for (long long s = 1; s < turns; ++s) {
        sum += static_cast<double>(turns - s) * LnDistanceOverStripGmd(static_cast<double>(s));
    }
    return turns > 0 ? 2.0 * sum / static_cast<double>(turns) : 0.0;
}

double LayerCoilNagaokaRosa(long long turns, double radius, double wireRadius)
{
    const auto n = static_cast<double>(turns);
    const double pitch = 2.0 * wireRadius;
    const double length = n * pitch;
    const double sheet = NagaokaCoefficient(radius, length) * kMu0 * kPi * radius * radius * n * n / length;
    return sheet - kMu0 * radius * n * (RosaSelfCorrection(pitch, wireRadius) + RosaMutualCorrection(turns));
}

double SquarePackingCorrection(long long perLayer, long long layers)
{
    // The cell of side 2a from itself against the wire's a·e^(−1/4).
    double pairs = 0.0;
    const int reachZ = static_cast<int>(std::min<long long>(kNearCells, perLayer - 1));
    const int reachR = static_cast<int>(std::min<long long>(kNearCells, layers - 1));
    for (int i = -reachZ; i <= reachZ; ++i) {
        for (int j = -reachR; j <= reachR; ++j) {
            if (i == 0 && j == 0) {
                continue;
            }
            const auto count = static_cast<double>(perLayer - std::abs(i)) * static_cast<double>(layers - std::abs(j));
            pairs += count * (LnSquaresGmd(i, j) - std::log(std::hypot(i, j)));
        }
    }
    const double self = LnSquaresGmd(0, 0) + std::log(2.0) + 0.25;
    return self + pairs / (static_cast<double>(perLayer) * static_cast<double>(layers));
}

namespace {

/// A rectangle of the cross-section carrying a uniform current: its inner
/// edge `inner` from the winding's centre line (outward), its depth, its
/// length along the axis from the common end, and its turns.
struct Region {
    double inner;
    double depth;
    double length;
    double turns;
    long long rows;  ///< blocks across the depth
    long long cols;  ///< blocks along the axis

    [[nodiscard]] double offset(long long row) const
    {
        return inner + (static_cast<double>(row) + 0.5) * depth / static_cast<double>(rows);
    }
    [[nodiscard]] double along(long long col) const
    {
        return (static_cast<double>(col) + 0.5) * length / static_cast<double>(cols);
    }
    [[nodiscard]] double blockTurns() const { return turns / static_cast<double>(rows * cols); }
    [[nodiscard]] double blockGmd() const
    {
        return RectangleGmd(length / static_cast<double>(cols), depth / static_cast<double>(rows));
    }
};

Region MakeRegion(double inner, double pitch, long long layers, long long perLayer)
{
    return Region{inner,
                  static_cast<double>(layers) * pitch,
                  static_cast<double>(perLayer) * pitch,
                  static_cast<double>(layers * perLayer),
                  std::min(layers, kBlocks),
                  std::min(perLayer, kBlocks)};
}

/// The self-inductance of a region's uniform current from its blocks.
/// self(offset, gmd) is one block's per turn², mutual(offset1, offset2, axial)
/// two blocks'.
template <class Self, class Mutual>
double RegionSum(const Region& region, Self self, Mutual mutual)
{
    const detail::WindingGrid blocks{region.cols, region.rows, region.cols * region.rows};
    const double g = region.blockGmd();
    const double pitch = region.length / static_cast<double>(region.cols);
    const double n = region.blockTurns();
    return n * n *
           detail::GroupedSum(
               blocks, [&](long long row) { return self(region.offset(row), g); },
               [&](long long row1, long long row2, long long apart) {
                   return mutual(region.offset(row1), region.offset(row2), static_cast<double>(apart) * pitch);
               });
}

/// The mutual inductance of two regions' uniform currents from their blocks.
template <class Mutual>
double RegionsMutual(const Region& one, const Region& other, Mutual mutual)
{
    double sum = 0.0;
    for (long long r1 = 0; r1 < one.rows; ++r1) {
        for (long long r2 = 0; r2 < other.rows; ++r2) {
            for (long long c1 = 0; c1 < one.cols; ++c1) {
                for (long long c2 = 0; c2 < other.cols; ++c2) {
                    sum += mutual(one.offset(r1), other.offset(r2), one.along(c1) - other.along(c2));
                }
            }
        }
    }
    return one.blockTurns() * other.blockTurns() * sum;
}

/// The bundle's inductance from its blocks plus the square-packing
/// correction; weight(offset) is µ0 times the length of a turn at that
/// offset over 2π.
template <class Self, class Mutual, class Weight>
double BundleBlocks(long long turns, double wireRadius, Self self, Mutual mutual, Weight weight)
{
    const detail::WindingGrid grid = detail::MakeGrid(turns, Winding::bundle);
    const double pitch = 2.0 * wireRadius;
    const double inner = -0.5 * static_cast<double>(grid.layers) * pitch;
    const long long last = grid.inLayer(grid.layers - 1);
    const long long full = last == grid.perLayer ? grid.layers : grid.layers - 1;
    const Region main = MakeRegion(inner, pitch, full, grid.perLayer);
    double total = RegionSum(main, self, mutual);
    if (full < grid.layers) {
        const Region outer = MakeRegion(inner + static_cast<double>(full) * pitch, pitch, 1, last);
        total += RegionSum(outer, self, mutual) + 2.0 * RegionsMutual(main, outer, mutual);
    }
    double lengths = 0.0;
    for (long long layer = 0; layer < grid.layers; ++layer) {
        lengths += static_cast<double>(grid.inLayer(layer)) * weight(grid.layerOffset(layer) * pitch);
    }
    return total + SquarePackingCorrection(grid.perLayer, grid.layers) * lengths;
}

}  // namespace

double CircularBundleBlocks(long long turns, double radius, double wireRadius)
{
    return BundleBlocks(
        turns, wireRadius,
        [radius](double offset, double gmd) {
            const double r = radius + offset;
            return kMu0 * r * (std::log(8.0 * r / gmd) - 2.0);
        },
        [radius](double offset1, double offset2, double axial) {
            return CoaxialLoopMutual(radius + offset1, radius + offset2, axial);
        },
        [radius](double offset) { return kMu0 * (radius + offset); });
}

double RectangularBundleBlocks(long long turns, double width, double height, double wireRadius)
{
    return BundleBlocks(
        turns, wireRadius,
        [width, height](double offset, double gmd) {
            return RectangularTurnSelf(width + 2.0 * offset, height + 2.0 * offset, gmd);
        },
        [width, height](double offset1, double offset2, double axial) {
            return RectangularTurnsMutual(width + 2.0 * offset1, height + 2.0 * offset1, width + 2.0 * offset2,
                                          height + 2.0 * offset2, axial);
        },
        [width, height](double offset) { return kMu0 * (width + height + 4.0 * offset) / kPi; });
}

std::optional<double> FlatRectangularBlocks(double turns, double width, double height, double trace, double gap,
                                            double thickness)
{
    const double pitch = trace + gap;
    const double band = turns * pitch;
    const double strip = band / static_cast<double>(kStrips);
    const double perStrip = turns / static_cast<double>(kStrips);
    // The offset of a strip's centre line inside the outline.
    const auto inset = [&](long long j) { return -0.25 * pitch + (static_cast<double>(j) + 0.5) * strip; };
    const double stripGmd = RectangleGmd(strip, thickness);
    const double innermost = 2.0 * inset(kStrips - 1);
    if (!(width - innermost > 0.0 && height - innermost > 0.0)) {
        return std::nullopt;
    }
    double total = 0.0;
    double length = 0.0;
    for (long long i = 0; i < kStrips; ++i) {
        const double wi = width - 2.0 * inset(i);
        const double hi = height - 2.0 * inset(i);
        total += perStrip * perStrip * RectangularTurnSelf(wi, hi, stripGmd);
        length += perStrip * 2.0 * (wi + hi);
        for (long long j = i + 1; j < kStrips; ++j) {
            const double wj = width - 2.0 * inset(j);
            const double hj = height - 2.0 * inset(j);
            // Like sides lie side by side in the plane, coupled at the strips'
            // geometric mean distance; opposite sides lie far apart.
            const double gmd = std::exp(LnStripGmd(strip, static_cast<double>(j - i) * strip));
            const double mutual = CentredParallelMutual(wi, wj, gmd) - CentredParallelMutual(wi, wj, 0.5 * (hi + hj)) +
                                  CentredParallelMutual(hi, hj, gmd) - CentredParallelMutual(hi, hj, 0.5 * (wi + wj));
            total += 2.0 * perStrip * perStrip * 2.0 * mutual;
        }
    }
    // From the uniform band to the traces: per unit length of a turn, its own
    // bar (trace against the pitch, both of the copper's thickness; the
    // partial self-inductance takes the GMD as proportional to width plus
    // thickness) and its neighbours s pitches away (strips of the trace
    // against strips of the pitch).
    const auto whole = static_cast<long long>(std::ceil(turns));
    double neighbours = 0.0;
    for (long long s = 1; s < whole; ++s) {
        const auto apart = static_cast<double>(s);
        neighbours += static_cast<double>(whole - s) *
                      (LnDistanceOverStripGmd(apart * pitch / trace) - LnDistanceOverStripGmd(apart));
    }
    const double perLength =
        std::log((pitch + thickness) / (trace + thickness)) + 2.0 * neighbours / static_cast<double>(whole);
    return total + kMu0 / (2.0 * kPi) * length * perLength;
}

}  // namespace loopcalc::models
