// SPDX-License-Identifier: MIT
// Steps the four calculators share, driven by the shape table.
#pragma once

#include "calculators.h"
#include "display.h"
#include "formport.h"
#include "shapes.h"

#include <optional>
#include <string>
#include <string_view>

namespace loopcalc::steps {

/// A box's text as a number, 0 when it is not one.
double Read(const FormPort& port, std::string_view box);

/// A box's text as a length in centimetres (typed in millimetres).
double ReadLength(const FormPort& port, std::string_view box);

/// Every box of the shape's page in table order: lengths in centimetres,
/// turns as typed.
FieldValues ReadValues(const FormPort& port, const Shape& shape);

/// Whether the field's check refuses the value.
[[nodiscard]] bool Fails(const ShapeField& field, double value);

/// The usual refusal: rewrite the box, move the focus to it, then the message.
Outcome Refuse(FormPort& port, const ShapeField& field);

/// Runs the shape's checks in its order; the refusal of the first that
/// fails, or nothing when all pass.
std::optional<Outcome> Check(FormPort& port, const Shape& shape, const FieldValues& values);

/// Shows a computed inductance: out of range, the warning and the boxes
/// rewritten in the shape's reset order; else the result in the result box,
/// a beep and, while the log is on, the record.
Outcome Report(FormPort& port, const Shape& shape, const FieldValues& values, Display display, double henries);

/// The usual press: reads the boxes, runs the checks, works out the henries
/// from the values with the formula and reports them by the general display
/// rule.
Outcome Press(FormPort& port, const Shape& shape, double (*henries)(const FieldValues& values));

}  // namespace loopcalc::steps
