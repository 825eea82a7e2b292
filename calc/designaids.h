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
/// The formulas grow as N^1.9 (circular) or N² (the others), so these are
/// closed forms. Targets in henries.
[[nodiscard]] std::optional<double> CircularTurnsFor(double henries, double radius, double wireRadius);
[[nodiscard]] std::optional<double> RectLoopTurnsFor(double henries, double width, double height, double wireRadius);
[[nodiscard]] std::optional<double> SpiralTurnsFor(double henries, double meanRadius, double depth);

/// The capacitance in farads that resonates with the inductance at the
/// frequency: C = 1 / ((2πF)² L).
[[nodiscard]] double TuningCapacitance(double henries, double hertz);

/// A positive value with three significant digits, trailing zeros kept:
/// "1.50", "56.2", "0.0123", "1230".
[[nodiscard]] std::string ThreeDigits(double value);

/// A capacitance as "56.2 pF" or "1.23 nF": three significant digits, pF
/// below 1 nF, nF from there on.
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
