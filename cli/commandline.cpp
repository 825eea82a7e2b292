// SPDX-License-Identifier: MIT
// The dispatch: the first argument picks a shape, a command, the help or the
// version.
#include "commandline.h"

#include "commands.h"
#include "exitcodes.h"
#include "helptext.h"

#include <array>
#include <ostream>
#include <string>

namespace loopcalc::cli {

namespace {

constexpr std::string_view kUsage = "<command> [options]";

constexpr std::array<Command, 3> kCommands{{
    {"turns", kTurnsSynopsis, kTurnsSummary, &RunTurnsCommand},
    {"models", kModelsSynopsis, kModelsSummary, &RunModelsCommand},
    {"batch", kBatchSynopsis, kBatchSummary, &RunBatchCommand},
}};

/// "--help", "-h" or "--version" alone.
int RunProgramOption(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    if (args.size() > 1) {
        return UsageError(err, "unexpected argument '" + std::string(args[1]) + "'", kUsage);
    }
    if (args.front() == "--version") {
        out << kProgramName << ' ' << Version() << '\n';
    } else {
        PrintHelp(out);
    }
    return kExitOk;
}

int Dispatch(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        return UsageError(err, "missing command", kUsage);
    }
    const std::string_view first = args.front();
    if (first == "--help" || first == "-h" || first == "--version") {
        return RunProgramOption(args, out, err);
    }
    if (first.size() > 1 && first.starts_with('-')) {
        return UsageError(err, "unknown option '" + std::string(first) + "'", kUsage);
    }
    const auto rest = args.subspan(1);
    if (const Shape* shape = FindShape(first)) {
        return RunShapeCommand(*shape, rest, out, err);
    }
    for (const Command& command : kCommands) {
        if (command.name == first) {
            return command.run(rest, in, out, err);
        }
    }
    return UsageError(err, "unknown command '" + std::string(first) + "'", kUsage);
}

}  // namespace

std::span<const Command> Commands()
{
    return kCommands;
}

int UsageError(std::ostream& err, std::string_view problem, std::string_view usage)
{
    err << kProgramName << ": " << problem << '\n'
        << "Usage: " << kProgramName << ' ' << usage << '\n'
        << "Try '" << kProgramName << " --help' for more information.\n";
    return kExitUsage;
}

std::string_view Version()
{
    return LOOPCALC_VERSION;
}

int RunCommandLine(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const int code = Dispatch(args, in, out, err);
    out.flush();
    // A command that stopped on the failure has said so already.
    if (!out && code != kExitIoError) {
        err << kProgramName << ": writing the output failed\n";
        return kExitIoError;
    }
    return code;
}

}  // namespace loopcalc::cli
