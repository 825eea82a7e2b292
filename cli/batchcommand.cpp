// SPDX-License-Identifier: MIT
// "batch [FILE]": the command's options and the opening of its file; the
// rows are runBatch()'s.
#include "batchrunner.h"
#include "commands.h"
#include "exitcodes.h"
#include "helptext.h"
#include "shapeoptions.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>

namespace loopcalc::cli {

namespace {

constexpr std::array<OptionDefinition, 3> kBatchOptions{{{"--help", false}, {"-h", false}, {"--warnings", false}}};

/// "loopcalc-cli: batch: cannot open 'x': reason".
int cannotOpen(std::ostream& err, const std::string& path, std::string_view reason)
{
    err << kProgramName << ": batch: cannot open '" << path << "': " << reason << '\n';
    return kExitNoInput;
}

int runBatchFile(const std::string& path, std::ostream& out, std::ostream& err, const BatchOptions& options)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        return cannotOpen(err, path, std::make_error_code(std::errc::is_a_directory).message());
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        const int error = errno;
        return cannotOpen(err, path, error != 0 ? std::strerror(error) : "the file cannot be read");
    }
    return runBatch(file, out, err, options);
}

}  // namespace

int runBatchCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const ParsedArguments parsed = parseArguments(args, kBatchOptions);
    if (const std::string problem = parseProblem(parsed, nullptr); !problem.empty()) {
        return usageError(err, problem, kBatchSynopsis);
    }
    if (parsed.positionals.size() > 1) {
        return usageError(err, "unexpected argument '" + std::string(parsed.positionals[1]) + "'", kBatchSynopsis);
    }
    if (wantsHelp(parsed)) {
        printBatchHelp(out);
        return kExitOk;
    }
    BatchOptions options;
    for (const ParsedOption& option : parsed.options) {
        options.warnings = options.warnings || option.name == "--warnings";
    }
    if (parsed.positionals.empty() || parsed.positionals.front() == "-") {
        return runBatch(in, out, err, options);
    }
    return runBatchFile(std::string(parsed.positionals.front()), out, err, options);
}

}  // namespace loopcalc::cli
