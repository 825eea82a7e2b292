// SPDX-License-Identifier: MIT
// Property checks shared by the fuzz targets.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
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

/// A regular expression (std::regex's ECMAScript grammar), compiled once
/// when made. The regular expressions live in fuzzcheck.cpp, compiled once
/// for all the targets: instantiated with the sanitizers in every target,
/// they took most of each target's compile time.
class Pattern {
public:
    explicit Pattern(const std::string& expression);
    Pattern(Pattern&& other) noexcept;
    Pattern& operator=(Pattern&& other) noexcept;
    Pattern(const Pattern&) = delete;
    Pattern& operator=(const Pattern&) = delete;
    ~Pattern();

    /// True when the whole text matches (std::regex_match).
    bool matches(const std::string& text) const;

private:
    struct Compiled;
    std::unique_ptr<Compiled> m_compiled;
};

/// "12.3 fF", "56.2 pF", "1.23 nF", "4.70 µF", "1.00 mF", "220 F": three
/// significant digits, one prefix from fF to F.
bool IsCapacitanceText(const std::string& text);

/// What is said where no capacitance applies.
inline bool IsNoCapacitanceText(const std::string& text)
{
    return text == "no capacitance resonates" || text == "below 1 fF: no practical capacitor" ||
           text == "1000 F or more: no practical capacitor";
}

/// "13.56 MHz", "125 kHz", "1 Hz", "100 GHz": shortest digits, no exponent.
bool IsFrequencyText(const std::string& text);

/// The out-of-range message names a value beyond a double as the general
/// text form does (" Infinity", " NaN"): a length typed at the edge of a
/// double gets there ("--wire-radius 4e-311"). The line is checked with a
/// number in its place.
std::string WithoutNonFiniteResult(const std::string& line);

/// A line that a single calculation or "turns" prints on standard output:
/// a result, a result out of range, the exact turns, a whole number of
/// turns with its result, or the tuning capacitor.
bool IsCalculationLine(const std::string& line);

/// Every line of a program's standard output is a calculation line, and the
/// output ends with a line end.
bool AreCalculationLines(std::string_view out);

/// What "models" prints on standard output: the classic result, then one
/// line a model, its name first, then a value with its unit, "no value" or
/// the result out of range, then its difference and note.
bool AreModelLines(std::string_view out);

}  // namespace loopcalc::fuzzing
