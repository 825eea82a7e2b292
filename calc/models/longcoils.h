// SPDX-License-Identifier: MIT
// The reference of wire-wound coils too large for the turn-by-turn sum:
// published methods that agree with that sum at the size where one gives way
// to the other. Not part of the interface; the tests compare both methods
// where both are computed.
#pragma once

#include <optional>

namespace loopcalc::models {

/// Nagaoka's coefficient K of a current-sheet solenoid of radius r and
/// length l, L = K µ0 π r² N² / l, from Lorenz's exact sheet inductance with
/// complete elliptic integrals; for a sheet shorter than a thousandth of its
/// diameter, from the short-coil series (Rayleigh, Grover).
[[nodiscard]] double NagaokaCoefficient(double radius, double length);

/// Rosa's correction A for the self-inductance of round wire in a layer:
/// the turn as a round wire of radius a instead of a strip of the pitch p,
/// A = 5/4 − ln(2p/d), d = 2a (0.5568 for touching turns).
[[nodiscard]] double RosaSelfCorrection(double pitch, double wireRadius);

/// Rosa's correction B for the mutual inductances of N turns in a layer:
/// the turns as filaments instead of strips of the pitch,
/// B = (2/N) Σ (N − s) ln(s p / g_s) over s = 1 … N − 1, g_s the geometric
/// mean distance of two strips s pitches apart (0.1137 for 2 turns, tending
/// to ln 2π − 3/2 = 0.3379).
[[nodiscard]] double RosaMutualCorrection(long long turns);

/// A single layer of N round-wire turns of radius a at the pitch 2a on the
/// radius r: Nagaoka's current sheet of the layer's length N·2a less Rosa's
/// corrections, L = K µ0 π r² N² / l − µ0 r N (A + B) (Rosa 1906, Grover).
[[nodiscard]] double LayerCoilNagaokaRosa(long long turns, double radius, double wireRadius);

/// Rosa's correction for round wire in a square-packed winding of
/// `perLayer` × `layers` touching turns, per turn and per µ0·(turn length/2π):
/// each turn as a round wire instead of the square cell of the pitch
/// (ln(g_cell/g_wire) = 0.1381) plus the neighbouring cells' geometric mean
/// distances instead of their centres (0.0181 deep inside the winding).
[[nodiscard]] double SquarePackingCorrection(long long perLayer, long long layers);

/// A circular bundle winding (turns square-packed at the pitch 2a, ⌈√N⌉ along
/// the axis per layer, layers outward centred on the mean radius): the
/// cross-section as a uniform current in 16 × 16 blocks, each block a ring at
/// its geometric mean distance and the blocks coupling as filaments at their
/// centres (Maxwell's and Lyle's method of subdivision), a partly filled last
/// layer as a row of its own, plus the square-packing correction above.
[[nodiscard]] double CircularBundleBlocks(long long turns, double radius, double wireRadius);

/// The same for the rectangular bundle winding of sides w × h (the centre
/// line), each block a closed rectangular turn (Grover's partial inductances).
[[nodiscard]] double RectangularBundleBlocks(long long turns, double width, double height, double wireRadius);

/// A printed rectangular spiral of N turns (a multiple of a quarter), outline
/// w × h centre to centre of the outer turn, traces of width `trace` and
/// thickness t at the pitch trace + gap: the turns as concentric rectangles,
/// turn k a quarter pitch plus k pitches inside the outline, and the band of
/// turns as a uniform current in 128 strips, each strip a closed rectangular
/// turn at its own geometric mean distance and neighbouring strips coupled at
/// theirs (Greenhouse's partial inductances, Maxwell's geometric mean
/// distances), plus the correction of each turn from the strip of its pitch
/// to its trace (Rosa's method). Nothing when the turns do not fit.
[[nodiscard]] std::optional<double> FlatRectangularBlocks(double turns, double width, double height, double trace,
                                                          double gap, double thickness);

}  // namespace loopcalc::models
