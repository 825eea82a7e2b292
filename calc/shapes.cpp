// SPDX-License-Identifier: MIT
#include "shapes.h"

#include "shapemodels.h"

namespace loopcalc {

namespace {

using K = FieldKind;
constexpr double kInf = kUnbounded;

// clang-format off
// option, box, kind, log label, initial text, reset text, length limit,
// lowest, lowest accepted, highest, message. Lengths in centimetres.

// The turns are refused below 1 although the message says "> 0"; the radius
// box shows "10" at start but a refusal resets it to "12.5".
constexpr std::array<ShapeField, 3> kCircular{{
    {"radius",      "txtRadius2", K::Length, "Radius",      "10",    "12.5",   6, 0.0, false, kInf, "Radius must be > 0"},
    {"turns",       "txtTurns2",  K::Turns,  "Turns",       "11.5",  "10",     4, 1.0, true,  kInf, "Turns must be > 0"},
    {"wire-radius", "txtWire2",   K::Length, "Wire Radius", "0.127", "0.0127", 6, 0.0, false, kInf, "Wire Radius must be > 0"},
}};
constexpr std::array<std::size_t, 3> kCircularChecks{1, 0, 2};
constexpr std::array<std::size_t, 3> kCircularResets{1, 0, 2};

constexpr std::array<ShapeField, 4> kRectangular{{
    {"width",       "txtWidth4",   K::Length, "Width",       "21",    "21.0",  5, 0.0, false, kInf, "Width must be > 0"},
    {"height",      "txtHeight4",  K::Length, "Height",      "10",    "10.0",  5, 0.0, false, kInf, "Height must be > 0"},
    {"turns",       "txtTurns4",   K::Turns,  "Turns",       "11",    "11",    5, 1.0, true,  kInf, "Turns must be > 0"},
    {"wire-radius", "txtWireRad4", K::Length, "Wire Radius", "0.127", "0.127", 6, 0.0, false, kInf, "Wire Radius must be > 0"},
}};
constexpr std::array<std::size_t, 4> kRectangularChecks{2, 1, 3, 0};
constexpr std::array<std::size_t, 4> kRectangularResets{2, 1, 0, 3};

// Fractional turns pass, so 100.5 is refused although it is below 101.
constexpr std::array<ShapeField, 3> kSpiral{{
    {"outer-radius", "txtOuterRadius3", K::Length, "Outer Radius", "8.5",  "8.5",  5, 0.0, false, kInf,  "Outer Radius must be > 0"},
    {"inner-radius", "txtInnerRadius3", K::Length, "Inner Radius", "7.25", "7.25", 5, 0.0, false, kInf,  "Inner Radius must be > 0"},
    {"turns",        "txtTurns3",       K::Turns,  "Turns",        "12",   "12",   4, 0.0, false, 100.0, "Turns must be > 0 and < 101"},
}};
constexpr std::array<std::size_t, 3> kSpiralChecks{0, 1, 2};
constexpr std::array<std::size_t, 3> kSpiralResets{0, 1, 2};

// A trace of up to 2.5 mm is accepted; it is logged under the wire radius's
// label.
constexpr std::array<ShapeField, 4> kFlatRectangular{{
    {"width",  "txtWidth1",  K::Length, "Width",       "21",    "21.0",  5, 0.0, false, kInf, "Width must be > 0"},
    {"height", "txtHeight1", K::Length, "Height",      "10",    "10.0",  5, 0.0, false, kInf, "Height must be > 0"},
    {"turns",  "txtTurns1",  K::Turns,  "Turns",       "11",    "11",    5, 1.0, true,  kInf, "Turns must be > 0"},
    {"trace",  "txtTrace1",  K::Length, "Wire Radius", "0.127", "0.127", 6, 0.0, false, 0.25, "Trace must be > 0 or < 2.6"},
}};
constexpr std::array<std::size_t, 4> kFlatRectangularChecks{2, 1, 3, 0};
constexpr std::array<std::size_t, 4> kFlatRectangularResets{0, 2, 1, 3};

// page, caption, name, description, log title, button, result box, fields,
// check order, reset order, the focus on reset and after how many boxes,
// handler, design aids, numeric models.
const std::array<Shape, 4> kShapes{{
    {kCircularPage, "Circular Wire Coil", "circular", "circular wire coil", "Circular Wire Wound Air Coil",
     "cmdCalculate2", "txtInductance2", kCircular, kCircularChecks, kCircularResets, 0, 2,
     &frmMain_cmdCalculate2_Click, &CircularExactTurns, &CircularWarnings, &design::kCircularModels},
    {kRectangularPage, "Rectangular Wire Coil", "rectangular", "rectangular wire coil", "Rectangular Wire Wound Coil",
     "cmdCalculate3", "txtInductance4", kRectangular, kRectangularChecks, kRectangularResets, 2, 1,
     &frmMain_cmdCalculate3_Click, &RectangularExactTurns, &RectangularWarnings, &design::kRectangularModels},
    {kSpiralPage, "Flat Spiral Air Coil", "spiral", "flat spiral air coil", "Flat Spiral Air Coil",
     "cmdCalculate4", "txtInductance3", kSpiral, kSpiralChecks, kSpiralResets, 0, 2,
     &frmMain_cmdCalculate4_Click, &SpiralExactTurns, &SpiralWarnings, &design::kSpiralModels},
    {kFlatRectangularPage, "Flat Rectangular Air Coil ", "flat-rectangular", "flat rectangular air coil (printed trace)",
     "Flat Rectangular Air Coil", "cmdCalculate1", "txtInductance1", kFlatRectangular, kFlatRectangularChecks,
     kFlatRectangularResets, 0, 1, &frmMain_cmdCalculate1_Click, &FlatRectangularExactTurns, &FlatRectangularWarnings,
     &design::kFlatRectangularModels},
}};
// clang-format on

}  // namespace

std::span<const Shape> Shapes()
{
    return kShapes;
}

const Shape* FindShape(std::string_view name)
{
    for (const Shape& shape : kShapes) {
        if (shape.name == name) {
            return &shape;
        }
    }
    return nullptr;
}

const ShapeField* FindField(std::string_view box)
{
    for (const Shape& shape : kShapes) {
        for (const ShapeField& field : shape.fields) {
            if (field.box == box) {
                return &field;
            }
        }
    }
    return nullptr;
}

}  // namespace loopcalc
