// SPDX-License-Identifier: MIT
// The four coil shapes as the command line and the window name them: each
// shape's input boxes with their initial texts, its result box and its
// Calculate handler.
#pragma once

#include "calculators.h"

#include <array>
#include <span>
#include <string_view>

namespace loopcalc {

/// One input box of a page.
struct ShapeField {
    std::string_view option;       ///< command-line name: "radius", "wire-radius", ...
    std::string_view box;          ///< control name: "txtRadius2", ...
    std::string_view initialText;  ///< the text the box shows at start
};

struct Shape {
    std::string_view name;  ///< "circular", "rectangular", "spiral", "flat-rectangular"
    std::span<const ShapeField> fields;
    std::string_view resultBox;
    Outcome (*calculate)(FormPort&);
};

/// The four shapes, in page order.
[[nodiscard]] std::span<const Shape> Shapes();

/// The shape of that name, or nullptr.
[[nodiscard]] const Shape* FindShape(std::string_view name);

}  // namespace loopcalc
