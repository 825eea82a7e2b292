// SPDX-License-Identifier: MIT
#include "shapes.h"

namespace loopcalc {

namespace {

constexpr std::array<ShapeField, 3> kCircular{{
    {"radius", "txtRadius2", "10"},
    {"turns", "txtTurns2", "11.5"},
    {"wire-radius", "txtWire2", "0.127"},
}};

constexpr std::array<ShapeField, 4> kRectangular{{
    {"width", "txtWidth4", "21"},
    {"height", "txtHeight4", "10"},
    {"turns", "txtTurns4", "11"},
    {"wire-radius", "txtWireRad4", "0.127"},
}};

constexpr std::array<ShapeField, 3> kSpiral{{
    {"outer-radius", "txtOuterRadius3", "8.5"},
    {"inner-radius", "txtInnerRadius3", "7.25"},
    {"turns", "txtTurns3", "12"},
}};

constexpr std::array<ShapeField, 4> kFlatRectangular{{
    {"width", "txtWidth1", "21"},
    {"height", "txtHeight1", "10"},
    {"turns", "txtTurns1", "11"},
    {"trace", "txtTrace1", "0.127"},
}};

const std::array<Shape, 4> kShapes{{
    {"circular", kCircular, "txtInductance2", &frmMain_cmdCalculate2_Click},
    {"rectangular", kRectangular, "txtInductance4", &frmMain_cmdCalculate3_Click},
    {"spiral", kSpiral, "txtInductance3", &frmMain_cmdCalculate4_Click},
    {"flat-rectangular", kFlatRectangular, "txtInductance1", &frmMain_cmdCalculate1_Click},
}};

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

}  // namespace loopcalc
