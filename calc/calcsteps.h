// SPDX-License-Identifier: MIT
// Steps the four calculators share.
#pragma once

#include "calculators.h"
#include "formport.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace loopcalc::steps {

/// A box's text as a number, 0 when it is not one.
double Read(const FormPort& port, std::string_view box);

/// A box's text as a length in centimetres (typed in millimetres).
double ReadLength(const FormPort& port, std::string_view box);

/// The usual refusal: rewrite the box, move the focus to it, then the message.
Outcome Refuse(FormPort& port, std::string_view box, const std::string& restore, const std::string& message);

/// Writes the result text into the result box and beeps.
Outcome Succeed(FormPort& port, std::string_view resultBox, const std::string& text, double henries);

/// Appends a record to the log: an empty line, the title, an empty line, the
/// input lines, the inductance line and a closing empty line. Callers check
/// port.logging() first, so that nothing is formatted while the log is off.
void WriteRecord(FormPort& port, std::string_view title, std::initializer_list<std::string> inputLines,
                 const std::string& resultText);

/// "Width = 21 mm": a length in centimetres logged in millimetres.
std::string LengthLine(const FormPort& port, std::string_view label, double centimetres);

/// "Turns = 11.5".
std::string TurnsLine(const FormPort& port, double turns);

}  // namespace loopcalc::steps
