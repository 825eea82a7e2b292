// SPDX-License-Identifier: MIT
// The one table of the coil shapes. Everything the window, the command line,
// the batch, the entry filter and the log know about a shape is a row here:
// its page, caption, Calculate handler and button, its boxes with their
// initial and reset texts, typed-length limits and checks, its log record,
// its name, options and description on the command line, and the entry of
// its numeric models.
#pragma once

#include "calculators.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace loopcalc {

namespace design {
struct ShapeModels;
}  // namespace design

/// What a box holds: a length typed in millimetres (read in centimetres) or
/// a number of turns.
enum class FieldKind { Length, Turns };

/// No upper bound: the check has only its lower one.
inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

/// One input box of a page and its check. A value is refused when it lies
/// below `lowest` (at or below it unless `lowestAccepted`) or above
/// `highest`; a value that is not a number at all passes, as in every
/// comparison. Lengths are compared in centimetres.
struct ShapeField {
    std::string_view option;  ///< command-line name: "radius", "wire-radius", ...
    std::string_view box;     ///< control name: "txtRadius2", ...
    FieldKind kind;
    std::string_view logLabel;     ///< "Radius" in "Radius = 10 mm"
    std::string_view initialText;  ///< the text the box shows at start
    std::string_view resetText;    ///< the fixed text a refusal or an out-of-range result writes back
    int lengthLimit;               ///< the most characters the entry filter lets the user type
    double lowest;
    bool lowestAccepted;
    double highest;
    std::string_view message;  ///< the refusal's message
};

struct Shape {
    std::size_t page;              ///< index of the page on the tab control
    std::string_view caption;      ///< the page's tab caption
    std::string_view name;         ///< command-line name: "circular", ...
    std::string_view description;  ///< "circular wire coil", for the help
    std::string_view logTitle;     ///< the log record's title
    std::string_view calculateButton;
    std::string_view resultBox;
    std::span<const ShapeField> fields;
    std::span<const std::size_t> checkOrder;  ///< field indices in the order they are checked
    /// On an out-of-range result the boxes are rewritten in this order, and
    /// the focus moves to the field resetFocus once resetFocusAfter of them
    /// have been rewritten.
    std::span<const std::size_t> resetOrder;
    std::size_t resetFocus;
    std::size_t resetFocusAfter;
    Outcome (*calculate)(FormPort&);  ///< the window's Calculate handler
    /// The exact turns at which the formula gives the henries, from the other
    /// values; nothing when no positive number of turns does.
    std::optional<double> (*exactTurns)(const FieldValues& values, double henries);
    /// Where the formula no longer holds for these values (and the result's
    /// henries, when there is one).
    std::vector<std::string> (*warnings)(const FieldValues& values, std::optional<double> henries);
    const design::ShapeModels* models;  ///< its numeric models (calc/shapemodels.h)
};

/// The pages, and so the rows of Shapes(), in order.
inline constexpr std::size_t kCircularPage = 0;
inline constexpr std::size_t kRectangularPage = 1;
inline constexpr std::size_t kSpiralPage = 2;
inline constexpr std::size_t kFlatRectangularPage = 3;

/// The four shapes, in page order.
[[nodiscard]] std::span<const Shape> Shapes();

/// The shape of that name, or nullptr.
[[nodiscard]] const Shape* FindShape(std::string_view name);

/// The field of that input box, or nullptr.
[[nodiscard]] const ShapeField* FindField(std::string_view box);

}  // namespace loopcalc
