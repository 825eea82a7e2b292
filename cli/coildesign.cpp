// SPDX-License-Identifier: MIT
#include "coildesign.h"

#include "calcsteps.h"
#include "designaids.h"
#include "units.h"

#include <algorithm>
#include <cmath>

namespace loopcalc::cli {

namespace {

/// A field's box read as the calculator reads it: as a length in centimetres.
double length(const TerminalPort& port, std::string_view option)
{
    for (const ShapeField& field : port.shape()->fields) {
        if (field.option == option) {
            return steps::ReadLength(port, field.box);
        }
    }
    return 0.0;
}

bool isShape(const TerminalPort& port, std::string_view name)
{
    return port.shape() != nullptr && port.shape()->name == name;
}

/// The spiral's mean radius and depth, computed as its calculator does.
struct SpiralOutline {
    double meanRadius;
    double depth;
};

SpiralOutline spiralOutline(const TerminalPort& port)
{
    const double ro = length(port, "outer-radius");
    const double ri = length(port, "inner-radius");
    return {(ro + ri) / 2.0, ro - ri};
}

/// The result (or the check's message) the calculator gives for a number of
/// turns.
Outcome calculateWith(TerminalPort& port, double turns)
{
    NumberBuffer buffer;
    port.setField("turns", shortestText(turns, buffer));
    Outcome outcome = port.calculate();
    // The box must not keep a view into the buffer.
    port.setField("turns", std::string_view());
    return outcome;
}

}  // namespace

std::optional<double> exactTurns(const TerminalPort& port, double henries)
{
    if (isShape(port, "circular")) {
        return design::CircularTurnsFor(henries, length(port, "radius"), length(port, "wire-radius"));
    }
    if (isShape(port, "rectangular")) {
        return design::RectLoopTurnsFor(henries, length(port, "width"), length(port, "height"),
                                        length(port, "wire-radius"));
    }
    if (isShape(port, "flat-rectangular")) {
        // The trace size takes the place of the wire radius, as in its calculator.
        return design::RectLoopTurnsFor(henries, length(port, "width"), length(port, "height"), length(port, "trace"));
    }
    if (isShape(port, "spiral")) {
        const SpiralOutline outline = spiralOutline(port);
        return design::SpiralTurnsFor(henries, outline.meanRadius, outline.depth);
    }
    return std::nullopt;
}

std::vector<std::string> validityWarnings(const TerminalPort& port, std::optional<double> henries)
{
    if (isShape(port, "spiral")) {
        const SpiralOutline outline = spiralOutline(port);
        std::vector<std::string> warnings;
        if (auto warning = design::SpiralWarning(outline.meanRadius, outline.depth)) {
            warnings.push_back(std::move(*warning));
        }
        return warnings;
    }
    if (isShape(port, "circular")) {
        return design::ConductorWarnings(length(port, "wire-radius"), length(port, "radius"), henries,
                                         "the wire radius");
    }
    const double smallest = std::min(length(port, "width"), length(port, "height"));
    if (isShape(port, "rectangular")) {
        return design::ConductorWarnings(length(port, "wire-radius"), smallest, henries, "the wire radius");
    }
    if (isShape(port, "flat-rectangular")) {
        return design::ConductorWarnings(length(port, "trace"), smallest, henries, "the trace size");
    }
    return {};
}

TurnsSearch findTurns(TerminalPort& port, double henries, std::string_view targetText)
{
    TurnsSearch search;
    // One turn passes every turns check: whatever is refused now is a dimension.
    if (const Outcome first = calculateWith(port, 1.0); first.kind == Outcome::Kind::Refused) {
        search.kind = TurnsSearch::Kind::Refused;
        search.message = first.text;
        return search;
    }

    const std::optional<double> turns = exactTurns(port, henries);
    if (!turns) {
        search.kind = TurnsSearch::Kind::Unreachable;
        search.message = "no number of turns reaches " + std::string(targetText) +
                         ": for this outline the formula gives 0 or less (the coil is too small for its wire)";
        return search;
    }
    NumberBuffer buffer;
    if (const Outcome exact = calculateWith(port, *turns); exact.kind == Outcome::Kind::Refused) {
        search.kind = TurnsSearch::Kind::Unreachable;
        search.message = std::string(targetText) + " needs " + std::string(shortestText(*turns, buffer)) +
                         " turns, which the calculator does not accept: " + exact.text;
        return search;
    }

    search.kind = TurnsSearch::Kind::Found;
    search.turns = *turns;
    const double below = std::floor(*turns);
    const double above = std::ceil(*turns);
    search.whole.push_back({below, calculateWith(port, below)});
    if (above != below) {
        search.whole.push_back({above, calculateWith(port, above)});
    }
    return search;
}

}  // namespace loopcalc::cli
