// SPDX-License-Identifier: MIT
#include "calcsteps.h"

#include "generaltext.h"
#include "numberreading.h"

namespace loopcalc::steps {

namespace {
constexpr double kMillimetresPerCentimetre = 10.0;
}

double Read(const FormPort& port, std::string_view box)
{
    return ReadNumber(port.text(box), port.decimalSeparator());
}

double ReadLength(const FormPort& port, std::string_view box)
{
    return Read(port, box) / kMillimetresPerCentimetre;
}

Outcome Refuse(FormPort& port, std::string_view box, const std::string& restore, const std::string& message)
{
    port.setText(box, restore);
    port.setFocus(box);
    port.showMessage(message, MessageIcon::Error);
    return {Outcome::Kind::Refused, message, 0.0};
}

Outcome Succeed(FormPort& port, std::string_view resultBox, const std::string& text, double henries)
{
    port.setText(resultBox, text);
    port.beep();
    return {Outcome::Kind::Result, text, henries};
}

void WriteRecord(FormPort& port, std::string_view title, std::initializer_list<std::string> inputLines,
                 const std::string& resultText)
{
    port.logLine("");
    port.logLine(std::string(title));
    port.logLine("");
    for (const std::string& line : inputLines) {
        port.logLine(line);
    }
    port.logLine("Inductance = " + resultText);
    port.logLine("");
    port.endLogRecord();
}

std::string LengthLine(const FormPort& port, std::string_view label, double centimetres)
{
    return std::string(label) + " = " + LogNumber(centimetres * kMillimetresPerCentimetre, port.logDecimalSeparator()) +
           " mm";
}

std::string TurnsLine(const FormPort& port, double turns)
{
    return "Turns = " + LogNumber(turns, port.logDecimalSeparator());
}

}  // namespace loopcalc::steps
