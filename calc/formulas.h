// SPDX-License-Identifier: MIT
// The inductance formulas. Lengths in centimetres. Each is evaluated step by
// step in a fixed order with fixed constants, so that its result is the same
// to the last bit wherever it runs.
#pragma once

namespace loopcalc {

/// Circular coil of round wire, in henries:
/// L = N^1.9 · R · µ0 · (ln(8R/a) − 2), µ0 = 1.256e-08 H/cm.
[[nodiscard]] double CircularCoilInductance(double turns, double radius, double wireRadius);

/// Rectangular loop of N turns, w × h, conductor radius a, in henries:
/// L = N² (µ0/π) [−2(w+h) + 2√(h²+w²) − h ln((h+√(h²+w²))/w)
///                − w ln((w+√(h²+w²))/h) + h ln(2h/a) + w ln(2w/a)],
/// µ0 = 1.256e-08 H/cm and π taken as 3.142. Checks nothing.
[[nodiscard]] double RectLoopInductance(double turns, double width, double height, double wireRadius);

/// Flat spiral, in microhenries, a the mean radius and b the
/// depth: L = 0.397 · a² · N² / (8a + 11b).
[[nodiscard]] double SpiralCoilInductance(double turns, double meanRadius, double depth);

}  // namespace loopcalc
