// SPDX-License-Identifier: MIT
// Running the command line in-process, and a stream that fails on demand.
#pragma once

#include "batchrunner.h"
#include "commandline.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace loopcalc::testing {

/// The micro sign, as the program prints it (UTF-8).
inline const std::string kMicro = "\xC2\xB5";

/// Warnings the command line prints on standard error.
inline const std::string kShallowWarning = "warning: the winding is shallow (depth below 0.2 x mean radius): the "
                                           "flat spiral formula is no longer accurate to about 5 %\n";
inline const std::string kThickTraceWarning = "warning: the trace size is above a tenth of the coil's smallest "
                                              "dimension: the thin-conductor assumption fails\n";

/// What one run of the command line printed and returned.
struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

inline CliRun RunCli(const std::vector<std::string_view>& args, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliRun r;
    r.code = loopcalc::cli::RunCommandLine(args, in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

/// One run of the batch over `input`: what it printed and returned.
inline CliRun RunBatchOn(const std::string& input, const cli::BatchOptions& options = {})
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliRun r;
    r.code = cli::RunBatch(in, out, err, options);
    r.out = out.str();
    r.err = err.str();
    return r;
}

/// A table row: the arguments and what the run must give.
struct CliCase {
    std::vector<std::string_view> args;
    int code;
    std::string out;
    std::string err;
};

inline std::ostream& operator<<(std::ostream& os, const CliCase& c)
{
    for (const auto arg : c.args) {
        os << '[' << arg << ']';
    }
    return os;
}

/// A usage error: the arguments and the first line of what is printed.
struct UsageCase {
    std::vector<std::string_view> args;
    std::string problem;
};

inline std::ostream& operator<<(std::ostream& os, const UsageCase& c)
{
    for (const auto arg : c.args) {
        os << '[' << arg << ']';
    }
    return os;
}

/// A usage error names its problem, shows the usage, prints nothing on
/// standard output and exits with 64.
inline void ExpectUsageError(const UsageCase& c)
{
    const CliRun r = RunCli(c.args);
    EXPECT_EQ(r.code, 64);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "loopcalc-cli: " + c.problem);
    EXPECT_NE(r.err.find("\nUsage: loopcalc-cli "), std::string::npos) << r.err;
}

/// Hands out its text, then fails as a broken device would.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::string text)
        : m_text(std::move(text))
    {
        setg(m_text.data(), m_text.data(), m_text.data() + m_text.size());
    }

protected:
    int_type underflow() override { throw std::runtime_error("device failed"); }

private:
    std::string m_text;
};

}  // namespace loopcalc::testing
