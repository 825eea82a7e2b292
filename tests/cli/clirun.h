// SPDX-License-Identifier: MIT
// Running the command line in-process, and a stream that fails on demand.
#pragma once

#include "commandline.h"

#include <ostream>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace loopcalc::testing {

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
    r.code = loopcalc::cli::runCommandLine(args, in, out, err);
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
