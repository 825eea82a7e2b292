// SPDX-License-Identifier: MIT
// Shared by the models: checks of the inputs, lengths in words, the
// interpolation between whole numbers of turns. Not part of the interface.
#pragma once

#include "models.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace loopcalc::models::detail {

/// A shape's list of models: each one's id and name, the reference first.
using Names = std::vector<std::pair<std::string_view, std::string>>;

/// The ids of a list of models, in order.
[[nodiscard]] std::vector<std::string_view> Ids(const Names& names);

/// The outcome of one model: a value, or a reason; with a short note.
struct Value {
    std::optional<double> henries;
    std::string reason;
    std::string note;
};

[[nodiscard]] Value Refused(std::string reason);

/// Why the length is not taken ("the radius is not a finite number", ...),
/// or nothing.
[[nodiscard]] std::optional<std::string> CheckLength(std::string_view name, double metres);

/// Why the turns are not taken, or nothing.
[[nodiscard]] std::optional<std::string> CheckTurns(double turns, double maximum);

/// "0.25 mm": three significant digits, the same in every locale.
[[nodiscard]] std::string Millimetres(double metres);

/// An integer or a number of turns as text, locale-independent.
[[nodiscard]] std::string Count(double value);

/// A count with its noun, singular for exactly one: "1 turn", "12 turns".
[[nodiscard]] std::string Counted(double value, std::string_view one, std::string_view many);

/// The model at N turns from the model at whole numbers of turns: linear
/// between ⌊N⌋ and ⌈N⌉, from 0 H at 0 turns.
[[nodiscard]] Value Interpolated(double turns, const std::function<Value(long long)>& whole);

/// A line of the table from a value.
[[nodiscard]] ModelResult Line(std::string_view id, std::string name, Value value);

/// The reference's line: refused for the reason the coil's check gives, or
/// the sum at whole numbers of turns interpolated at N.
[[nodiscard]] ModelResult Reference(double turns, const std::optional<std::string>& refused,
                                    const std::function<Value(long long)>& whole);

/// The whole list refused for the same reason.
[[nodiscard]] std::vector<ModelResult> AllRefused(const Names& models, const std::string& reason);

}  // namespace loopcalc::models::detail
