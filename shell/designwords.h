// SPDX-License-Identifier: MIT
// The words the design window reads and shows: henries and turns as it
// writes them, the caption of a main-window box, and a typed quantity with
// its unit.
#pragma once

#include "quantities.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace loopcalc::shell {

/// An inductance with three significant digits and its prefix: "1.50 µH".
[[nodiscard]] QString HenriesText(double henries);

/// A number of turns: whole numbers without decimals, others with that many.
[[nodiscard]] QString TurnsText(double turns, int decimals = 2);

/// A number of turns with its noun, as TurnsText shows it: "1 turn",
/// "12 turns", "11.50 turns".
[[nodiscard]] QString TurnsWords(double turns, int decimals = 2);

/// The caption of the label beside a box of the main window's design (the
/// label in the box's frame whose row lies nearest), without its colon; the
/// box's name when the page or the box is not in the design.
[[nodiscard]] QString LabelOf(std::size_t page, std::string_view box);

/// A typed quantity with a unit, in the base unit (millimetres, henries,
/// hertz), or why it is not taken.
struct Reading {
    std::optional<double> value;
    QString problem;
};

/// Reads a quantity typed in the locale's number format. A bare number is
/// taken in the base unit unless unitRequired; zero, negative and infinite
/// values are not taken. what names the quantity in the problem ("a length").
[[nodiscard]] Reading ReadTypedQuantity(const QString& typed, std::span<const units::Unit> units, bool unitRequired,
                                        const QString& what);

}  // namespace loopcalc::shell
