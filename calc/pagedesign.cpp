// SPDX-License-Identifier: MIT
#include "pagedesign.h"

#include "calcsteps.h"
#include "designaids.h"
#include "quantities.h"

#include <algorithm>
#include <cmath>

namespace loopcalc::design {

namespace {

/// A field's box read as the calculator reads it: as a length in centimetres.
double Length(const Shape& shape, const FormPort& page, std::string_view option)
{
    for (const ShapeField& field : shape.fields) {
        if (field.option == option) {
            return steps::ReadLength(page, field.box);
        }
    }
    return 0.0;
}

/// The spiral's mean radius and depth, computed as its calculator does.
struct SpiralOutline {
    double meanRadius;
    double depth;
};

SpiralOutline Outline(const Shape& shape, const FormPort& page)
{
    const double ro = Length(shape, page, "outer-radius");
    const double ri = Length(shape, page, "inner-radius");
    return {(ro + ri) / 2.0, ro - ri};
}

}  // namespace

std::optional<double> ExactTurns(const Shape& shape, const FormPort& page, double henries)
{
    if (shape.name == "circular") {
        return CircularTurnsFor(henries, Length(shape, page, "radius"), Length(shape, page, "wire-radius"));
    }
    if (shape.name == "rectangular") {
        return RectLoopTurnsFor(henries, Length(shape, page, "width"), Length(shape, page, "height"),
                                Length(shape, page, "wire-radius"));
    }
    if (shape.name == "flat-rectangular") {
        // The trace size takes the place of the wire radius, as in its calculator.
        return RectLoopTurnsFor(henries, Length(shape, page, "width"), Length(shape, page, "height"),
                                Length(shape, page, "trace"));
    }
    if (shape.name == "spiral") {
        const SpiralOutline outline = Outline(shape, page);
        return SpiralTurnsFor(henries, outline.meanRadius, outline.depth);
    }
    return std::nullopt;
}

std::vector<std::string> ValidityWarnings(const Shape& shape, const FormPort& page, std::optional<double> henries)
{
    if (shape.name == "spiral") {
        const SpiralOutline outline = Outline(shape, page);
        std::vector<std::string> warnings;
        if (auto warning = SpiralWarning(outline.meanRadius, outline.depth)) {
            warnings.push_back(std::move(*warning));
        }
        return warnings;
    }
    if (shape.name == "circular") {
        return ConductorWarnings(Length(shape, page, "wire-radius"), Length(shape, page, "radius"), henries,
                                 "the wire radius");
    }
    const double smallest = std::min(Length(shape, page, "width"), Length(shape, page, "height"));
    if (shape.name == "rectangular") {
        return ConductorWarnings(Length(shape, page, "wire-radius"), smallest, henries, "the wire radius");
    }
    if (shape.name == "flat-rectangular") {
        return ConductorWarnings(Length(shape, page, "trace"), smallest, henries, "the trace size");
    }
    return {};
}

TurnsSearch FindTurns(const Shape& shape, const FormPort& page, double henries, std::string_view targetText,
                      const CalculateWithTurns& calculateWith)
{
    TurnsSearch search;
    // One turn passes every turns check: whatever is refused now is a dimension.
    if (const Outcome first = calculateWith(1.0); first.kind == Outcome::Kind::Refused) {
        search.kind = TurnsSearch::Kind::Refused;
        search.message = first.text;
        return search;
    }

    const std::optional<double> turns = ExactTurns(shape, page, henries);
    if (!turns) {
        search.kind = TurnsSearch::Kind::Unreachable;
        search.message = "no number of turns reaches " + std::string(targetText) +
                         ": for this outline the formula gives 0 or less (the coil is too small for its wire)";
        return search;
    }
    units::NumberBuffer buffer;
    if (const Outcome exact = calculateWith(*turns); exact.kind == Outcome::Kind::Refused) {
        search.kind = TurnsSearch::Kind::Unreachable;
        search.message = std::string(targetText) + " needs " + std::string(units::ShortestText(*turns, buffer)) +
                         " turns, which the calculator does not accept: " + exact.text;
        return search;
    }

    search.kind = TurnsSearch::Kind::Found;
    search.turns = *turns;
    const double below = std::floor(*turns);
    const double above = std::ceil(*turns);
    search.whole.push_back({below, calculateWith(below)});
    if (above != below) {
        search.whole.push_back({above, calculateWith(above)});
    }
    return search;
}

}  // namespace loopcalc::design
