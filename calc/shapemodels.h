// SPDX-License-Identifier: MIT
// The numeric models of each shape's coil, one entry per shape that its row
// of the shape table points to: the model options the shape takes beyond its
// boxes, its reference's method and steps, the ids of its lines and how its
// coil is read from a page.
#pragma once

#include "formport.h"
#include "models/models.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace loopcalc {
struct Shape;
}  // namespace loopcalc

namespace loopcalc::design {

/// How the turns of a wire-wound coil lie, for the reference.
enum class Winding { Bundle, Layer };

/// The inputs of the models beyond the page's boxes, in millimetres; nothing
/// takes the model's default.
struct ModelInputs {
    std::optional<double> gap;               ///< flat rectangular: edge to edge; default the trace
    std::optional<double> thickness;         ///< flat rectangular: copper; default 0.035 mm
    Winding winding = Winding::Bundle;       ///< circular and rectangular wire coils
    std::optional<double> spiralWireRadius;  ///< flat spiral: round wire; default half the pitch
    std::optional<double> spiralTrace;       ///< flat spiral: printed strip instead of a wire
};

/// The models of one shape's coil.
struct ShapeModels {
    /// The model options beyond the boxes, without their "--": "winding",
    /// "wire-radius", "trace", "gap", "thickness". The same names are the
    /// batch's columns and choose the design window's input rows.
    std::span<const std::string_view> options;
    std::string_view synopsis;         ///< the options in a synopsis: "[--gap MM] [--thickness MM]"
    std::string_view referenceMethod;  ///< in words: "partial-inductance" or "filament"
    /// Between these steps in turns the reference is a straight line: a whole
    /// turn, a quarter turn for the printed spiral (a side each).
    double referenceTurnsStep;
    std::vector<std::string_view> (*ids)();  ///< the stable ids of its lines, in order
    /// The reference (first) and the closed forms of the page's coil with
    /// that many turns, or the reference alone; the dimensions are read
    /// from the page as the shape's calculator reads them.
    std::vector<models::ModelResult> (*evaluate)(const Shape& shape, const FormPort& page, const ModelInputs& inputs,
                                                 double turns, bool referenceOnly);
};

extern const ShapeModels kCircularModels;
extern const ShapeModels kRectangularModels;
extern const ShapeModels kSpiralModels;
extern const ShapeModels kFlatRectangularModels;

}  // namespace loopcalc::design
