// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "batchrunner.h"
#include "coildesign.h"
#include "designaids.h"
#include "display.h"
#include "exitcodes.h"
#include "optionparser.h"
#include "shapes.h"
#include "terminalport.h"
#include "units.h"

#include <array>
#include <cerrno>
#include <cmath>
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
constexpr std::array<OptionDefinition, 3> kBatchOptions{{{"--help", false}, {"-h", false}, {"--warnings", false}}};

/// Commands that are not a shape. A new command is one more row.
struct Command {
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;
    int (*run)(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);
};

int runBatchCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);
int runTurnsCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);

constexpr std::string_view kTurnsSynopsis = "turns SHAPE --target L [the shape's options but --turns]";
constexpr std::string_view kBatchSynopsis = "batch [FILE]";

constexpr std::array<Command, 2> kCommands{{
    {"turns", kTurnsSynopsis,
     "prints the exact number of turns at which SHAPE's formula gives the\n"
     "inductance L (\"1.5uH\", \"820nH\", \"0.02mH\", plain henries), then the\n"
     "whole numbers below and above it with the result each gives, as\n"
     "\"4 turns: 1.20 µH\"; exit status 2 when no accepted number of turns\n"
     "reaches L. Takes --frequency and --warnings as a calculation does",
     &runTurnsCommand},
    {"batch", kBatchSynopsis,
     "reads CSV rows from FILE (standard input when FILE is absent or \"-\") and\n"
     "writes them to standard output with the columns outcome, text and henries;\n"
     "a \"frequency\" column adds \"capacitance\" (farads) after henries, and\n"
     "--warnings (\"batch --warnings [FILE]\") adds a last column \"warning\"",
     &runBatchCommand},
}};

/// Options every calculation takes besides its shape's own.
constexpr std::string_view kCommonOptionsHelp =
    "  --frequency F  also print the capacitance that tunes the result to F, on a\n"
    "                 second line: \"C = 91.8 pF at 13.56 MHz\" (pF below 1 nF,\n"
    "                 then nF, three significant digits). F is \"13.56MHz\",\n"
    "                 \"125kHz\", \"2.4GHz\", \"50Hz\" or plain hertz\n"
    "  --warnings     print on standard error, as \"warning: ...\", where the\n"
    "                 formula no longer holds (the result and exit status stay)\n";

constexpr std::string_view kUnitsHelp =
    "Lengths:\n"
    "  a plain number is millimetres; a unit may follow, with or without a blank:\n"
    "  mm, cm, m, um (or \u00b5m), in, mil (\"10mm\", \"1cm\", \"0.5in\", \"20mil\").\n"
    "  Inductances (--target): H, mH, uH (or \u00b5H), nH, pH; a plain number is henries.\n"
    "  Frequencies (--frequency): Hz, kHz, MHz, GHz; a plain number is hertz.\n"
    "  Units are case-sensitive; an unknown unit is a usage error.\n";

constexpr std::string_view kWarningsHelp =
    "Warnings (--warnings), given only when the inputs passed their checks:\n"
    "  spiral: depth below 0.2 x mean radius, where the flat spiral formula is\n"
    "    no longer accurate to about 5 %\n"
    "  circular, rectangular, flat-rectangular: a wire radius or trace size\n"
    "    above a tenth of the smallest of radius, width and height (the formula\n"
    "    takes the conductor as thin), and a result of 0 or less (the coil is\n"
    "    too small for its wire: the formula does not apply)\n";

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
        << "Calculates the inductance of small coils. Lengths are in millimetres unless\n"
        << "a unit follows, turns a plain number (fractions allowed); \".\" is the\n"
        << "decimal point whatever the locale. An option may be given as \"--radius 10\"\n"
        << "or \"--radius=10\"; an option left out takes the value shown.\n"
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
        << "Options of the four shapes and of turns:\n"
        << kCommonOptionsHelp << "  --target L     turns only: the inductance to reach\n"
        << "\n"
        << kUnitsHelp << "\n"
        << kWarningsHelp << "\n"
        << "Options:\n"
        << "  -h, --help   show this help and exit (after a command: that command's help)\n"
        << "  --version    show the version and exit\n"
        << "\n"
        << "Exit status:\n"
        << "  0   the result was printed (batch: every row was processed)\n"
        << "  2   an input was refused, or turns found no accepted number of turns;\n"
        << "      the message is on standard error\n"
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

/// The options a shape command (or turns, without --turns) accepts: their
/// names live in names, which must outlive the definitions.
std::vector<OptionDefinition> shapeDefinitions(const Shape& shape, std::vector<std::string>& names, bool forTurns)
{
    names.clear();
    names.reserve(shape.fields.size());
    std::vector<OptionDefinition> definitions(kHelpOptions.begin(), kHelpOptions.end());
    for (const ShapeField& field : shape.fields) {
        if (!(forTurns && field.option == "turns")) {
            names.push_back("--" + std::string(field.option));
        }
    }
    for (const std::string& name : names) {
        definitions.push_back({name, true});
    }
    definitions.push_back({"--frequency", true});
    definitions.push_back({"--warnings", false});
    if (forTurns) {
        definitions.push_back({"--target", true});
    }
    return definitions;
}

/// The design-aid options given with a calculation.
struct DesignOptions {
    double hertz = 0.0;  ///< 0 without --frequency
    bool warnings = false;
    std::string_view target;  ///< turns only: --target as typed
};

/// Fills the port's boxes from the options and reads the design options;
/// returns the usage problem, or empty when there is none. Converted lengths
/// are written into buffers, one per field, which must outlive the
/// calculation.
std::string applyOptions(const Shape& shape, const ParsedArguments& parsed, TerminalPort& port,
                         std::array<NumberBuffer, TerminalPort::kMaxFields>& buffers, DesignOptions& design)
{
    port.setShape(shape);
    for (const ParsedOption& option : parsed.options) {
        if (option.name == "--frequency") {
            const Quantity frequency = readQuantity(option.value, frequencyUnits());
            if (frequency.status == Quantity::Status::UnknownUnit) {
                return "unknown unit '" + std::string(frequency.unit) + "' in --frequency '" +
                       std::string(option.value) + "' (use " + unitList(frequencyUnits()) + ")";
            }
            if (frequency.status != Quantity::Status::Number || !(frequency.value > 0.0) ||
                !std::isfinite(frequency.value)) {
                return "--frequency needs a frequency above 0 Hz, not '" + std::string(option.value) + "'";
            }
            design.hertz = frequency.value;
            continue;
        }
        if (option.name == "--warnings") {
            design.warnings = true;
            continue;
        }
        if (option.name == "--target") {
            design.target = option.value;
            continue;
        }
        if (option.name == "--help" || option.name == "-h") {
            continue;
        }
        const std::string_view name = option.name.substr(2);
        for (std::size_t f = 0; f < shape.fields.size(); ++f) {
            if (shape.fields[f].option != name) {
                continue;
            }
            if (name == "turns") {
                port.setField(f, option.value);
                break;
            }
            const LengthText length = lengthText(option.value, buffers[f]);
            if (length.status == LengthText::Status::UnknownUnit) {
                return "unknown unit '" + std::string(length.unit) + "' in " + std::string(option.name) + " '" +
                       std::string(option.value) + "' (use " + unitList(lengthUnits()) + ")";
            }
            port.setField(f, length.text);
            break;
        }
    }
    return {};
}

/// "C = 91.8 pF at 13.56 MHz".
void printCapacitance(std::ostream& out, double henries, double hertz)
{
    if (henries > 0.0) {
        out << "C = " << design::FormatCapacitance(design::TuningCapacitance(henries, hertz)) << " at "
            << formatFrequency(hertz) << '\n';
    } else {
        out << "C: no capacitance resonates at " << formatFrequency(hertz) << " with an inductance of 0 or less\n";
    }
}

void printWarnings(std::ostream& err, const std::vector<std::string>& warnings)
{
    for (const std::string& warning : warnings) {
        err << "warning: " << warning << '\n';
    }
}

void printCommandHelp(std::ostream& out, const Shape& shape)
{
    out << "Usage: " << kProgram << ' ' << synopsis(shape) << '\n'
        << "       [--frequency F] [--warnings]\n"
        << "Calculates a " << shapeSummary(shape.name) << ". Lengths in millimetres unless a\n"
        << "unit follows, \".\" as the decimal point; an option left out takes its default.\n";
    printDefaults(out, shape);
    out << "\n\n" << kCommonOptionsHelp << '\n' << kUnitsHelp;
}

int runShapeCommand(const Shape& shape, std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> names;
    const std::vector<OptionDefinition> definitions = shapeDefinitions(shape, names, false);
    const ParsedArguments parsed = parseArguments(args, definitions);
    if (const std::string problem = parseProblem(parsed, &shape); !problem.empty()) {
        return usageError(err, problem, synopsis(shape));
    }
    if (!parsed.positionals.empty()) {
        return usageError(err, "unexpected argument '" + std::string(parsed.positionals.front()) + "'",
                          synopsis(shape));
    }
    if (wantsHelp(parsed)) {
        printCommandHelp(out, shape);
        return kExitOk;
    }

    TerminalPort port;
    std::array<NumberBuffer, TerminalPort::kMaxFields> buffers;
    DesignOptions design;
    if (const std::string problem = applyOptions(shape, parsed, port, buffers, design); !problem.empty()) {
        return usageError(err, problem, synopsis(shape));
    }
    const Outcome outcome = port.calculate();
    if (outcome.kind == Outcome::Kind::Refused) {
        err << outcome.text << '\n';
        return kExitRefused;
    }
    if (outcome.kind == Outcome::Kind::OutOfRange) {
        err << outcome.text << '\n';
    } else {
        out << outcome.text << '\n';
        if (design.hertz > 0.0) {
            printCapacitance(out, outcome.henries, design.hertz);
        }
    }
    if (design.warnings) {
        printWarnings(err, validityWarnings(port, outcome.henries));
    }
    return outcome.kind == Outcome::Kind::Result ? kExitOk : kExitOutOfRange;
}

void printTurnsHelp(std::ostream& out)
{
    out << "Usage: " << kProgram << ' ' << kTurnsSynopsis << " [--frequency F] [--warnings]\n"
        << kCommands[0].summary << ".\n\nShapes and their options:\n";
    for (const Shape& shape : Shapes()) {
        out << "  " << shape.name;
        for (const ShapeField& field : shape.fields) {
            if (field.option != "turns") {
                out << " [--" << field.option << " MM]";
            }
        }
        out << '\n';
    }
    out << "\n" << kCommonOptionsHelp << "  --target L     the inductance to reach (required)\n\n" << kUnitsHelp;
}

int runTurnsCommand(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        return usageError(err, "turns needs a shape", kTurnsSynopsis);
    }
    if (args.front() == "--help" || args.front() == "-h") {
        printTurnsHelp(out);
        return kExitOk;
    }
    const Shape* shape = FindShape(args.front());
    if (shape == nullptr) {
        return usageError(err, "unknown shape '" + std::string(args.front()) + "'", kTurnsSynopsis);
    }
    const std::string usage = "turns " + std::string(shape->name) + " --target L [options]";
    std::vector<std::string> names;
    const std::vector<OptionDefinition> definitions = shapeDefinitions(*shape, names, true);
    const ParsedArguments parsed = parseArguments(args.subspan(1), definitions);
    if (parsed.error == ParsedArguments::Error::UnknownOption && parsed.offending == "--turns") {
        return usageError(err, "option '--turns' does not apply to turns: the number of turns is what it finds", usage);
    }
    if (const std::string problem = parseProblem(parsed, shape); !problem.empty()) {
        return usageError(err, problem, usage);
    }
    if (!parsed.positionals.empty()) {
        return usageError(err, "unexpected argument '" + std::string(parsed.positionals.front()) + "'", usage);
    }
    if (wantsHelp(parsed)) {
        printTurnsHelp(out);
        return kExitOk;
    }

    TerminalPort port;
    std::array<NumberBuffer, TerminalPort::kMaxFields> buffers;
    DesignOptions design;
    if (const std::string problem = applyOptions(*shape, parsed, port, buffers, design); !problem.empty()) {
        return usageError(err, problem, usage);
    }
    if (design.target.empty()) {
        return usageError(err, "turns needs --target, the inductance to reach", usage);
    }
    const Quantity target = readQuantity(design.target, inductanceUnits());
    if (target.status == Quantity::Status::UnknownUnit) {
        return usageError(err,
                          "unknown unit '" + std::string(target.unit) + "' in --target '" + std::string(design.target) +
                              "' (use " + unitList(inductanceUnits()) + ")",
                          usage);
    }
    if (target.status != Quantity::Status::Number || !(target.value > 0.0) || !std::isfinite(target.value)) {
        return usageError(err, "--target needs an inductance above 0 H, not '" + std::string(design.target) + "'",
                          usage);
    }

    const TurnsSearch search = findTurns(port, target.value, design.target);
    if (search.kind != TurnsSearch::Kind::Found) {
        err << search.message << '\n';
        return kExitRefused;
    }
    NumberBuffer buffer;
    out << shortestText(search.turns, buffer) << '\n';
    for (const TurnsSearch::Whole& whole : search.whole) {
        out << shortestText(whole.turns, buffer) << (whole.turns == 1.0 ? " turn:" : " turns:");
        // The result text follows as the result box shows it; the blank in
        // front is its own when it has one (" 1.20 µH", but "32 nH").
        const std::string& text = whole.outcome.text;
        switch (whole.outcome.kind) {
        case Outcome::Kind::Result: out << (text.starts_with(' ') ? "" : " ") << text; break;
        case Outcome::Kind::OutOfRange: out << ' ' << text; break;
        case Outcome::Kind::Refused: out << " not accepted (" << text << ')'; break;
        }
        out << '\n';
    }
    if (design.hertz > 0.0) {
        printCapacitance(out, target.value, design.hertz);
    }
    if (design.warnings) {
        printWarnings(err, validityWarnings(port, std::nullopt));
    }
    return kExitOk;
}

int runBatchCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err)
{
    constexpr std::string_view usage = kBatchSynopsis;
    const ParsedArguments parsed = parseArguments(args, kBatchOptions);
    if (const std::string problem = parseProblem(parsed, nullptr); !problem.empty()) {
        return usageError(err, problem, usage);
    }
    if (parsed.positionals.size() > 1) {
        return usageError(err, "unexpected argument '" + std::string(parsed.positionals[1]) + "'", usage);
    }
    if (wantsHelp(parsed)) {
        out << "Usage: " << kProgram << ' ' << usage << '\n' << kCommands[1].summary << '\n';
        return kExitOk;
    }
    BatchOptions options;
    for (const ParsedOption& option : parsed.options) {
        options.warnings = options.warnings || option.name == "--warnings";
    }

    if (parsed.positionals.empty() || parsed.positionals.front() == "-") {
        return runBatch(in, out, err, options);
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
    return runBatch(file, out, err, options);
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
