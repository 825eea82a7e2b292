// SPDX-License-Identifier: MIT
// Published closed forms, in SI units (metres in, henries out) unless said.
#pragma once

namespace loopcalc::models {

/// Maxwell's thin coil: µ0 N² R (ln(8R/g) − 2), g the geometric mean distance
/// of the winding's cross-section from itself.
[[nodiscard]] double MaxwellThinCoil(double turns, double radius, double gmd);

/// Grover's rectangle of sides w and h with the winding's geometric mean
/// distance g in place of the wire: µ0 N²/π [w ln(2w/g) + h ln(2h/g)
/// + 2√(w² + h²) − w asinh(w/h) − h asinh(h/w) − 2(w + h)].
[[nodiscard]] double GroverRectangle(double turns, double w, double h, double gmd);

/// Wheeler 1928, in its original inch form, L in µH with r the mean radius,
/// l the length and c the depth of the winding in inches:
/// single layer r²N²/(9r + 10l); multilayer 0.8 r²N²/(6r + 9l + 10c);
/// flat spiral r²N²/(8r + 11c). Here taking and giving SI units.
[[nodiscard]] double WheelerSingleLayer(double turns, double radius, double length);
[[nodiscard]] double WheelerMultilayer(double turns, double radius, double length, double depth);
[[nodiscard]] double WheelerFlatSpiral(double turns, double meanRadius, double depth);

/// Mohan, Hershenson, Boyd and Lee, IEEE JSSC 34 (1999), for a planar spiral
/// of outer and inner diameters dOut and dIn (edge to edge), with
/// d_avg = (dOut + dIn)/2 and the fill ratio ρ = (dOut − dIn)/(dOut + dIn).
enum class Outline { square, circle };
/// Current sheet: µ0 N² d_avg c1/2 (ln(c2/ρ) + c3 ρ + c4 ρ²).
[[nodiscard]] double MohanCurrentSheet(Outline outline, double turns, double dOut, double dIn);
/// Modified Wheeler for a square: K1 µ0 N² d_avg / (1 + K2 ρ), K1 = 2.34, K2 = 2.75.
[[nodiscard]] double MohanModifiedWheelerSquare(double turns, double dOut, double dIn);

}  // namespace loopcalc::models
