// SPDX-License-Identifier: MIT
// The models of each page's coil, read from the page's boxes (lengths in
// centimetres on the page and millimetres in the model inputs, metres in the
// models), and each shape's entry of models.
#include "designstudy.h"

#include "calcsteps.h"
#include "models/models.h"

#include <array>

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

using Results = std::vector<models::ModelResult>;

/// All the models of the coil, or the reference alone.
template <typename Coil>
Results Run(const Coil& coil, bool referenceOnly, Results (*all)(const Coil&),
            models::ModelResult (*reference)(const Coil&))
{
    return referenceOnly ? Results{reference(coil)} : all(coil);
}

Results CircularModels(const Shape& shape, const FormPort& page, const ModelInputs& inputs, double turns,
                       bool referenceOnly)
{
    const models::CircularCoil coil{Metres(shape, page, "radius"), turns, Metres(shape, page, "wire-radius"),
                                    WindingOf(inputs)};
    return Run(coil, referenceOnly, &models::CircularCoilModels, &models::CircularCoilReference);
}

Results RectangularModels(const Shape& shape, const FormPort& page, const ModelInputs& inputs, double turns,
                          bool referenceOnly)
{
    const models::RectangularCoil coil{Metres(shape, page, "width"), Metres(shape, page, "height"), turns,
                                       Metres(shape, page, "wire-radius"), WindingOf(inputs)};
    return Run(coil, referenceOnly, &models::RectangularCoilModels, &models::RectangularCoilReference);
}

Results SpiralModels(const Shape& shape, const FormPort& page, const ModelInputs& inputs, double turns,
                     bool referenceOnly)
{
    const models::SpiralCoil coil{Metres(shape, page, "outer-radius"), Metres(shape, page, "inner-radius"), turns,
                                  Metres(inputs.spiralWireRadius), Metres(inputs.spiralTrace)};
    return Run(coil, referenceOnly, &models::SpiralCoilModels, &models::SpiralCoilReference);
}

Results FlatRectangularModels(const Shape& shape, const FormPort& page, const ModelInputs& inputs, double turns,
                              bool referenceOnly)
{
    models::FlatRectangularCoil coil{Metres(shape, page, "width"), Metres(shape, page, "height"), turns,
                                     Metres(shape, page, "trace"), Metres(inputs.gap)};
    if (inputs.thickness) {
        coil.thickness = *inputs.thickness * kMetresPerMillimetre;
    }
    return Run(coil, referenceOnly, &models::FlatRectangularCoilModels, &models::FlatRectangularCoilReference);
}

ModelLine Line(models::ModelResult result)
{
    return {std::move(result.name), result.henries, std::move(result.reason), std::move(result.note)};
}

constexpr std::array<std::string_view, 1> kWireCoilOptions{"winding"};
constexpr std::array<std::string_view, 2> kSpiralOptions{"wire-radius", "trace"};
constexpr std::array<std::string_view, 2> kFlatRectangularOptions{"gap", "thickness"};

}  // namespace

// options, synopsis, reference method, reference turns step, ids, models.
const ShapeModels kCircularModels{
    kWireCoilOptions, "[--winding bundle|layer]", "filament", 1.0, &models::CircularCoilModelIds, &CircularModels};
const ShapeModels kRectangularModels{
    kWireCoilOptions,  "[--winding bundle|layer]", "partial-inductance", 1.0, &models::RectangularCoilModelIds,
    &RectangularModels};
const ShapeModels kSpiralModels{
    kSpiralOptions, "[--wire-radius MM | --trace MM]", "filament", 1.0, &models::SpiralCoilModelIds, &SpiralModels};
// The printed spiral is laid out in quarter turns, one straight side each.
const ShapeModels kFlatRectangularModels{kFlatRectangularOptions,
                                         "[--gap MM] [--thickness MM]",
                                         "partial-inductance",
                                         0.25,
                                         &models::FlatRectangularCoilModelIds,
                                         &FlatRectangularModels};

std::vector<ModelLine> PageModels(const Shape& shape, const FormPort& page, const ModelInputs& inputs, double turns)
{
    std::vector<ModelLine> lines;
    for (models::ModelResult& result : shape.models->evaluate(shape, page, inputs, turns, false)) {
        lines.push_back(Line(std::move(result)));
    }
    return lines;
}

std::optional<ModelLine> PageReference(const Shape& shape, const FormPort& page, const ModelInputs& inputs,
                                       double turns)
{
    std::vector<models::ModelResult> results = shape.models->evaluate(shape, page, inputs, turns, true);
    if (results.empty()) {
        return std::nullopt;
    }
    return Line(std::move(results.front()));
}

}  // namespace loopcalc::design
