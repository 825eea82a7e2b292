// SPDX-License-Identifier: MIT
#include "shapeoptions.h"

#include "commands.h"
#include "designaids.h"
#include "exitcodes.h"
#include "modeloptions.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace loopcalc::cli {

namespace {

constexpr std::array<OptionDefinition, 2> kHelpOptions{{{"--help", false}, {"-h", false}}};

/// Which of a shape's options: the boxes', or the models' beyond them.
enum class OptionKind { Box, Model };

/// Whether the shape has the option (without "--") of that kind.
bool HasOption(const Shape& shape, std::string_view name, OptionKind kind)
{
    if (kind == OptionKind::Model) {
        return std::ranges::find(shape.models->options, name) != shape.models->options.end();
    }
    return std::ranges::any_of(shape.fields, [name](const ShapeField& field) { return field.option == name; });
}

/// The shape other than except that has the option ("--gap") of that kind,
/// if any.
const Shape* ShapeWithOption(std::string_view option, const Shape* except, OptionKind kind = OptionKind::Box)
{
    if (!option.starts_with("--")) {
        return nullptr;
    }
    option.remove_prefix(2);
    for (const Shape& shape : Shapes()) {
        if (&shape != except && HasOption(shape, option, kind)) {
            return &shape;
        }
    }
    return nullptr;
}

/// Reads --frequency into hertz; returns the usage problem, or empty.
std::string ReadFrequencyOption(std::string_view typed, double& hertz)
{
    const Quantity frequency = ReadQuantity(typed, FrequencyUnits());
    if (frequency.status == Quantity::Status::UnknownUnit) {
        return "unknown unit '" + std::string(frequency.unit) + "' in --frequency '" + std::string(typed) + "' (use " +
               UnitList(FrequencyUnits()) + ")";
    }
    if (frequency.status == Quantity::Status::OutOfRange ||
        (IsAboveZero(frequency) && !design::IsTuningFrequency(frequency.value))) {
        return "--frequency '" + std::string(typed) + "' is out of range: give a frequency " + design::kTuningRangeText;
    }
    if (!IsAboveZero(frequency)) {
        return "--frequency needs a frequency above 0 Hz, not '" + std::string(typed) + "'";
    }
    hertz = frequency.value;
    return {};
}

}  // namespace

LengthText FieldText(const ShapeField& field, std::string_view typed, NumberBuffer& buffer,
                     std::string_view decimalSeparator)
{
    if (field.kind == FieldKind::Turns) {
        return {LengthText::Status::AsTyped, typed, {}};
    }
    return LengthForBox(typed, buffer, decimalSeparator);
}

bool IsAboveZero(const Quantity& quantity)
{
    return quantity.status == Quantity::Status::Number && quantity.value > 0.0 && std::isfinite(quantity.value);
}

std::string ParseProblem(const ParsedArguments& parsed, const Shape* shape)
{
    const std::string offending(parsed.offending);
    switch (parsed.error) {
    case ParsedArguments::Error::None: break;
    case ParsedArguments::Error::UnknownOption:
        if (shape != nullptr) {
            if (const Shape* other = ShapeWithOption(parsed.offending, shape)) {
                return "option '" + offending + "' does not apply to " + std::string(shape->name) +
                       " (it is an option of " + std::string(other->name) + ")";
            }
        }
        return "unknown option '" + offending + "'";
    case ParsedArguments::Error::MissingValue: return "option '" + offending + "' needs a value";
    case ParsedArguments::Error::UnexpectedValue: return "option '" + offending + "' takes no value";
    }
    return {};
}

bool WantsHelp(const ParsedArguments& parsed)
{
    for (const ParsedOption& option : parsed.options) {
        if (option.name == "--help" || option.name == "-h") {
            return true;
        }
    }
    return false;
}

ShapeOptions::ShapeOptions(const Shape& shape, OptionsFor command)
    : m_shape(shape)
    , m_command(command)
    , m_definitions(kHelpOptions.begin(), kHelpOptions.end())
{
    const bool forTurns = command == OptionsFor::Turns;
    m_names.reserve(shape.fields.size() + 2);
    for (const ShapeField& field : shape.fields) {
        if (!(forTurns && field.kind == FieldKind::Turns)) {
            m_names.push_back("--" + std::string(field.option));
        }
    }
    if (command == OptionsFor::Models) {
        for (const std::string_view name : shape.models->options) {
            m_names.push_back("--" + std::string(name));
        }
    }
    for (const std::string& name : m_names) {
        m_definitions.push_back({name, true});
    }
    if (command != OptionsFor::Models) {
        m_definitions.push_back({"--frequency", true});
    }
    m_definitions.push_back({"--warnings", false});
    m_definitions.push_back({"--no-warnings", false});
    if (forTurns) {
        m_definitions.push_back({"--target", true});
    }
}

std::string ShapeOptions::read(std::span<const std::string_view> args)
{
    m_parsed = ParseArguments(args, m_definitions);
    if (std::string problem = readProblem(); !problem.empty()) {
        return problem;
    }
    if (!m_parsed.positionals.empty()) {
        return "unexpected argument '" + std::string(m_parsed.positionals.front()) + "'";
    }
    return {};
}

std::string ShapeOptions::readProblem() const
{
    const std::string_view offending = m_parsed.offending;
    if (m_parsed.error == ParsedArguments::Error::UnknownOption) {
        if (m_command == OptionsFor::Turns && offending == "--turns") {
            return "option '--turns' does not apply to turns: the number of turns is what it finds";
        }
        const bool models = m_command == OptionsFor::Models;
        if (models && offending == "--frequency") {
            return "option '--frequency' does not apply to models";
        }
        // A box of another shape is named by ParseProblem; a model option
        // points to the models command, of this shape first.
        if (ShapeWithOption(offending, &m_shape) == nullptr) {
            const Shape* owner = HasOption(m_shape, offending.substr(2), OptionKind::Model)
                                     ? &m_shape
                                     : ShapeWithOption(offending, &m_shape, OptionKind::Model);
            if (owner != nullptr) {
                std::string problem = "option '";
                problem.append(offending)
                    .append("' does not apply to ")
                    .append(models ? "models " : "")
                    .append(m_shape.name)
                    .append(" (it is an option of models ")
                    .append(owner->name)
                    .append(")");
                return problem;
            }
        }
    }
    return ParseProblem(m_parsed, &m_shape);
}

bool ShapeOptions::wantsHelp() const
{
    return cli::WantsHelp(m_parsed);
}

std::string ShapeOptions::apply(ShapeInput& input) const
{
    input.port.setShape(m_shape);
    for (const ParsedOption& option : m_parsed.options) {
        const std::string_view name = option.name.substr(option.name.starts_with("--") ? 2 : 1);
        if (name == "frequency") {
            if (std::string problem = ReadFrequencyOption(option.value, input.design.hertz); !problem.empty()) {
                return problem;
            }
        } else if (name == "warnings" || name == "no-warnings") {
            input.design.warnings = name == "warnings";
        } else if (name == "target") {
            input.design.target = option.value;
        } else if (HasOption(m_shape, name, OptionKind::Model)) {
            const ModelValueProblem problem = ReadModelValue(name, option.value, input.design.models);
            if (problem.kind != ModelValueProblem::Kind::None) {
                return ModelOptionProblem(problem, option.name, option.value);
            }
        } else if (name != "help" && name != "h") {
            if (std::string problem = applyField(input, option); !problem.empty()) {
                return problem;
            }
        }
    }
    if (input.design.models.spiralWireRadius && input.design.models.spiralTrace) {
        return "give --wire-radius or --trace, not both";
    }
    return {};
}

std::string ShapeOptions::applyField(ShapeInput& input, const ParsedOption& option) const
{
    const std::string_view name = option.name.substr(2);
    for (std::size_t f = 0; f < m_shape.fields.size(); ++f) {
        if (m_shape.fields[f].option != name) {
            continue;
        }
        const LengthText text = FieldText(m_shape.fields[f], option.value, input.buffers[f]);
        if (text.status == LengthText::Status::UnknownUnit) {
            return "unknown unit '" + std::string(text.unit) + "' in " + std::string(option.name) + " '" +
                   std::string(option.value) + "' (use " + UnitList(LengthUnits()) + ")";
        }
        if (text.status == LengthText::Status::OutOfRange) {
            return std::string(option.name) + " '" + std::string(option.value) +
                   "' is out of range: too large or too small to calculate with";
        }
        input.port.setField(f, text.text);
        break;
    }
    return {};
}

std::optional<int> ReadShapeArgument(std::span<const std::string_view> args, std::string_view command,
                                     std::string_view synopsis, void (*help)(std::ostream&), const Shape*& shape,
                                     std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        return UsageError(err, std::string(command) + " needs a shape", synopsis);
    }
    if (args.front() == "--help" || args.front() == "-h") {
        help(out);
        return kExitOk;
    }
    shape = FindShape(args.front());
    if (shape == nullptr) {
        return UsageError(err, "unknown shape '" + std::string(args.front()) + "'", synopsis);
    }
    return std::nullopt;
}

std::optional<int> ReadShapeOptions(const Shape& shape, OptionsFor command, std::span<const std::string_view> args,
                                    std::string_view usage, const std::function<void(std::ostream&)>& help,
                                    ShapeInput& input, std::ostream& out, std::ostream& err)
{
    ShapeOptions options(shape, command);
    if (const std::string problem = options.read(args); !problem.empty()) {
        return UsageError(err, problem, usage);
    }
    if (options.wantsHelp()) {
        help(out);
        return kExitOk;
    }
    if (const std::string problem = options.apply(input); !problem.empty()) {
        return UsageError(err, problem, usage);
    }
    return std::nullopt;
}

void PrintCapacitance(std::ostream& out, double henries, double hertz)
{
    if (henries > 0.0) {
        out << "C = " << design::FormatCapacitance(design::TuningCapacitance(henries, hertz)) << " at "
            << FormatFrequency(hertz) << '\n';
    } else {
        out << "C: no capacitance resonates at " << FormatFrequency(hertz) << " with an inductance of 0 or less\n";
    }
}

void PrintWarnings(std::ostream& err, const std::vector<std::string>& warnings)
{
    for (const std::string& warning : warnings) {
        err << "warning: " << warning << '\n';
    }
}

}  // namespace loopcalc::cli
