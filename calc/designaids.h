// SPDX-License-Identifier: MIT
// Design aids beyond the four calculators: the turns that give a target
// inductance, the capacitor that tunes a coil, and where a formula stops
// being trustworthy. Lengths in centimetres, as in formulas.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace loopcalc::design {

/// The exact (fractional) number of turns at which each calculator's formula
/// gives the target, or nothing when no positive number of turns does (the
/// coil is too small for its wire, so the formula is zero or negative).
/// Infinity when the numbers are beyond a double: a formula or a turns count
/// that overflows (a target or a dimension too large to calculate with).
/// The formulas grow as N^1.9 (circular) or N² (the others), so these are
/// closed forms. Targets in henries.
[[nodiscard]] std::optional<double> CircularTurnsFor(double henries, double radius, double wireRadius);
[[nodiscard]] std::optional<double> RectLoopTurnsFor(double henries, double width, double height, double wireRadius);
[[nodiscard]] std::optional<double> SpiralTurnsFor(double henries, double meanRadius, double depth);

/// The capacitance in farads that resonates with the inductance at the
/// frequency: C = 1 / ((2πF)² L).
[[nodiscard]] double TuningCapacitance(double henries, double hertz);

/// The frequencies a tuning capacitor is worked out for: from 1 Hz to
/// 100 GHz. Beyond them no lumped coil and capacitor resonate, and the
/// arithmetic would overflow long before the limits of a double.
inline constexpr double kLowestTuningHertz = 1.0;
inline constexpr double kHighestTuningHertz = 100e9;
inline constexpr const char* kTuningRangeText = "from 1 Hz to 100 GHz";
[[nodiscard]] bool IsTuningFrequency(double hertz);

/// A value with three significant digits, trailing zeros kept: "1.50",
/// "56.2", "0.0123", "1230", "-1.50". Magnitudes from 1e9 up and below 1e-4
/// take the exponent form ("1.23e+09", "4.56e-05"); 0 is "0.00", and a value
/// that is not finite is "infinity", "-infinity" or "not a number".
[[nodiscard]] std::string ThreeDigits(double value);

/// A capacitance with three significant digits and the prefix that keeps the
/// number from 1.00 to 999: "12.3 fF", "56.2 pF", "1.23 nF", "4.70 µF",
/// "1.00 mF", "2.20 F". A value that no prefix from fF to F holds is said so:
/// "no capacitance resonates" (0, negative, not finite), "below 1 fF: no
/// practical capacitor" and "1000 F or more: no practical capacitor".
[[nodiscard]] std::string FormatCapacitance(double farads);

/// The flat spiral formula is good to about 5 % only while the winding's
/// depth is at least a fifth of its mean radius.
[[nodiscard]] std::optional<std::string> SpiralWarning(double meanRadius, double depth);

/// The loop formulas assume a conductor thin against the coil: warn when
/// its radius (or trace size) exceeds a tenth of the smallest dimension,
/// and when the result is zero or negative.
[[nodiscard]] std::vector<std::string> ConductorWarnings(double conductor, double smallestDimension,
                                                         std::optional<double> henries,
                                                         const std::string& conductorName);

}  // namespace loopcalc::design
