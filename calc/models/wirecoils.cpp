// SPDX-License-Identifier: MIT
// The circular and the rectangular wire-wound coil.
#include "closedforms.h"
#include "filaments.h"
#include "longcoils.h"
#include "models.h"
#include "modelsupport.h"
#include "windinggrid.h"

#include <cmath>
#include <utility>

namespace loopcalc::models {

using detail::Names;
using detail::Value;

namespace {

const Names& CircularNames()
{
    static const Names names{
        {"reference", "reference"}, {"maxwell-gmd", "Maxwell, winding GMD"}, {"wheeler-1928", "Wheeler 1928"}};
    return names;
}

const Names& RectangularNames()
{
    static const Names names{{"reference", "reference"}, {"grover-gmd", "Grover rectangle, winding GMD"}};
    return names;
}

// Maxwell's thin-coil formula is offered while the winding's cross-section
// stays within this share of the radius, Grover's rectangle while it stays
// within this share of the shorter side.
constexpr double kThinWinding = 0.5;

std::optional<std::string> CheckCircular(const CircularCoil& coil)
{
    if (auto why = detail::CheckLength("radius", coil.radius)) {
        return why;
    }
    if (auto why = detail::CheckLength("wire radius", coil.wireRadius)) {
        return why;
    }
    return detail::CheckTurns(coil.turns, kMaxTurnsCircular);
}

std::optional<std::string> CheckRectangular(const RectangularCoil& coil)
{
    for (const auto& [name, value] : {std::pair{"width", coil.width}, std::pair{"height", coil.height},
                                      std::pair{"wire radius", coil.wireRadius}}) {
        if (auto why = detail::CheckLength(name, value)) {
            return why;
        }
    }
    return detail::CheckTurns(coil.turns, kMaxTurnsRectangular);
}

/// The winding's cross-section: its length along the axis and its depth.
struct CrossSection {
    double length;
    double depth;
    long long layers;
};

CrossSection Section(long long turns, double wireRadius, Winding winding)
{
    const detail::WindingGrid grid = detail::MakeGrid(turns, winding);
    const double pitch = 2.0 * wireRadius;
    return {static_cast<double>(grid.perLayer) * pitch, static_cast<double>(grid.layers) * pitch, grid.layers};
}

/// The winding's geometric mean distance: the wire's own for one turn, the
/// rectangular cross-section's otherwise.
double WindingGmd(double turns, double wireRadius, Winding winding)
{
    if (turns <= 1.0) {
        return RoundWireGmd(wireRadius);
    }
    const CrossSection s = Section(static_cast<long long>(std::ceil(turns)), wireRadius, winding);
    return RectangleGmd(s.length, s.depth);
}

// ---- circular coil ----

std::optional<std::string> CircularFit(const CircularCoil& coil, long long turns)
{
    const long long layers = detail::MakeGrid(turns, coil.winding).layers;
    if (coil.radius <= static_cast<double>(layers) * coil.wireRadius) {
        if (layers == 1) {
            return "the wire radius " + detail::Millimetres(coil.wireRadius) + " is not smaller than the radius " +
                   detail::Millimetres(coil.radius);
        }
        return "the winding does not fit: " + detail::Count(static_cast<double>(layers)) + " layers of wire radius " +
               detail::Millimetres(coil.wireRadius) + " need a mean radius above " +
               detail::Millimetres(static_cast<double>(layers) * coil.wireRadius);
    }
    return std::nullopt;
}

Value CircularWhole(const CircularCoil& coil, long long turns)
{
    if (auto why = CircularFit(coil, turns)) {
        return detail::Refused(*why);
    }
    const long long limit = coil.winding == Winding::bundle ? kExactTurnsCircularBundle : kExactTurnsCircularLayer;
    if (turns > limit) {
        const auto note = [limit](std::string method) {
            return method.append(" in place of the turn-by-turn sum above ")
                .append(detail::Count(static_cast<double>(limit)))
                .append(" turns");
        };
        if (coil.winding == Winding::layer) {
            return Value{LayerCoilNagaokaRosa(turns, coil.radius, coil.wireRadius),
                         {},
                         note("Nagaoka's current sheet with Rosa's round-wire corrections")};
        }
        return Value{
            CircularBundleBlocks(turns, coil.radius, coil.wireRadius),
            {},
            note("the cross-section in blocks at their geometric mean distances with Rosa's round-wire correction")};
    }
    const detail::WindingGrid grid = detail::MakeGrid(turns, coil.winding);
    const double a = coil.wireRadius;
    const double pitch = 2.0 * a;
    const auto radius = [&](long long layer) { return coil.radius + grid.layerOffset(layer) * pitch; };
    const double sum = detail::GroupedSum(
        grid, [&](long long j) { return RoundWireRingSelf(radius(j), a); },
        [&](long long j1, long long j2, long long apart) {
            return CoaxialLoopMutual(radius(j1), radius(j2), static_cast<double>(apart) * pitch);
        });
    return Value{sum, {}, "Maxwell filaments, " + detail::Counted(static_cast<double>(turns), "turn", "turns")};
}

// ---- rectangular coil ----

std::optional<std::string> RectangularFit(const RectangularCoil& coil, long long turns)
{
    const long long layers = detail::MakeGrid(turns, coil.winding).layers;
    const double needed = 2.0 * static_cast<double>(layers) * coil.wireRadius;
    if (coil.width <= needed || coil.height <= needed) {
        return "the winding does not fit: " + detail::Count(static_cast<double>(layers)) +
               (layers == 1 ? " layer" : " layers") + " of wire radius " + detail::Millimetres(coil.wireRadius) +
               " need a width and a height above " + detail::Millimetres(needed);
    }
    return std::nullopt;
}

Value RectangularWhole(const RectangularCoil& coil, long long turns)
{
    if (auto why = RectangularFit(coil, turns)) {
        return detail::Refused(*why);
    }
    const long long limit =
        coil.winding == Winding::bundle ? kExactTurnsRectangularBundle : kExactTurnsRectangularLayer;
    if (turns > limit) {
        const auto note = [limit](std::string method) {
            return method.append(" in place of the turn-by-turn sum above ")
                .append(detail::Count(static_cast<double>(limit)))
                .append(" turns");
        };
        if (coil.winding == Winding::bundle) {
            return Value{
                RectangularBundleBlocks(turns, coil.width, coil.height, coil.wireRadius),
                {},
                note(
                    "the cross-section in blocks at their geometric mean distances with Rosa's round-wire correction")};
        }
        const auto n = static_cast<double>(turns);
        return Value{GroverRectangle(n, coil.width, coil.height, WindingGmd(n, coil.wireRadius, coil.winding)),
                     {},
                     note("Grover's rectangle with the winding GMD")};
    }
    const detail::WindingGrid grid = detail::MakeGrid(turns, coil.winding);
    const double a = coil.wireRadius;
    const double pitch = 2.0 * a;
    const auto grow = [&](long long layer) { return 2.0 * grid.layerOffset(layer) * pitch; };
    const double sum = detail::GroupedSum(
        grid,
        [&](long long j) { return RectangularTurnSelf(coil.width + grow(j), coil.height + grow(j), RoundWireGmd(a)); },
        [&](long long j1, long long j2, long long apart) {
            return RectangularTurnsMutual(coil.width + grow(j1), coil.height + grow(j1), coil.width + grow(j2),
                                          coil.height + grow(j2), static_cast<double>(apart) * pitch);
        });
    return Value{sum,
                 {},
                 "partial inductances of straight wires, " +
                     detail::Counted(static_cast<double>(turns), "turn", "turns")};
}

}  // namespace

std::vector<std::string_view> CircularCoilModelIds()
{
    return detail::Ids(CircularNames());
}

std::vector<std::string_view> RectangularCoilModelIds()
{
    return detail::Ids(RectangularNames());
}

ModelResult CircularCoilReference(const CircularCoil& coil)
{
    return detail::Reference(coil.turns, CheckCircular(coil), [&coil](long long n) { return CircularWhole(coil, n); });
}

std::vector<ModelResult> CircularCoilModels(const CircularCoil& coil)
{
    const auto& names = CircularNames();
    if (auto why = CheckCircular(coil)) {
        return detail::AllRefused(names, *why);
    }
    std::vector<ModelResult> lines{CircularCoilReference(coil)};
    const double n = coil.turns;
    const auto whole = static_cast<long long>(std::ceil(n));
    const CrossSection s = Section(whole, coil.wireRadius, coil.winding);
    const auto fit = CircularFit(coil, whole);

    Value maxwell;
    if (fit) {
        maxwell = detail::Refused(*fit);
    } else if (std::max(s.length, s.depth) > kThinWinding * coil.radius) {
        maxwell = detail::Refused("the winding is not thin: its cross-section " + detail::Millimetres(s.length) +
                                  " × " + detail::Millimetres(s.depth) + " exceeds half the radius");
    } else {
        maxwell = Value{MaxwellThinCoil(n, coil.radius, WindingGmd(n, coil.wireRadius, coil.winding)), {}, {}};
    }
    lines.push_back(detail::Line(names[1].first, names[1].second, std::move(maxwell)));

    Value wheeler;
    if (fit) {
        wheeler = detail::Refused(*fit);
    } else if (coil.winding == Winding::layer) {
        wheeler = Value{WheelerSingleLayer(n, coil.radius, n * 2.0 * coil.wireRadius), {}, "single-layer form"};
    } else {
        wheeler = Value{WheelerMultilayer(n, coil.radius, s.length, s.depth), {}, "multilayer form"};
    }
    lines.push_back(detail::Line(names[2].first, names[2].second, std::move(wheeler)));
    return lines;
}

ModelResult RectangularCoilReference(const RectangularCoil& coil)
{
    return detail::Reference(coil.turns, CheckRectangular(coil),
                             [&coil](long long n) { return RectangularWhole(coil, n); });
}

std::vector<ModelResult> RectangularCoilModels(const RectangularCoil& coil)
{
    const auto& names = RectangularNames();
    if (auto why = CheckRectangular(coil)) {
        return detail::AllRefused(names, *why);
    }
    std::vector<ModelResult> lines{RectangularCoilReference(coil)};
    const double n = coil.turns;
    const auto whole = static_cast<long long>(std::ceil(n));
    const auto fit = RectangularFit(coil, whole);
    const CrossSection s = Section(whole, coil.wireRadius, coil.winding);
    Value grover;
    if (fit) {
        grover = detail::Refused(*fit);
    } else if (std::max(s.length, s.depth) > kThinWinding * std::min(coil.width, coil.height)) {
        // Beyond this the winding's GMD is no longer small beside the sides,
        // and the formula runs to nonsense (below zero at last).
        grover = detail::Refused("the winding is not thin: its cross-section " + detail::Millimetres(s.length) + " × " +
                                 detail::Millimetres(s.depth) + " exceeds half the shorter side");
    } else {
        grover =
            Value{GroverRectangle(n, coil.width, coil.height, WindingGmd(n, coil.wireRadius, coil.winding)), {}, {}};
    }
    lines.push_back(detail::Line(names[1].first, names[1].second, std::move(grover)));
    return lines;
}

}  // namespace loopcalc::models
