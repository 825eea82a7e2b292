// SPDX-License-Identifier: MIT
#include "pagedesign.h"

#include "calcsteps.h"
#include "designaids.h"
#include "quantities.h"

#include <algorithm>
#include <cmath>

namespace loopcalc::design {

std::optional<double> ExactTurns(const Shape& shape, const FormPort& page, double henries)
{
    return shape.exactTurns(steps::ReadValues(page, shape), henries);
}

std::vector<std::string> ValidityWarnings(const Shape& shape, const FormPort& page, std::optional<double> henries)
{
    return shape.warnings(steps::ReadValues(page, shape), henries);
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
    if (!std::isfinite(*turns)) {
        search.kind = TurnsSearch::Kind::Unreachable;
        search.message = "no number of turns reaches " + std::string(targetText) +
                         ": the target or the coil's dimensions are out of range, too large to calculate with";
        return search;
    }
    units::NumberBuffer buffer;
    if (const Outcome exact = calculateWith(*turns); exact.kind == Outcome::Kind::Refused) {
        search.kind = TurnsSearch::Kind::Unreachable;
        search.message = std::string(targetText) + " needs " + std::string(units::ShortestText(*turns, buffer)) +
                         (*turns == 1.0 ? " turn" : " turns") + ", which the calculator does not accept: " + exact.text;
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
