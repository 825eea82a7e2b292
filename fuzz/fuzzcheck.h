// SPDX-License-Identifier: MIT
// Property checks shared by the fuzz targets.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

/// Stops the run with a crash that libFuzzer records (and keeps the input
/// that caused it) when a property does not hold.
#define FUZZ_REQUIRE(condition)                                                                                        \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #condition);               \
            __builtin_trap();                                                                                          \
        }                                                                                                              \
    } while (false)

namespace loopcalc::fuzzing {

/// The input's first bytes as a double, any bit pattern (NaNs, infinities,
/// subnormals) included; none when the input is too short.
inline std::optional<double> DoubleFrom(const uint8_t* data, size_t size)
{
    if (size < sizeof(double)) {
        return std::nullopt;
    }
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    return value;
}

/// The value rounded to 15 significant digits, rounded independently of the
/// code under test: through the C library's correctly rounded conversions.
inline double Rounded15(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::strtod(buffer, nullptr);
}

/// The decimal exponent of a value rounded to 15 significant digits.
inline int Exponent15(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    return std::atoi(std::strchr(buffer, 'e') + 1);
}

inline bool ContainsNoCase(std::string_view text, std::string_view word)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower.find(word) != std::string::npos;
}

/// The number in front of a result text's unit (" 12.34 µH" gives 12.34).
inline double LeadingNumber(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace loopcalc::fuzzing

namespace loopcalc::fuzzing {

/// A line a user reads: bounded, printable, never naming NaN or infinity.
inline bool IsCleanLine(std::string_view line, std::size_t longest = 160)
{
    return line.size() <= longest && line.find('\0') == std::string_view::npos &&
           line.find('\n') == std::string_view::npos && !ContainsNoCase(line, "nan") && !ContainsNoCase(line, "inf");
}

/// "12.3 fF", "56.2 pF", "1.23 nF", "4.70 µF", "1.00 mF", "220 F": three
/// significant digits, one prefix from fF to F.
inline bool IsCapacitanceText(const std::string& text)
{
    static const std::regex shape("^([1-9]\\.[0-9]{2}|[1-9][0-9]\\.[0-9]|[1-9][0-9]{2}) (fF|pF|nF|µF|mF|F)$");
    return IsCleanLine(text, 16) && std::regex_match(text, shape);
}

/// What is said where no capacitance applies.
inline bool IsNoCapacitanceText(const std::string& text)
{
    return text == "no capacitance resonates" || text == "below 1 fF: no practical capacitor" ||
           text == "1000 F or more: no practical capacitor";
}

/// "13.56 MHz", "125 kHz", "1 Hz", "100 GHz": shortest digits, no exponent.
inline bool IsFrequencyText(const std::string& text)
{
    static const std::regex shape("^[1-9][0-9]{0,2}(\\.[0-9]+)? (Hz|kHz|MHz|GHz)$");
    return IsCleanLine(text, 32) && std::regex_match(text, shape);
}

/// The out-of-range message names a value beyond a double as the general
/// text form does (" Infinity", " NaN"): a length typed at the edge of a
/// double gets there ("--wire-radius 4e-311"). The line is checked with a
/// number in its place.
inline std::string WithoutNonFiniteResult(const std::string& line)
{
    static const std::regex nonFinite("Result out of range: ( Infinity|-Infinity| NaN) ");
    return std::regex_replace(line, nonFinite, "Result out of range:  0 ");
}

/// A line that a single calculation or "turns" prints on standard output:
/// a result, a result out of range, the exact turns, a whole number of
/// turns with its result, or the tuning capacitor.
inline bool IsCalculationLine(const std::string& line)
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

/// Every line of a program's standard output is a calculation line, and the
/// output ends with a line end.
inline bool AreCalculationLines(std::string_view out)
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

/// What "models" prints on standard output: the classic result, then one
/// line a model, its name first, then a value with its unit, "no value" or
/// the result out of range, then its difference and note.
inline bool AreModelLines(std::string_view out)
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
