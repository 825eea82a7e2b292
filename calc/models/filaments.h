// SPDX-License-Identifier: MIT
// The building blocks of the reference models: inductances of circular and
// straight filaments and conductors at low frequency (uniform current).
// SI units throughout: metres in, henries out.
#pragma once

namespace loopcalc::models {

/// µ0 = 4π·10⁻⁷ H/m.
inline constexpr double kMu0 = 1.2566370614359173e-06;

/// Mutual inductance of two coaxial circular filaments of radii r1 and r2 whose
/// planes are `axial` apart (Maxwell): µ0 √(r1 r2) [(2/k − k) K(k) − (2/k) E(k)],
/// k² = 4 r1 r2 / ((r1 + r2)² + axial²). Evaluated with the arithmetic-geometric
/// mean so that the two terms never cancel: it stays accurate from touching
/// filaments to loops far apart, where it tends to the dipole value
/// µ0 π r1² r2² / (2 d³). Radii greater than 0; 0 for coincident filaments.
[[nodiscard]] double CoaxialLoopMutual(double r1, double r2, double axial);

/// Self-inductance of a ring of round wire, ring radius r, wire radius a
/// (a ≪ r): µ0 r (ln(8r/a) − 7/4).
[[nodiscard]] double RoundWireRingSelf(double r, double a);

/// Self-inductance of a thin flat ring strip of radial width w (w ≪ r):
/// µ0 r (ln(8r/w) − 1/2).
[[nodiscard]] double StripRingSelf(double r, double w);

/// ln of the geometric mean distance of two coplanar strips of equal width w
/// lying side by side with their centre lines `distance` apart (0: the
/// strip from itself, w·e^(−3/2)).
[[nodiscard]] double LnStripGmd(double w, double distance);

/// ln(d/g) for two coplanar strips of equal width lying side by side, their
/// centre lines u widths apart (u > 0): how much farther apart their centre
/// lines are than their geometric mean distance g.
[[nodiscard]] double LnDistanceOverStripGmd(double u);

/// ln(g/s) for two equal squares of side s whose centres lie (i s, j s)
/// apart, g their geometric mean distance; (0, 0) gives the square from
/// itself, ln 0.44705 (Maxwell). Exact, from the fourth integral of ln r over
/// the two squares; for offsets of a few sides, where g departs from the
/// distance of the centres.
[[nodiscard]] double LnSquaresGmd(int i, int j);

/// Mutual inductance of two parallel straight filaments at perpendicular
/// distance d, the first spanning [a1, b1] and the second [a2, b2] along
/// their common direction, both currents flowing towards larger values
/// (Grover). d greater than 0.
[[nodiscard]] double ParallelMutual(double a1, double b1, double a2, double b2, double d);

/// The same for two filaments of lengths l1 and l2 centred on a common
/// perpendicular.
[[nodiscard]] double CentredParallelMutual(double l1, double l2, double d);

/// Partial self-inductance of a straight round wire of length l and radius a:
/// the mutual inductance of two filaments at the wire's own geometric mean
/// distance a·e^(−1/4) (Rosa, Grover).
[[nodiscard]] double RoundWireSelf(double l, double a);

/// Partial self-inductance of a straight bar of rectangular cross-section
/// w × t and length l (Greenhouse 1974):
/// µ0 l / 2π · (ln(2l/(w + t)) + 0.50049 + (w + t)/(3l)).
[[nodiscard]] double BarSelf(double l, double w, double t);

/// Self-inductance of a closed rectangular turn of sides w × h whose
/// conductor has the geometric mean distance g from itself: the partial
/// self-inductances of its four sides less the mutual inductances of the
/// opposite (counter-flowing) sides (Grover).
[[nodiscard]] double RectangularTurnSelf(double w, double h, double gmd);

/// Mutual inductance of two concentric rectangular turns, sides w1 × h1 and
/// w2 × h2, in parallel planes `axial` apart: their parallel sides, the same
/// sides adding and the opposite sides subtracting.
[[nodiscard]] double RectangularTurnsMutual(double w1, double h1, double w2, double h2, double axial);

/// Geometric mean distance of a rectangular cross-section b × c from itself,
/// 0.2235 (b + c) (Maxwell; exact within 0.5 %).
[[nodiscard]] double RectangleGmd(double b, double c);

/// Geometric mean distance of a round wire from itself, a·e^(−1/4).
[[nodiscard]] double RoundWireGmd(double a);

}  // namespace loopcalc::models
