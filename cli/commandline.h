// SPDX-License-Identifier: MIT
// The loopcalc-cli command line: commands, options, help and exit codes.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace loopcalc::cli {

/// The version that --version prints after the program name.
[[nodiscard]] std::string_view Version();

/// Runs loopcalc-cli with its arguments (without the program name) and
/// returns the exit code: 0 for a result (printed on out), 2 when an input
/// is refused or "turns" finds no accepted number of turns and 3 when the
/// result is out of range (the message on err), 64
/// for a usage error (a short usage text naming the problem on err), and the
/// batch codes of RunBatch(), plus 66 when the batch file cannot be opened.
/// Batch input without a file name is read from in. With --frequency a
/// second line gives the tuning capacitance; with --warnings the validity
/// warnings go to err, each line starting "warning: ", and change neither the
/// output nor the exit code.
int RunCommandLine(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace loopcalc::cli
