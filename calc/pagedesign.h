// SPDX-License-Identifier: MIT
// Design aids over a page's boxes, shared by the command line and the design
// window: the turns for a target inductance and the warnings where a formula
// stops being trustworthy. Dimensions are read from the boxes as the shape's
// calculator reads them.
#pragma once

#include "calculators.h"
#include "formport.h"
#include "shapes.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopcalc::design {

/// The exact (fractional) number of turns at which the shape's formula gives
/// the target; nothing when no positive number of turns does. The turns box
/// is not read.
[[nodiscard]] std::optional<double> ExactTurns(const Shape& shape, const FormPort& page, double henries);

/// Warnings for a calculation that got past the input checks: the flat
/// spiral's depth below 0.2 × its mean radius; for the other shapes a wire
/// radius or trace size above a tenth of the smallest of radius, width and
/// height, and a result of 0 or less (pass the result's henries, or nothing
/// when there is no result yet).
[[nodiscard]] std::vector<std::string> ValidityWarnings(const Shape& shape, const FormPort& page,
                                                        std::optional<double> henries);

/// What the search for the turns of a target found.
struct TurnsSearch {
    enum class Kind {
        Found,        ///< turns holds the exact number, whole the nearest whole numbers
        Refused,      ///< a dimension failed its check: message is the check's message
        Unreachable,  ///< no accepted number of turns gives the target: message says why
    };
    struct Whole {
        double turns = 0.0;
        Outcome outcome;  ///< the calculator's outcome with that number of turns
    };
    Kind kind = Kind::Refused;
    std::string message;
    double turns = 0.0;
    std::vector<Whole> whole;  ///< the whole number below, then above; one when turns is whole
};

/// Runs the shape's calculator on the page with the turns box holding that
/// number.
using CalculateWithTurns = std::function<Outcome(double turns)>;

/// Finds the turns for a target inductance on the page's shape and
/// dimensions. The calculator runs first with one turn, so that a bad
/// dimension is refused with the calculator's own message; then once with
/// the exact number of turns (its turns check decides whether that number is
/// accepted) and once with each neighbouring whole number. targetText names
/// the target in messages.
[[nodiscard]] TurnsSearch FindTurns(const Shape& shape, const FormPort& page, double henries,
                                    std::string_view targetText, const CalculateWithTurns& calculateWith);

}  // namespace loopcalc::design
