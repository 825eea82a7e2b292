// SPDX-License-Identifier: MIT
// Where the turns of a wire-wound coil lie, and the sum over all pairs of
// turns with equal pairs grouped. Not part of the interface.
#pragma once

#include "models.h"

#include <algorithm>
#include <cmath>

namespace loopcalc::models::detail {

/// Turns on a grid: layers outward, positions along the axis at the pitch 2a.
struct WindingGrid {
    long long perLayer = 1;  ///< positions along the axis
    long long layers = 1;
    long long turns = 1;

    [[nodiscard]] long long inLayer(long long layer) const
    {
        return layer + 1 < layers ? perLayer : turns - (layers - 1) * perLayer;
    }
    /// Offset of the layer from the winding's centre line, in pitches.
    [[nodiscard]] double layerOffset(long long layer) const
    {
        return static_cast<double>(layer) - 0.5 * static_cast<double>(layers - 1);
    }
    /// The number of mutual inductances the grouped sum evaluates.
    [[nodiscard]] double distinctPairs() const
    {
        const auto l = static_cast<double>(layers);
        return l * (l + 1.0) / 2.0 * static_cast<double>(perLayer);
    }
};

[[nodiscard]] inline WindingGrid MakeGrid(long long turns, Winding winding)
{
    WindingGrid grid;
    grid.turns = turns;
    if (winding == Winding::layer) {
        grid.perLayer = turns;
        grid.layers = 1;
        return grid;
    }
    auto side = static_cast<long long>(std::sqrt(static_cast<double>(turns)));
    while (side * side < turns) {
        ++side;
    }
    while (side > 1 && (side - 1) * (side - 1) >= turns) {
        --side;
    }
    grid.perLayer = side;
    grid.layers = (turns + side - 1) / side;
    return grid;
}

/// Σ self + Σ over ordered pairs of distinct turns of their mutual inductance.
/// The mutual inductance of two turns depends only on their layers and on
/// how many positions apart they lie along the axis, so each such group is
/// evaluated once and weighted by how many pairs it holds.
/// self(layer), mutual(layer1, layer2, positionsApart).
template <class Self, class Mutual>
[[nodiscard]] double GroupedSum(const WindingGrid& grid, Self self, Mutual mutual)
{
    double total = 0.0;
    for (long long j1 = 0; j1 < grid.layers; ++j1) {
        const long long a = grid.inLayer(j1);
        double layer = static_cast<double>(a) * self(j1);
        for (long long d = 1; d < a; ++d) {
            layer += 2.0 * static_cast<double>(a - d) * mutual(j1, j1, d);
        }
        total += layer;
        for (long long j2 = j1 + 1; j2 < grid.layers; ++j2) {
            const long long b = grid.inLayer(j2);
            // Pairs (p, p + δ) with 0 ≤ p < a and 0 ≤ p + δ < b.
            const auto count = [a, b](long long delta) {
                return std::max(0LL, std::min(a, b - delta) - std::max(0LL, -delta));
            };
            double cross = 0.0;
            for (long long d = 0; d < std::max(a, b); ++d) {
                const long long pairs = count(d) + (d > 0 ? count(-d) : 0);
                if (pairs > 0) {
                    cross += static_cast<double>(pairs) * mutual(j1, j2, d);
                }
            }
            total += 2.0 * cross;
        }
    }
    return total;
}

}  // namespace loopcalc::models::detail
