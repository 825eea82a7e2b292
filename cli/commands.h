// SPDX-License-Identifier: MIT
// The commands of loopcalc-cli, each in its own file, and what they share:
// the program's name and the usage error. The dispatch picks one by its first
// argument.
#pragma once

#include "shapes.h"

#include <iosfwd>
#include <span>
#include <string_view>

namespace loopcalc::cli {

/// The program's name, at the start of its messages and usage lines.
constexpr std::string_view kProgramName = "loopcalc-cli";

/// Writes "loopcalc-cli: problem", the usage line and a pointer to --help to
/// err and returns the usage exit code.
int UsageError(std::ostream& err, std::string_view problem, std::string_view usage);

/// Commands that are not a shape. A new command is one more row of
/// Commands().
struct Command {
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;  ///< lines separated by '\n', no final full stop
    int (*run)(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);
};

/// "turns", "models" and "batch", in the order the help lists them.
[[nodiscard]] std::span<const Command> Commands();

/// A calculation: "circular --radius 10 ...".
int RunShapeCommand(const Shape& shape, std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

/// "turns SHAPE --target L ...": the turns for a target inductance.
int RunTurnsCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);

/// "models SHAPE ...": the classic result beside the numeric models.
int RunModelsCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);

/// "batch [FILE]": one calculation per CSV row.
int RunBatchCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace loopcalc::cli
