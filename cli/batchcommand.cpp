// SPDX-License-Identifier: MIT
// "batch [FILE]": the command's options and the opening of its file; the
// rows are RunBatch()'s.
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

constexpr std::array<OptionDefinition, 5> kBatchOptions{
    {{"--help", false}, {"-h", false}, {"--warnings", false}, {"--output-bom", false}, {"--models", false}}};

/// "loopcalc-cli: batch: cannot open 'x': reason".
int CannotOpen(std::ostream& err, const std::string& path, std::string_view reason)
{
    err << kProgramName << ": batch: cannot open '" << path << "': " << reason << '\n';
    return kExitNoInput;
}

int RunBatchFile(const std::string& path, std::ostream& out, std::ostream& err, const BatchOptions& options)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        return CannotOpen(err, path, std::make_error_code(std::errc::is_a_directory).message());
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        const int error = errno;
        return CannotOpen(err, path, error != 0 ? std::strerror(error) : "the file cannot be read");
    }
    return RunBatch(file, out, err, options);
}

}  // namespace

int RunBatchCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const ParsedArguments parsed = ParseArguments(args, kBatchOptions);
    if (const std::string problem = ParseProblem(parsed, nullptr); !problem.empty()) {
        return UsageError(err, problem, kBatchSynopsis);
    }
    if (parsed.positionals.size() > 1) {
        return UsageError(err, "unexpected argument '" + std::string(parsed.positionals[1]) + "'", kBatchSynopsis);
    }
    if (WantsHelp(parsed)) {
        PrintBatchHelp(out);
        return kExitOk;
    }
    BatchOptions options;
    for (const ParsedOption& option : parsed.options) {
        options.warnings = options.warnings || option.name == "--warnings";
        options.outputBom = options.outputBom || option.name == "--output-bom";
        options.models = options.models || option.name == "--models";
    }
    if (parsed.positionals.empty() || parsed.positionals.front() == "-") {
        return RunBatch(in, out, err, options);
    }
    return RunBatchFile(std::string(parsed.positionals.front()), out, err, options);
}

}  // namespace loopcalc::cli
