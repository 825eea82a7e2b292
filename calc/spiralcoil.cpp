// SPDX-License-Identifier: MIT
// Flat spiral air coil: outer radius, inner radius and turns; computed in µH.
#include "calcsteps.h"
#include "calculators.h"
#include "designaids.h"
#include "display.h"
#include "formulas.h"

#include <utility>

namespace loopcalc {

namespace {

// The page's boxes in table order.
enum Field : std::size_t { kOuterRadius, kInnerRadius, kTurns };

Outcome Refused(FormPort& port, std::string message)
{
    port.showMessage(message, MessageIcon::Error);
    return {Outcome::Kind::Refused, std::move(message), 0.0};
}

/// The radii's own refusal: unlike the usual one, the message comes first.
Outcome RefuseRadius(FormPort& port, const ShapeField& field)
{
    Outcome outcome = Refused(port, std::string(field.message));
    port.setText(field.box, std::string(field.resetText));
    port.setFocus(field.box);
    return outcome;
}

/// The mean radius and the depth of the winding.
struct Outline {
    double meanRadius;
    double depth;
};

Outline OutlineOf(const FieldValues& values)
{
    return {(values[kOuterRadius] + values[kInnerRadius]) / 2.0, values[kOuterRadius] - values[kInnerRadius]};
}

}  // namespace

Outcome frmMain_cmdCalculate4_Click(FormPort& port)
{
    const Shape& shape = Shapes()[kSpiralPage];
    const ShapeField& outer = shape.fields[kOuterRadius];
    const ShapeField& inner = shape.fields[kInnerRadius];
    const FieldValues v = steps::ReadValues(port, shape);

    // Equal radii pass (the depth is then 0). This refusal rewrites both
    // radii before its message.
    if (v[kInnerRadius] > v[kOuterRadius]) {
        port.setText(outer.box, std::string(outer.resetText));
        port.setText(inner.box, std::string(inner.resetText));
        port.setFocus(outer.box);
        return Refused(port, "Outer Radius must be > Inner Radius");
    }
    // The turns are checked only after the radii have passed.
    for (const std::size_t f : shape.checkOrder) {
        if (steps::Fails(shape.fields[f], v[f])) {
            return f == kTurns ? steps::Refuse(port, shape.fields[f]) : RefuseRadius(port, shape.fields[f]);
        }
    }

    const Outline outline = OutlineOf(v);
    const double microhenries = SpiralCoilInductance(v[kTurns], outline.meanRadius, outline.depth);
    return steps::Report(port, shape, v, FormatSpiralInductance(microhenries), microhenries / 1e6);
}

std::optional<double> SpiralExactTurns(const FieldValues& values, double henries)
{
    const Outline outline = OutlineOf(values);
    return design::SpiralTurnsFor(henries, outline.meanRadius, outline.depth);
}

std::vector<std::string> SpiralWarnings(const FieldValues& values, std::optional<double> /*henries*/)
{
    const Outline outline = OutlineOf(values);
    std::vector<std::string> warnings;
    if (auto warning = design::SpiralWarning(outline.meanRadius, outline.depth)) {
        warnings.push_back(std::move(*warning));
    }
    return warnings;
}

}  // namespace loopcalc
