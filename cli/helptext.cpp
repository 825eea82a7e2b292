// SPDX-License-Identifier: MIT
#include "helptext.h"

#include "commands.h"
#include "shapemodels.h"

#include <ostream>

namespace loopcalc::cli {

namespace {

/// Options every calculation takes besides its shape's own.
constexpr std::string_view kCommonOptionsHelp =
    "  --frequency F  also print the capacitance that tunes the result to F, on a\n"
    "                 second line: \"C = 91.8 pF at 13.56 MHz\" (pF below 1 nF,\n"
    "                 then nF, three significant digits). F is \"13.56MHz\",\n"
    "                 \"125kHz\", \"2.4GHz\", \"50Hz\" or plain hertz\n"
    "  --no-warnings  print no warnings. By default the warnings below go to\n"
    "                 standard error as \"warning: ...\" (the result and exit\n"
    "                 status stay); --warnings, after --no-warnings, brings them back\n";

constexpr std::string_view kUnitsHelp =
    "Lengths:\n"
    "  a plain number is millimetres; a unit may follow, with or without a blank:\n"
    "  mm, cm, m, um (or \u00b5m), in, mil (\"10mm\", \"1cm\", \"0.5in\", \"20mil\").\n"
    "  Inductances (--target): H, mH, uH (or \u00b5H), nH, pH; a plain number is henries.\n"
    "  Frequencies (--frequency): Hz, kHz, MHz, GHz; a plain number is hertz.\n"
    "  Units are case-sensitive; an unknown unit is a usage error.\n";

constexpr std::string_view kWarningsHelp =
    "Warnings (by default; --no-warnings silences them), given only when the\n"
    "inputs passed their checks:\n"
    "  every shape: the classic result more than 10 % above or below the numeric\n"
    "    reference (\"models SHAPE\" shows it; here the model options take their\n"
    "    defaults), as \"the classic formula reads 29 % above the\n"
    "    partial-inductance reference (3.92 \u00b5H)\"\n"
    "  spiral: depth below 0.2 x mean radius, where the flat spiral formula is\n"
    "    no longer accurate to about 5 %\n"
    "  circular, rectangular, flat-rectangular: a wire radius or trace size\n"
    "    above a tenth of the smallest of radius, width and height (the formula\n"
    "    takes the conductor as thin), and a result of 0 or less (the coil is\n"
    "    too small for its wire: the formula does not apply)\n"
    "  In a batch only the latter two, and only with --warnings.\n";

constexpr std::string_view kModelOptionsHelp =
    "Model options:\n"
    "  --winding W    circular, rectangular: how the turns lie. bundle (default):\n"
    "                 at the pitch 2 x wire radius in a square-packed cross-section\n"
    "                 of ceil(sqrt(N)) turns along the axis per layer, layers\n"
    "                 outward, centred on the radius (circular: the mean radius;\n"
    "                 rectangular: the width x height centre line). layer: one\n"
    "                 layer at the pitch 2 x wire radius\n"
    "  --wire-radius MM  spiral: a round wire (default half the pitch: closely wound)\n"
    "  --trace MM     spiral: a printed strip of that width instead of a wire\n"
    "  --gap MM       flat-rectangular: the edge-to-edge spacing of neighbouring\n"
    "                 turns (default the trace width)\n"
    "  --thickness MM flat-rectangular: the copper thickness (default 0.035 mm)\n"
    "\n"
    "The coil the models take (low frequency: no skin or proximity effect, no\n"
    "feed line, no nearby metal, no self-resonance):\n"
    "  flat-rectangular: width and height run centre trace to centre trace of the\n"
    "    outermost turn; the trace size is the trace width. An inward rectangular\n"
    "    spiral of round(4N) straight sides from a corner, each side after the\n"
    "    first two shorter by one pitch (trace + gap) than the side two before\n"
    "    it; the feed line and the crossover are left out. Reference: partial\n"
    "    inductances of the sides (Greenhouse 1974).\n"
    "  spiral: the outer and inner radius bound the winding: N turns at the\n"
    "    pitch (outer - inner) / N, turn k a ring of radius\n"
    "    inner + (k + 1/2) x pitch. Reference: the rings' self-inductances and\n"
    "    Maxwell's mutual inductances of coaxial circles.\n"
    "  circular: the radius is the winding's mean radius. Reference: the rings'\n"
    "    self-inductances and Maxwell's mutual inductance of every pair of turns.\n"
    "  rectangular: each turn a closed rectangle around the width x height centre\n"
    "    line. Reference: partial inductances of straight round wires (Grover).\n"
    "  Fractional turns lie on the straight line between the whole numbers of\n"
    "  turns around N (the flat rectangular coil follows quarter turns). Above a\n"
    "  few thousand turns the reference is a closed form; its note says so.\n";

constexpr std::string_view kOptionsAndExitHelp =
    "Options:\n"
    "  -h, --help   show this help and exit (after a command: that command's help)\n"
    "  --version    show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0   the result was printed (batch: every row was processed)\n"
    "  2   an input was refused, or turns found no accepted number of turns;\n"
    "      the message is on standard error\n"
    "  3   the result is out of range; the message is on standard error\n"
    "  64  usage error\n"
    "  65  batch input is not CSV with a 'shape' column\n"
    "  66  batch file cannot be opened\n"
    "  74  reading or writing failed\n";

std::string_view Metavar(const ShapeField& field)
{
    return field.kind == FieldKind::Turns ? "N" : "MM";
}

/// "radius 10, turns 11.5, ...": the values an option left out takes.
void PrintDefaults(std::ostream& out, const Shape& shape)
{
    out << "defaults:";
    for (const ShapeField& field : shape.fields) {
        out << " --" << field.option << ' ' << field.initialText;
    }
}

/// A shape's entry in the list of commands.
void PrintShapeEntry(std::ostream& out, const Shape& shape)
{
    out << "  " << Synopsis(shape) << "\n      " << shape.description << "\n      ";
    PrintDefaults(out, shape);
    out << '\n';
}

/// A command's entry in the list of commands: its synopsis, then its summary
/// indented line by line.
void PrintCommandEntry(std::ostream& out, const Command& command)
{
    out << "  " << command.synopsis << '\n';
    std::string_view summary = command.summary;
    while (!summary.empty()) {
        const std::size_t end = summary.find('\n');
        out << "      " << summary.substr(0, end) << '\n';
        summary = end == std::string_view::npos ? std::string_view() : summary.substr(end + 1);
    }
}

}  // namespace

std::string Synopsis(const Shape& shape)
{
    std::string text(shape.name);
    for (const ShapeField& field : shape.fields) {
        text += " [--";
        text += field.option;
        text += ' ';
        text += Metavar(field);
        text += ']';
    }
    return text;
}

std::string ModelsSynopsis(const Shape& shape)
{
    std::string text = "models ";
    text.append(Synopsis(shape)).append(" ").append(shape.models->synopsis);
    return text;
}

void PrintHelp(std::ostream& out)
{
    out << "Usage: " << kProgramName << " <command> [options]\n"
        << "       " << kProgramName << " --help | --version\n"
        << "\n"
        << "Calculates the inductance of small coils. Lengths are in millimetres unless\n"
        << "a unit follows, turns a plain number (fractions allowed); \".\" is the\n"
        << "decimal point whatever the locale. An option may be given as \"--radius 10\"\n"
        << "or \"--radius=10\"; an option left out takes the value shown.\n"
        << "\n"
        << "Commands:\n";
    for (const Shape& shape : Shapes()) {
        PrintShapeEntry(out, shape);
    }
    for (const Command& command : Commands()) {
        PrintCommandEntry(out, command);
    }
    out << "\n"
        << "Options of the four shapes, of turns and of models:\n"
        << kCommonOptionsHelp << "  --target L     turns only: the inductance to reach\n"
        << "\n"
        << kModelOptionsHelp << "\n"
        << kUnitsHelp << "\n"
        << kWarningsHelp << "\n"
        << kOptionsAndExitHelp;
}

void PrintShapeHelp(std::ostream& out, const Shape& shape)
{
    out << "Usage: " << kProgramName << ' ' << Synopsis(shape) << '\n'
        << "       [--frequency F] [--no-warnings]\n"
        << "Calculates a " << shape.description << ". Lengths in millimetres unless a\n"
        << "unit follows, \".\" as the decimal point; an option left out takes its default.\n";
    PrintDefaults(out, shape);
    out << "\n\n" << kCommonOptionsHelp << '\n' << kUnitsHelp;
}

void PrintTurnsHelp(std::ostream& out)
{
    out << "Usage: " << kProgramName << ' ' << kTurnsSynopsis << " [--frequency F] [--no-warnings]\n"
        << kTurnsSummary << ".\n\nShapes and their options:\n";
    for (const Shape& shape : Shapes()) {
        out << "  " << shape.name;
        for (const ShapeField& field : shape.fields) {
            if (field.kind != FieldKind::Turns) {
                out << " [--" << field.option << " MM]";
            }
        }
        out << '\n';
    }
    out << "\n" << kCommonOptionsHelp << "  --target L     the inductance to reach (required)\n\n" << kUnitsHelp;
}

void PrintModelsHelp(std::ostream& out)
{
    out << "Usage: " << kProgramName << ' ' << kModelsSynopsis << "\n       [--no-warnings]\n"
        << kModelsSummary << ".\n\nShapes and their options:\n";
    for (const Shape& shape : Shapes()) {
        out << "  " << Synopsis(shape) << "\n      " << shape.models->synopsis << '\n';
    }
    out << '\n' << kModelOptionsHelp << '\n' << kUnitsHelp;
}

void PrintBatchHelp(std::ostream& out)
{
    out << "Usage: " << kProgramName << ' ' << kBatchSynopsis << '\n' << kBatchSummary << '\n';
}

}  // namespace loopcalc::cli
