// SPDX-License-Identifier: MIT
// What the numeric models take beyond a shape's boxes: the options of the
// models command (--gap, --thickness, --winding; a flat spiral's
// --wire-radius or --trace), the batch's cells of the same names, and the
// models of the coil a port holds.
#pragma once

#include "designstudy.h"
#include "shapes.h"
#include "terminalport.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopcalc::cli {

/// What is wrong with a model value.
struct ModelValueProblem {
    enum class Kind {
        None,
        UnknownUnit,   ///< unit names it
        OutOfRange,    ///< beyond what a double holds
        NotAboveZero,  ///< a length that is not a number above 0
        NotWinding,    ///< a winding other than "bundle" or "layer"
    };
    Kind kind = Kind::None;
    std::string_view unit;
};

/// Reads one model value (option without "--", as typed) into inputs: a
/// length above 0, in millimetres or with a unit, or "bundle" or "layer";
/// decimalSeparator is read as well as ".".
[[nodiscard]] ModelValueProblem ReadModelValue(std::string_view option, std::string_view typed,
                                               design::ModelInputs& inputs, std::string_view decimalSeparator = ".");

/// The usage message for a problem with a model option: "--winding needs
/// bundle or layer, not 'foo'", as the other options say it.
[[nodiscard]] std::string ModelOptionProblem(const ModelValueProblem& problem, std::string_view option,
                                             std::string_view typed);

/// The reference (first) and the closed forms of the coil whose boxes the
/// port holds, with the turns its turns box reads.
[[nodiscard]] std::vector<design::ModelLine> PortModels(const TerminalPort& port, const design::ModelInputs& inputs);

/// The reference alone, at the turns given or at those of the port's box.
[[nodiscard]] std::optional<design::ModelLine>
PortReference(const TerminalPort& port, const design::ModelInputs& inputs, std::optional<double> turns = std::nullopt);

/// The warning for a classic result that strays more than 10 % from the
/// reference at the turns given or at those of the port's box (see
/// design::ReferenceWarning); the models take their defaults.
[[nodiscard]] std::optional<std::string> ReferenceWarning(const TerminalPort& port, double classic,
                                                          std::optional<double> turns = std::nullopt);

/// The warnings of a calculation that got past the input checks:
/// ValidityWarnings(), then the reference's warning.
[[nodiscard]] std::vector<std::string> CalculationWarnings(const TerminalPort& port, double henries);

}  // namespace loopcalc::cli
