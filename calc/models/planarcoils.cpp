// SPDX-License-Identifier: MIT
// The flat spiral and the flat rectangular (printed) coil.
#include "closedforms.h"
#include "filaments.h"
#include "longcoils.h"
#include "models.h"
#include "modelsupport.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace loopcalc::models {

using detail::Value;

namespace {

using detail::Names;

const Names& SpiralNames()
{
    static const Names names{{"reference", "reference"},
                             {"wheeler-1928", "Wheeler 1928"},
                             {"current-sheet", "current sheet (Mohan 1999)"},
                             {"maxwell-gmd", "Maxwell, winding GMD"}};
    return names;
}

const Names& FlatRectangularNames()
{
    static const Names names{{"reference", "reference"},
                             {"modified-wheeler", "modified Wheeler (Mohan 1999)"},
                             {"current-sheet", "current sheet (Mohan 1999)"},
                             {"grover-gmd", "Grover rectangle, winding GMD"}};
    return names;
}

// Maxwell's thin-coil formula is offered while the winding's depth stays
// within this share of its mean radius; Grover's rectangle while the band of
// a printed spiral's turns stays within this share of its shorter side.
constexpr double kThinSpiral = 0.5;
// Mohan's expressions are for a square: offered while the longer side
// exceeds the shorter by at most this share.
constexpr double kSquareEnough = 0.2;

// ---- flat spiral ----

std::optional<std::string> CheckSpiral(const SpiralCoil& coil)
{
    if (auto why = detail::CheckLength("outer radius", coil.outerRadius)) {
        return why;
    }
    if (coil.innerRadius != 0.0) {
        if (auto why = detail::CheckLength("inner radius", coil.innerRadius)) {
            return why;
        }
    }
    if (!(coil.innerRadius < coil.outerRadius)) {
        return "the inner radius must be smaller than the outer radius";
    }
    if (coil.wireRadius && coil.trace) {
        return "give a wire radius or a trace width, not both";
    }
    if (coil.wireRadius) {
        if (auto why = detail::CheckLength("wire radius", *coil.wireRadius)) {
            return why;
        }
    }
    if (coil.trace) {
        if (auto why = detail::CheckLength("trace width", *coil.trace)) {
            return why;
        }
    }
    return detail::CheckTurns(coil.turns, kMaxTurnsSpiral);
}

/// The spiral's conductor at a pitch: a round wire of radius `size`, or a
/// strip of width `size`.
struct Conductor {
    bool strip;
    double size;
};

Conductor ConductorAt(const SpiralCoil& coil, double pitch)
{
    if (coil.trace) {
        return {true, *coil.trace};
    }
    return {false, coil.wireRadius ? *coil.wireRadius : 0.5 * pitch};
}

std::optional<std::string> SpiralFit(const SpiralCoil& coil, long long turns)
{
    const double pitch = (coil.outerRadius - coil.innerRadius) / static_cast<double>(turns);
    const Conductor c = ConductorAt(coil, pitch);
    const double across = c.strip ? c.size : 2.0 * c.size;
    if (across > pitch * (1.0 + 1e-12)) {
        return std::string(c.strip ? "the traces overlap: the trace width " : "the wires overlap: the wire diameter ") +
               detail::Millimetres(across) + " exceeds the pitch " + detail::Millimetres(pitch) + " of " +
               detail::Counted(static_cast<double>(turns), "turn", "turns");
    }
    if (coil.innerRadius + 0.5 * pitch <= 0.5 * across) {
        return "the inner radius is too small: the innermost turn would cross the centre";
    }
    return std::nullopt;
}

double SpiralThickness(const SpiralCoil& coil, double pitch)
{
    const Conductor c = ConductorAt(coil, pitch);
    return c.strip ? 0.0 : 2.0 * c.size;
}

Value SpiralWhole(const SpiralCoil& coil, long long turns)
{
    if (auto why = SpiralFit(coil, turns)) {
        return detail::Refused(*why);
    }
    const auto n = static_cast<double>(turns);
    const double pitch = (coil.outerRadius - coil.innerRadius) / n;
    if (turns > kExactTurnsSpiral) {
        return Value{MohanCurrentSheet(Outline::circle, n, 2.0 * coil.outerRadius, 2.0 * coil.innerRadius),
                     {},
                     "the current sheet (Mohan 1999) in place of the turn-by-turn sum above " +
                         detail::Count(static_cast<double>(kExactTurnsSpiral)) + " turns"};
    }
    const Conductor c = ConductorAt(coil, pitch);
    const auto radius = [&](long long k) { return coil.innerRadius + (static_cast<double>(k) + 0.5) * pitch; };
    double total = 0.0;
    for (long long i = 0; i < turns; ++i) {
        const double ri = radius(i);
        total += c.strip ? StripRingSelf(ri, c.size) : RoundWireRingSelf(ri, c.size);
        for (long long j = i + 1; j < turns; ++j) {
            const double rj = radius(j);
            double m = CoaxialLoopMutual(ri, rj, 0.0);
            if (c.strip) {
                // Two coplanar strips couple as filaments at their geometric
                // mean distance g rather than at the distance d of their centre
                // lines: locally M = µ0 r (ln(8r/ρ) − 2), so M gains µ0 r ln(d/g).
                const double d = rj - ri;
                m += kMu0 * std::sqrt(ri * rj) * (std::log(d) - LnStripGmd(c.size, d));
            }
            total += 2.0 * m;
        }
    }
    return Value{total,
                 {},
                 "Maxwell filaments, " +
                     (c.strip ? detail::Counted(n, "strip", "strips") : detail::Counted(n, "ring", "rings"))};
}

// ---- flat rectangular coil ----

double GapOf(const FlatRectangularCoil& coil)
{
    return coil.gap ? *coil.gap : coil.trace;
}

std::optional<std::string> CheckFlatRectangular(const FlatRectangularCoil& coil)
{
    for (const auto& [name, value] :
         {std::pair{"width", coil.width}, std::pair{"height", coil.height}, std::pair{"trace width", coil.trace},
          std::pair{"gap", GapOf(coil)}, std::pair{"copper thickness", coil.thickness}}) {
        if (auto why = detail::CheckLength(name, value)) {
            return why;
        }
    }
    if (auto why = detail::CheckTurns(coil.turns, kMaxTurnsFlatRectangular)) {
        return why;
    }
    if (std::lround(4.0 * coil.turns) < 1) {
        return "less than a quarter turn: no side to model";
    }
    return std::nullopt;
}

/// One straight side of the spiral.
struct Segment {
    bool alongX;
    double line;  ///< y of a side along x, x of a side along y
    double from;  ///< its extent along its direction, from < to
    double to;
    double sign;  ///< +1 when the current flows towards larger coordinates
};

struct Layout {
    std::vector<Segment> segments;
    std::string misfit;  ///< why the spiral does not fit, or empty
};

Layout SpiralSegments(const FlatRectangularCoil& coil, long long count)
{
    Layout out;
    out.segments.reserve(static_cast<size_t>(count));
    const double pitch = coil.trace + GapOf(coil);
    double x = 0.0;
    double y = 0.0;
    for (long long k = 0; k < count; ++k) {
        const long long shortenings = k / 2;  // each pair of sides is one pitch shorter
        const double side = (k % 2 == 0 ? coil.width : coil.height) - static_cast<double>(shortenings) * pitch;
        if (side <= coil.trace) {
            // A side that comes out at rounding's distance from 0 is said as 0.
            const double shown = std::fabs(side) < 1e-9 * coil.trace ? 0.0 : side;
            out.misfit = "the turns do not fit: side " + detail::Count(static_cast<double>(k + 1)) + " of " +
                         detail::Count(static_cast<double>(count)) + " would be " + detail::Millimetres(shown) +
                         " long, not longer than the trace width";
            return out;
        }
        const double sign = (k % 4) < 2 ? 1.0 : -1.0;
        const bool alongX = k % 2 == 0;
        double& start = alongX ? x : y;
        const double end = start + sign * side;
        out.segments.push_back(Segment{alongX, alongX ? y : x, std::min(start, end), std::max(start, end), sign});
        start = end;
    }
    return out;
}

Value FlatRectangularSum(const FlatRectangularCoil& coil, const std::vector<Segment>& segments)
{
    double total = 0.0;
    for (size_t i = 0; i < segments.size(); ++i) {
        const Segment& s = segments[i];
        total += BarSelf(s.to - s.from, coil.trace, coil.thickness);
        for (size_t j = i + 2; j < segments.size(); j += 2) {  // parallel sides only
            const Segment& o = segments[j];
            const double gmd = std::exp(LnStripGmd(coil.trace, std::fabs(s.line - o.line)));
            total += 2.0 * s.sign * o.sign * ParallelMutual(s.from, s.to, o.from, o.to, gmd);
        }
    }
    return Value{total,
                 {},
                 "partial inductances of " +
                     detail::Counted(static_cast<double>(segments.size()), "segment", "segments") +
                     " (Greenhouse 1974)"};
}

/// Mohan's diameters of the square that the coil approximates: outer edge
/// to outer edge, inner edge to inner edge.
std::pair<double, double> MohanDiameters(const FlatRectangularCoil& coil)
{
    const double out = 0.5 * (coil.width + coil.height) + coil.trace;
    const double in = out - 2.0 * (coil.turns * coil.trace + (coil.turns - 1.0) * GapOf(coil));
    return {out, in};
}

Value FlatRectangularGrover(const FlatRectangularCoil& coil)
{
    const double n = coil.turns;
    const double pitch = coil.trace + GapOf(coil);
    const double shrink = std::max(n - 0.5, 0.5) * pitch;
    const double w = coil.width - shrink;
    const double h = coil.height - shrink;
    if (w <= 0.0 || h <= 0.0) {
        return detail::Refused("the turns do not fit inside the outline");
    }
    const double band = std::max(n, 1.0) * pitch - GapOf(coil);
    if (std::max(band, coil.thickness) > kThinSpiral * std::min(w, h)) {
        // The winding's GMD is then no longer small beside the sides, and the
        // formula runs to nonsense (below zero at last).
        return detail::Refused("the winding is not thin: its cross-section " + detail::Millimetres(band) + " × " +
                               detail::Millimetres(coil.thickness) + " exceeds half the shorter side of its mean turn");
    }
    return Value{GroverRectangle(n, w, h, RectangleGmd(band, coil.thickness)), {}, {}};
}

Value FlatRectangularMohan(const FlatRectangularCoil& coil, bool currentSheet)
{
    const double longer = std::max(coil.width, coil.height);
    const double shorter = std::min(coil.width, coil.height);
    if (longer > (1.0 + kSquareEnough) * shorter) {
        return detail::Refused("for a square: the width and the height differ by more than 20 %");
    }
    const auto [out, in] = MohanDiameters(coil);
    if (!(in > 0.0)) {
        return detail::Refused("the turns do not fit inside the outline");
    }
    if (!(in < out)) {
        return detail::Refused("less than a turn: no fill ratio");
    }
    return Value{currentSheet ? MohanCurrentSheet(Outline::square, coil.turns, out, in)
                              : MohanModifiedWheelerSquare(coil.turns, out, in),
                 {},
                 longer > shorter ? "for the square of the mean side" : ""};
}

}  // namespace

std::vector<std::string_view> SpiralCoilModelIds()
{
    return detail::Ids(SpiralNames());
}

std::vector<std::string_view> FlatRectangularCoilModelIds()
{
    return detail::Ids(FlatRectangularNames());
}

ModelResult SpiralCoilReference(const SpiralCoil& coil)
{
    return detail::Reference(coil.turns, CheckSpiral(coil), [&coil](long long n) { return SpiralWhole(coil, n); });
}

std::vector<ModelResult> SpiralCoilModels(const SpiralCoil& coil)
{
    const Names& names = SpiralNames();
    if (auto why = CheckSpiral(coil)) {
        return detail::AllRefused(names, *why);
    }
    std::vector<ModelResult> lines{SpiralCoilReference(coil)};
    const double n = coil.turns;
    const double mean = 0.5 * (coil.outerRadius + coil.innerRadius);
    const double depth = coil.outerRadius - coil.innerRadius;
    const auto fit = SpiralFit(coil, static_cast<long long>(std::ceil(n)));
    const auto value = [&](double henries) { return fit ? detail::Refused(*fit) : Value{henries, {}, {}}; };
    lines.push_back(detail::Line(names[1].first, names[1].second, value(WheelerFlatSpiral(n, mean, depth))));
    lines.push_back(
        detail::Line(names[2].first, names[2].second,
                     value(MohanCurrentSheet(Outline::circle, n, 2.0 * coil.outerRadius, 2.0 * coil.innerRadius))));
    const double gmd = RectangleGmd(depth, SpiralThickness(coil, depth / std::max(n, 1.0)));
    lines.push_back(detail::Line(names[3].first, names[3].second,
                                 !fit && depth > kThinSpiral * mean
                                     ? detail::Refused("the winding is not thin: its depth " +
                                                       detail::Millimetres(depth) + " exceeds half its mean radius")
                                     : value(MaxwellThinCoil(n, mean, gmd))));
    return lines;
}

ModelResult FlatRectangularCoilReference(const FlatRectangularCoil& coil)
{
    if (auto why = CheckFlatRectangular(coil)) {
        return detail::Line("reference", "reference", detail::Refused(*why));
    }
    const long long count = std::lround(4.0 * coil.turns);
    const Layout layout = SpiralSegments(coil, count);
    if (!layout.misfit.empty()) {
        return detail::Line("reference", "reference", detail::Refused(layout.misfit));
    }
    if (count > 4 * kExactTurnsFlatRectangular) {
        const auto henries = FlatRectangularBlocks(static_cast<double>(count) / 4.0, coil.width, coil.height,
                                                   coil.trace, GapOf(coil), coil.thickness);
        if (!henries) {
            return detail::Line("reference", "reference", detail::Refused("the turns do not fit inside the outline"));
        }
        std::string note("the turns as concentric rectangles in strips at their geometric mean distances with "
                         "Rosa's correction to the traces, in place of the segment-by-segment sum above ");
        note.append(detail::Count(static_cast<double>(kExactTurnsFlatRectangular))).append(" turns");
        return detail::Line("reference", "reference", Value{henries, {}, std::move(note)});
    }
    return detail::Line("reference", "reference", FlatRectangularSum(coil, layout.segments));
}

std::vector<ModelResult> FlatRectangularCoilModels(const FlatRectangularCoil& coil)
{
    const Names& names = FlatRectangularNames();
    if (auto why = CheckFlatRectangular(coil)) {
        return detail::AllRefused(names, *why);
    }
    std::vector<ModelResult> lines{FlatRectangularCoilReference(coil)};
    lines.push_back(detail::Line(names[1].first, names[1].second, FlatRectangularMohan(coil, false)));
    lines.push_back(detail::Line(names[2].first, names[2].second, FlatRectangularMohan(coil, true)));
    lines.push_back(detail::Line(names[3].first, names[3].second, FlatRectangularGrover(coil)));
    return lines;
}

std::optional<double> PercentFromReference(double henries, const ModelResult& reference)
{
    if (!reference.henries || !(*reference.henries > 0.0) || !std::isfinite(henries)) {
        return std::nullopt;
    }
    return (henries - *reference.henries) / *reference.henries * 100.0;
}

}  // namespace loopcalc::models
