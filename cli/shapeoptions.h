// SPDX-License-Identifier: MIT
// The options of a calculation, of "turns" and of "models": a shape's boxes,
// --frequency, --warnings, --no-warnings, --target and the model options,
// read into a TerminalPort. The batch shares the reading of a box's text and
// of a frequency.
#pragma once

#include "designstudy.h"
#include "optionparser.h"
#include "shapes.h"
#include "terminalport.h"
#include "units.h"

#include <array>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace loopcalc::cli {

/// The text a shape's box gets for what was typed for it: the turns as
/// typed, a length by LengthForBox() (converted into buffer when it has a unit).
[[nodiscard]] LengthText FieldText(const ShapeField& field, std::string_view typed, NumberBuffer& buffer,
                                   std::string_view decimalSeparator = ".");

/// Whether a value read by ReadQuantity() is a finite number above 0.
[[nodiscard]] bool IsAboveZero(const Quantity& quantity);

/// The usage message for a parse error, or empty when there is none. Given
/// the command's shape, an option of another shape is named as such. Plain
/// arguments are the command's business.
[[nodiscard]] std::string ParseProblem(const ParsedArguments& parsed, const Shape* shape);

/// Whether "--help" or "-h" was given.
[[nodiscard]] bool WantsHelp(const ParsedArguments& parsed);

/// The design-aid options given with a calculation.
struct DesignOptions {
    double hertz = 0.0;  ///< 0 without --frequency
    /// Warnings on standard error: on unless --no-warnings comes after the
    /// last --warnings.
    bool warnings = true;
    std::string_view target;     ///< turns only: --target as typed
    design::ModelInputs models;  ///< models only: the model options
};

/// What a calculation's options set: the port's boxes, the lengths converted
/// from other units that the boxes view, and the design options. Filled in
/// place, never copied, so that the port's views stay valid.
struct ShapeInput {
    ShapeInput() = default;
    ShapeInput(const ShapeInput&) = delete;
    ShapeInput& operator=(const ShapeInput&) = delete;

    TerminalPort port;
    std::array<NumberBuffer, TerminalPort::kMaxFields> buffers{};
    DesignOptions design;
};

/// Which command reads a shape's options.
enum class OptionsFor {
    Calculation,
    Turns,   ///< without --turns, with --target
    Models,  ///< with the shape's model options, without --frequency
};

/// The options a shape command, turns or models on a shape accepts, and the
/// arguments read by them.
class ShapeOptions {
public:
    ShapeOptions(const Shape& shape, OptionsFor command);
    ShapeOptions(const ShapeOptions&) = delete;
    ShapeOptions& operator=(const ShapeOptions&) = delete;

    /// Reads the arguments (views into args are kept); returns the usage
    /// problem, or empty when there is none.
    [[nodiscard]] std::string read(std::span<const std::string_view> args);
    [[nodiscard]] bool wantsHelp() const;
    /// Sets the shape's boxes from the options read and reads the design
    /// options; returns the usage problem, or empty when there is none.
    [[nodiscard]] std::string apply(ShapeInput& input) const;

private:
    [[nodiscard]] std::string applyField(ShapeInput& input, const ParsedOption& option) const;

    [[nodiscard]] std::string readProblem() const;

    const Shape& m_shape;
    OptionsFor m_command;
    std::vector<std::string> m_names;  ///< the shape's option names, viewed by m_definitions
    std::vector<OptionDefinition> m_definitions;
    ParsedArguments m_parsed;
};

/// Reads the shape a command names first ("turns spiral ..."). Without an
/// argument, on --help or an unknown shape the command ends there: the
/// returned exit code is then set, after the help on out or the usage error
/// ("turns needs a shape") on err.
[[nodiscard]] std::optional<int> ReadShapeArgument(std::span<const std::string_view> args, std::string_view command,
                                                   std::string_view synopsis, void (*help)(std::ostream&),
                                                   const Shape*& shape, std::ostream& out, std::ostream& err);

/// Reads a command's options for the shape into input. On a usage problem
/// or --help the command ends there: the returned exit code is then set,
/// after the usage error on err or the help on out.
[[nodiscard]] std::optional<int> ReadShapeOptions(const Shape& shape, OptionsFor command,
                                                  std::span<const std::string_view> args, std::string_view usage,
                                                  const std::function<void(std::ostream&)>& help, ShapeInput& input,
                                                  std::ostream& out, std::ostream& err);

/// "C = 91.8 pF at 13.56 MHz", or why no capacitance resonates.
void PrintCapacitance(std::ostream& out, double henries, double hertz);

/// Each warning on its own line, after "warning: ".
void PrintWarnings(std::ostream& err, const std::vector<std::string>& warnings);

}  // namespace loopcalc::cli
