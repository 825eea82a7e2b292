// SPDX-License-Identifier: MIT
// The property checks that read text with regular expressions, compiled once
// for all the fuzz targets (see fuzzcheck.h).
#include "fuzzcheck.h"

#include <cstdio>
#include <regex>
#include <string>
#include <string_view>

namespace loopcalc::fuzzing {

struct Pattern::Compiled {
    std::regex regex;
};

Pattern::Pattern(const std::string& expression)
    : m_compiled(std::make_unique<Compiled>(Compiled{std::regex(expression)}))
{
}

Pattern::Pattern(Pattern&& other) noexcept = default;
Pattern& Pattern::operator=(Pattern&& other) noexcept = default;
Pattern::~Pattern() = default;

bool Pattern::matches(const std::string& text) const
{
    return std::regex_match(text, m_compiled->regex);
}

bool IsCapacitanceText(const std::string& text)
{
    static const std::regex shape("^([1-9]\\.[0-9]{2}|[1-9][0-9]\\.[0-9]|[1-9][0-9]{2}) (fF|pF|nF|µF|mF|F)$");
    return IsCleanLine(text, 16) && std::regex_match(text, shape);
}

bool IsFrequencyText(const std::string& text)
{
    static const std::regex shape("^[1-9][0-9]{0,2}(\\.[0-9]+)? (Hz|kHz|MHz|GHz)$");
    return IsCleanLine(text, 32) && std::regex_match(text, shape);
}

std::string WithoutNonFiniteResult(const std::string& line)
{
    static const std::regex nonFinite("Result out of range: ( Infinity|-Infinity| NaN) ");
    return std::regex_replace(line, nonFinite, "Result out of range:  0 ");
}

bool IsCalculationLine(const std::string& line)
{
    static const std::string result = "([ -]?[0-9]+(\\.[0-9]+)? (nH|µH|mH)"
                                      "|Result out of range: [ -][0-9]*(\\.[0-9]+)?(E[+-][0-9]+)? (H|µH))";
    // Whole numbers too take the exponent form from 10^21 on.
    static const std::string turns = "[0-9]+(\\.[0-9]+)?(e[+-][0-9]+)?";
    static const std::regex shapes[] = {
        std::regex("^" + result + "$"),
        std::regex("^" + turns + "$"),
        std::regex("^" + turns + " turns?:( " + result + "| not accepted \\([ -~]+\\))$"),
        std::regex("^C = (.*) at (.*)$"),
        std::regex("^C: no capacitance resonates at (.*) with an inductance of 0 or less$"),
    };
    if (!IsCleanLine(line)) {
        return false;
    }
    for (const std::regex& shape : shapes) {
        std::smatch match;
        if (!std::regex_match(line, match, shape)) {
            continue;
        }
        if (match.size() == 3 && line.starts_with("C = ")) {
            return (IsCapacitanceText(match[1]) || IsNoCapacitanceText(match[1])) && IsFrequencyText(match[2]);
        }
        if (match.size() == 2 && line.starts_with("C: ")) {
            return IsFrequencyText(match[1]);
        }
        return true;
    }
    return false;
}

bool AreCalculationLines(std::string_view out)
{
    if (!out.empty() && out.back() != '\n') {
        return false;
    }
    while (!out.empty()) {
        const std::size_t end = out.find('\n');
        if (!IsCalculationLine(WithoutNonFiniteResult(std::string(out.substr(0, end))))) {
            std::fprintf(stderr, "ill-formed line: %s\n", std::string(out.substr(0, end)).c_str());
            return false;
        }
        out.remove_prefix(end + 1);
    }
    return true;
}

bool AreModelLines(std::string_view out)
{
    static const std::regex line(
        "^[A-Za-z][ -~]*[A-Za-z0-9)] +(-?[0-9.]+(e[+-][0-9]+)? (nH|µH|mH|H)|no value|refused: [ -~]+|"
        "Result out of range: [ -][0-9]*(\\.[0-9]+)?(E[+-][0-9]+)? (H|µH))( .*)?$");
    if (!out.empty() && out.back() != '\n') {
        return false;
    }
    while (!out.empty()) {
        const std::string text(out.substr(0, out.find('\n')));
        const std::string checked = WithoutNonFiniteResult(text);
        if (!IsCleanLine(checked, 240) || !std::regex_match(checked, line)) {
            std::fprintf(stderr, "ill-formed line: %s\n", text.c_str());
            return false;
        }
        out.remove_prefix(text.size() + 1);
    }
    return true;
}

}  // namespace loopcalc::fuzzing
