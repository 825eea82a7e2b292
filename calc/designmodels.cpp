// SPDX-License-Identifier: MIT
// The models of each page's coil, read from the page's boxes: lengths in
// centimetres on the page and millimetres in the model inputs, metres in the
// models.
#include "designstudy.h"

#include "calcsteps.h"
#include "models/models.h"

namespace loopcalc::design {

namespace {

constexpr double kMetresPerCentimetre = 0.01;
constexpr double kMetresPerMillimetre = 0.001;

double Metres(const Shape& shape, const FormPort& page, std::string_view option)
{
    for (const ShapeField& field : shape.fields) {
        if (field.option == option) {
            return steps::ReadLength(page, field.box) * kMetresPerCentimetre;
        }
    }
    return 0.0;
}

std::optional<double> Metres(std::optional<double> millimetres)
{
    if (!millimetres) {
        return std::nullopt;
    }
    return *millimetres * kMetresPerMillimetre;
}

models::Winding WindingOf(const ModelInputs& inputs)
{
    return inputs.winding == Winding::Layer ? models::Winding::layer : models::Winding::bundle;
}

/// The models of the page's coil, all of them or the reference alone.
std::vector<models::ModelResult> Evaluate(const Shape& shape, const FormPort& page, const ModelInputs& inputs,
                                          double turns, bool referenceOnly)
{
    const auto run = [referenceOnly](const auto& coil, auto all, auto reference) {
        return referenceOnly ? std::vector<models::ModelResult>{reference(coil)} : all(coil);
    };
    if (shape.name == "circular") {
        const models::CircularCoil coil{Metres(shape, page, "radius"), turns, Metres(shape, page, "wire-radius"),
                                        WindingOf(inputs)};
        return run(coil, &models::CircularCoilModels, &models::CircularCoilReference);
    }
    if (shape.name == "rectangular") {
        const models::RectangularCoil coil{Metres(shape, page, "width"), Metres(shape, page, "height"), turns,
                                           Metres(shape, page, "wire-radius"), WindingOf(inputs)};
        return run(coil, &models::RectangularCoilModels, &models::RectangularCoilReference);
    }
    if (shape.name == "spiral") {
        const models::SpiralCoil coil{Metres(shape, page, "outer-radius"), Metres(shape, page, "inner-radius"), turns,
                                      Metres(inputs.spiralWireRadius), Metres(inputs.spiralTrace)};
        return run(coil, &models::SpiralCoilModels, &models::SpiralCoilReference);
    }
    if (shape.name == "flat-rectangular") {
        models::FlatRectangularCoil coil{Metres(shape, page, "width"), Metres(shape, page, "height"), turns,
                                         Metres(shape, page, "trace"), Metres(inputs.gap)};
        if (inputs.thickness) {
            coil.thickness = *inputs.thickness * kMetresPerMillimetre;
        }
        return run(coil, &models::FlatRectangularCoilModels, &models::FlatRectangularCoilReference);
    }
    return {};
}

ModelLine Line(models::ModelResult result)
{
    return {std::move(result.name), result.henries, std::move(result.reason), std::move(result.note)};
}

}  // namespace

std::vector<ModelLine> PageModels(const Shape& shape, const FormPort& page, const ModelInputs& inputs, double turns)
{
    std::vector<ModelLine> lines;
    for (models::ModelResult& result : Evaluate(shape, page, inputs, turns, false)) {
        lines.push_back(Line(std::move(result)));
    }
    return lines;
}

std::optional<ModelLine> PageReference(const Shape& shape, const FormPort& page, const ModelInputs& inputs,
                                       double turns)
{
    std::vector<models::ModelResult> results = Evaluate(shape, page, inputs, turns, true);
    if (results.empty()) {
        return std::nullopt;
    }
    return Line(std::move(results.front()));
}

std::string ReferenceMethod(const Shape& shape)
{
    return std::string(models::ReferenceMethod(shape.name));
}

double ReferenceTurnsStep(const Shape& shape)
{
    // The printed spiral is laid out in quarter turns, one straight side each.
    return shape.name == "flat-rectangular" ? 0.25 : 1.0;
}

}  // namespace loopcalc::design
