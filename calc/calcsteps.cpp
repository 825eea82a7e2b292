// SPDX-License-Identifier: MIT
#include "calcsteps.h"

#include "generaltext.h"

#include <utility>

namespace loopcalc::steps {

namespace {

constexpr double kMillimetresPerCentimetre = 10.0;

/// "Width = 21 mm" for a length in centimetres, "Turns = 11.5" for turns.
std::string LogLine(const FormPort& port, const ShapeField& field, double value)
{
    if (field.kind == FieldKind::Turns) {
        return std::string(field.logLabel) + " = " + LogNumber(value, port.logDecimalSeparator());
    }
    return std::string(field.logLabel) + " = " +
           LogNumber(value * kMillimetresPerCentimetre, port.logDecimalSeparator()) + " mm";
}

/// Appends a record to the log: an empty line, the title, an empty line, the
/// input lines in table order, the inductance line and a closing empty line.
void WriteRecord(FormPort& port, const Shape& shape, const FieldValues& values, const std::string& resultText)
{
    port.logLine("");
    port.logLine(std::string(shape.logTitle));
    port.logLine("");
    for (std::size_t f = 0; f < shape.fields.size(); ++f) {
        port.logLine(LogLine(port, shape.fields[f], values[f]));
    }
    port.logLine("Inductance = " + resultText);
    port.logLine("");
    port.endLogRecord();
}

}  // namespace

double Read(const FormPort& port, std::string_view box)
{
    return port.number(box);
}

double ReadLength(const FormPort& port, std::string_view box)
{
    return Read(port, box) / kMillimetresPerCentimetre;
}

FieldValues ReadValues(const FormPort& port, const Shape& shape)
{
    FieldValues values{};
    for (std::size_t f = 0; f < shape.fields.size(); ++f) {
        const ShapeField& field = shape.fields[f];
        values[f] = field.kind == FieldKind::Turns ? Read(port, field.box) : ReadLength(port, field.box);
    }
    return values;
}

bool Fails(const ShapeField& field, double value)
{
    // Written as the refusing comparisons, so that a value that is not a
    // number passes as it always has.
    const bool tooLow = field.lowestAccepted ? value < field.lowest : value <= field.lowest;
    return tooLow || value > field.highest;
}

Outcome Refuse(FormPort& port, const ShapeField& field)
{
    std::string message(field.message);
    port.setText(field.box, std::string(field.resetText));
    port.setFocus(field.box);
    port.showMessage(message, MessageIcon::Error);
    return {Outcome::Kind::Refused, std::move(message), 0.0};
}

std::optional<Outcome> Check(FormPort& port, const Shape& shape, const FieldValues& values)
{
    for (const std::size_t f : shape.checkOrder) {
        if (Fails(shape.fields[f], values[f])) {
            return Refuse(port, shape.fields[f]);
        }
    }
    return std::nullopt;
}

Outcome Report(FormPort& port, const Shape& shape, const FieldValues& values, Display display, double henries)
{
    if (!display.inRange) {
        port.showMessage(display.text, MessageIcon::Warning);
        for (std::size_t i = 0; i < shape.resetOrder.size(); ++i) {
            const ShapeField& field = shape.fields[shape.resetOrder[i]];
            port.setText(field.box, std::string(field.resetText));
            if (i + 1 == shape.resetFocusAfter) {
                port.setFocus(shape.fields[shape.resetFocus].box);
            }
        }
        return {Outcome::Kind::OutOfRange, std::move(display.text), henries};
    }
    port.setText(shape.resultBox, display.text);
    port.beep();
    if (port.logging()) {
        WriteRecord(port, shape, values, display.text);
    }
    return {Outcome::Kind::Result, std::move(display.text), henries};
}

Outcome Press(FormPort& port, const Shape& shape, double (*henries)(const FieldValues& values))
{
    const FieldValues v = ReadValues(port, shape);
    if (auto refused = Check(port, shape, v)) {
        return *refused;
    }
    const double l = henries(v);
    return Report(port, shape, v, FormatInductance(l), l);
}

}  // namespace loopcalc::steps
