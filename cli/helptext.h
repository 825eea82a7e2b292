// SPDX-License-Identifier: MIT
// The help texts of loopcalc-cli: the program's, and each command's.
#pragma once

#include "shapes.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace loopcalc::cli {

constexpr std::string_view kTurnsSynopsis = "turns SHAPE --target L [the shape's options but --turns]";
constexpr std::string_view kTurnsSummary = "prints the exact number of turns at which SHAPE's formula gives the\n"
                                           "inductance L (\"1.5uH\", \"820nH\", \"0.02mH\", plain henries), then the\n"
                                           "whole numbers below and above it with the result each gives, as\n"
                                           "\"4 turns: 1.20 µH\"; exit status 2 when no accepted number of turns\n"
                                           "reaches L. Takes --frequency and --no-warnings as a calculation does";

constexpr std::string_view kModelsSynopsis = "models SHAPE [the shape's options] [model options]";
constexpr std::string_view kModelsSummary =
    "prints the classic result, as the calculation prints it, then the numeric\n"
    "reference and the published closed forms for the same coil, one line each:\n"
    "name, inductance (three significant digits and a unit) and difference from\n"
    "the reference in per cent, or why a model does not apply. Model options:\n"
    "circular, rectangular --winding bundle|layer; spiral --wire-radius MM or\n"
    "--trace MM; flat-rectangular --gap MM, --thickness MM (\"models --help\"\n"
    "gives the coil each model takes). Exit status as the calculation's";

constexpr std::string_view kBatchSynopsis = "batch [FILE]";
constexpr std::string_view kBatchSummary =
    "reads CSV rows from FILE (standard input when FILE is absent or \"-\") and\n"
    "writes them to standard output with the columns outcome, text and henries;\n"
    "a \"frequency\" column adds \"capacitance\" (farads) after henries, and\n"
    "--warnings (\"batch --warnings [FILE]\") adds a last column \"warning\".\n"
    "The delimiter, \",\", \";\" or a tab, is read from the header row and kept\n"
    "in the output; in a \";\" file, as a decimal-comma spreadsheet writes it,\n"
    "numbers may have a decimal comma and the output's numbers have one.\n"
    "--output-bom starts the output with a UTF-8 byte order mark. --models adds\n"
    "\"reference\" (henries, empty where the reference has no value), a column\n"
    "per closed form (maxwell-gmd, wheeler-1928, grover-gmd, current-sheet,\n"
    "modified-wheeler) and \"reference-note\"; it reads the optional columns\n"
    "gap, thickness and winding and, in spiral rows, wire-radius and trace";

/// "circular [--radius MM] [--turns N] [--wire-radius MM]".
[[nodiscard]] std::string Synopsis(const Shape& shape);

/// The program's help: every command, the options, units, warnings and exit codes.
void PrintHelp(std::ostream& out);
/// "circular --help".
void PrintShapeHelp(std::ostream& out, const Shape& shape);
/// "turns --help".
void PrintTurnsHelp(std::ostream& out);
/// "models flat-rectangular [--width MM] ... [--gap MM] [--thickness MM]".
[[nodiscard]] std::string ModelsSynopsis(const Shape& shape);
/// "models --help": the model options and the coil each model takes.
void PrintModelsHelp(std::ostream& out);
/// "batch --help".
void PrintBatchHelp(std::ostream& out);

}  // namespace loopcalc::cli
