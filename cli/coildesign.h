// SPDX-License-Identifier: MIT
// Design aids over a shape's boxes: the turns for a target inductance and the
// warnings where a formula stops being trustworthy.
#pragma once

#include "calculators.h"
#include "terminalport.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopcalc::cli {

/// The exact (fractional) number of turns at which the formula of the port's
/// shape gives the target, its dimensions read from the port's boxes as the
/// shape's calculator reads them; nothing when no positive number of turns
/// does. The turns box is not read.
[[nodiscard]] std::optional<double> exactTurns(const TerminalPort& port, double henries);

/// Warnings for a calculation that got past the input checks: the flat
/// spiral's depth below 0.2 × its mean radius; for the other shapes a wire
/// radius or trace size above a tenth of the smallest of radius, width and
/// height, and a result of 0 or less (pass the result's henries, or nothing
/// when there is no result yet).
[[nodiscard]] std::vector<std::string> validityWarnings(const TerminalPort& port, std::optional<double> henries);

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

/// Finds the turns for a target inductance on the port's shape and
/// dimensions. The shape's calculator runs first with one turn, so that a
/// bad dimension is refused with the calculator's own message; then once
/// with the exact number of turns (its turns check decides whether that
/// number is accepted) and once with each neighbouring whole number. The
/// turns box is left empty. targetText names the target in messages.
[[nodiscard]] TurnsSearch findTurns(TerminalPort& port, double henries, std::string_view targetText);

}  // namespace loopcalc::cli
