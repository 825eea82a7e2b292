// SPDX-License-Identifier: MIT
// Property checks shared by the fuzz targets.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
