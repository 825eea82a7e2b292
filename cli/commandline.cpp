// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "batchrunner.h"
#include "exitcodes.h"
#include "optionparser.h"
#include "shapes.h"
#include "terminalport.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

namespace loopcalc::cli {

namespace {

constexpr std::string_view kProgram = "loopcalc-cli";
constexpr std::array<OptionDefinition, 2> kHelpOptions{{{"--help", false}, {"-h", false}}};

/// Commands that are not a shape. A new command is one more row.
struct Command {
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;
    int (*run)(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);
};

int runBatchCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);

constexpr std::array<Command, 1> kCommands{{
    {"batch", "batch [FILE]",
     "reads CSV rows from FILE (standard input when FILE is absent or \"-\") and\n"
     "writes them to standard output with the columns outcome, text and henries",
     &runBatchCommand},
}};

std::string_view shapeSummary(std::string_view shape)
{
    if (shape == "circular") {
        return "circular wire coil";
    }
    if (shape == "rectangular") {
        return "rectangular wire coil";
    }
    if (shape == "spiral") {
        return "flat spiral air coil";
    }
    if (shape == "flat-rectangular") {
        return "flat rectangular air coil (printed trace)";
    }
    return shape;
}

std::string_view metavar(const ShapeField& field)
{
    return field.option == "turns" ? "N" : "MM";
}

std::string synopsis(const Shape& shape)
{
    std::string text(shape.name);
    for (const ShapeField& field : shape.fields) {
        text += " [--";
        text += field.option;
        text += ' ';
        text += metavar(field);
        text += ']';
    }
    return text;
}

/// "radius 10, turns 11.5, ...": the values an option left out takes.
void printDefaults(std::ostream& out, const Shape& shape)
{
    out << "defaults:";
    for (const ShapeField& field : shape.fields) {
        out << " --" << field.option << ' ' << field.initialText;
    }
}

void printShapeHelp(std::ostream& out, const Shape& shape)
{
    out << "  " << synopsis(shape) << "\n      " << shapeSummary(shape.name) << "\n      ";
    printDefaults(out, shape);
    out << '\n';
}

void printHelp(std::ostream& out)
{
    out << "Usage: " << kProgram << " <command> [options]\n"
        << "       " << kProgram << " --help | --version\n"
        << "\n"
        << "Calculates the inductance of small coils. Lengths are in millimetres, turns\n"
        << "a plain number (fractions allowed); \".\" is the decimal point whatever the\n"
        << "locale. An option may be given as \"--radius 10\" or \"--radius=10\"; an option\n"
        << "left out takes the value shown.\n"
        << "\n"
        << "Commands:\n";
    for (const Shape& shape : Shapes()) {
        printShapeHelp(out, shape);
    }
    for (const Command& command : kCommands) {
        out << "  " << command.synopsis << '\n';
        std::string_view summary = command.summary;
        while (!summary.empty()) {
            const std::size_t end = summary.find('\n');
            out << "      " << summary.substr(0, end) << '\n';
            summary = end == std::string_view::npos ? std::string_view() : summary.substr(end + 1);
        }
    }
    out << "\n"
        << "Options:\n"
        << "  -h, --help   show this help and exit\n"
        << "  --version    show the version and exit\n"
        << "\n"
        << "Exit status:\n"
        << "  0   the result was printed (batch: every row was processed)\n"
        << "  2   an input was refused; the message is on standard error\n"
        << "  3   the result is out of range; the message is on standard error\n"
        << "  64  usage error\n"
        << "  65  batch input is not CSV with a 'shape' column\n"
        << "  66  batch file cannot be opened\n"
        << "  74  reading or writing failed\n";
}

int usageError(std::ostream& err, std::string_view problem, std::string_view usage)
{
    err << kProgram << ": " << problem << '\n'
        << "Usage: " << kProgram << ' ' << usage << '\n'
        << "Try '" << kProgram << " --help' for more information.\n";
    return kExitUsage;
}

/// The shape other than this one that has the option, if any.
const Shape* shapeWithOption(std::string_view option, const Shape* except)
{
    if (!option.starts_with("--")) {
        return nullptr;
    }
    option.remove_prefix(2);
    for (const Shape& shape : Shapes()) {
        if (&shape == except) {
            continue;
        }
        for (const ShapeField& field : shape.fields) {
            if (field.option == option) {
                return &shape;
            }
        }
    }
    return nullptr;
}

/// The usage message for a parse error, or empty when there is none.
/// Plain arguments are the command's business.
std::string parseProblem(const ParsedArguments& parsed, const Shape* shape)
{
    const std::string offending(parsed.offending);
    switch (parsed.error) {
    case ParsedArguments::Error::None: break;
    case ParsedArguments::Error::UnknownOption:
        if (shape != nullptr) {
            if (const Shape* other = shapeWithOption(parsed.offending, shape)) {
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

bool wantsHelp(const ParsedArguments& parsed)
{
    for (const ParsedOption& option : parsed.options) {
        if (option.name == "--help" || option.name == "-h") {
            return true;
        }
    }
    return false;
}

int runShapeCommand(const Shape& shape, std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> names;
    names.reserve(shape.fields.size());
    std::vector<OptionDefinition> definitions(kHelpOptions.begin(), kHelpOptions.end());
    for (const ShapeField& field : shape.fields) {
        names.push_back("--" + std::string(field.option));
    }
    for (const std::string& name : names) {
        definitions.push_back({name, true});
    }

    const ParsedArguments parsed = parseArguments(args, definitions);
    if (const std::string problem = parseProblem(parsed, &shape); !problem.empty()) {
        return usageError(err, problem, synopsis(shape));
    }
    if (!parsed.positionals.empty()) {
        return usageError(err, "unexpected argument '" + std::string(parsed.positionals.front()) + "'",
                          synopsis(shape));
    }
    if (wantsHelp(parsed)) {
        out << "Usage: " << kProgram << ' ' << synopsis(shape) << '\n'
            << "Calculates a " << shapeSummary(shape.name) << ". Lengths in millimetres, \".\" as the\n"
            << "decimal point; an option left out takes its default.\n";
        printDefaults(out, shape);
        out << '\n';
        return kExitOk;
    }

    TerminalPort port;
    port.setShape(shape);
    for (const ParsedOption& option : parsed.options) {
        port.setField(option.name.substr(2), option.value);
    }
    const Outcome outcome = port.calculate();
    switch (outcome.kind) {
    case Outcome::Kind::Result: out << outcome.text << '\n'; return kExitOk;
    case Outcome::Kind::Refused: err << outcome.text << '\n'; return kExitRefused;
    case Outcome::Kind::OutOfRange: err << outcome.text << '\n'; return kExitOutOfRange;
    }
    return kExitRefused;
}

int runBatchCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err)
{
    constexpr std::string_view usage = "batch [FILE]";
    const ParsedArguments parsed = parseArguments(args, kHelpOptions);
    if (const std::string problem = parseProblem(parsed, nullptr); !problem.empty()) {
        return usageError(err, problem, usage);
    }
    if (parsed.positionals.size() > 1) {
        return usageError(err, "unexpected argument '" + std::string(parsed.positionals[1]) + "'", usage);
    }
    if (wantsHelp(parsed)) {
        out << "Usage: " << kProgram << ' ' << usage << '\n' << kCommands[0].summary << '\n';
        return kExitOk;
    }

    if (parsed.positionals.empty() || parsed.positionals.front() == "-") {
        return runBatch(in, out, err);
    }
    const std::string path(parsed.positionals.front());
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        err << kProgram << ": batch: cannot open '" << path
            << "': " << std::make_error_code(std::errc::is_a_directory).message() << '\n';
        return kExitNoInput;
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        const int error = errno;
        err << kProgram << ": batch: cannot open '" << path
            << "': " << (error != 0 ? std::strerror(error) : "the file cannot be read") << '\n';
        return kExitNoInput;
    }
    return runBatch(file, out, err);
}

int dispatch(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err)
{
    constexpr std::string_view usage = "<command> [options]";
    if (args.empty()) {
        return usageError(err, "missing command", usage);
    }
    const std::string_view first = args.front();
    if (first == "--help" || first == "-h" || first == "--version") {
        if (args.size() > 1) {
            return usageError(err, "unexpected argument '" + std::string(args[1]) + "'", usage);
        }
        if (first == "--version") {
            out << kProgram << ' ' << version() << '\n';
        } else {
            printHelp(out);
        }
        return kExitOk;
    }
    if (first.size() > 1 && first.starts_with('-')) {
        return usageError(err, "unknown option '" + std::string(first) + "'", usage);
    }
    const auto rest = args.subspan(1);
    if (const Shape* shape = FindShape(first)) {
        return runShapeCommand(*shape, rest, out, err);
    }
    for (const Command& command : kCommands) {
        if (command.name == first) {
            return command.run(rest, in, out, err);
        }
    }
    return usageError(err, "unknown command '" + std::string(first) + "'", usage);
}

}  // namespace

std::string_view version()
{
    return LOOPCALC_VERSION;
}

int runCommandLine(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const int code = dispatch(args, in, out, err);
    out.flush();
    if (!out) {
        err << kProgram << ": writing the output failed\n";
        return kExitIoError;
    }
    return code;
}

}  // namespace loopcalc::cli
