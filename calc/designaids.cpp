// SPDX-License-Identifier: MIT
#include "designaids.h"

#include "formulas.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <string_view>

namespace loopcalc::design {

namespace {

constexpr double kCircularExponent = 1.9;
constexpr double kSpiralDepthRatio = 0.2;
constexpr double kThinConductorRatio = 0.1;

std::optional<double> Root(double target, double perUnit, double exponent)
{
    if (!(target > 0.0) || (std::isfinite(perUnit) && !(perUnit > 0.0))) {
        return std::nullopt;
    }
    const double turns = std::pow(target / perUnit, 1.0 / exponent);
    // A formula that overflowed, or a ratio beyond a double: out of range.
    if (!std::isfinite(perUnit) || !std::isfinite(turns) || turns == 0.0) {
        return std::numeric_limits<double>::infinity();
    }
    return turns;
}

struct Rounded3 {
    std::string digits;  // three digits
    int exponent = 0;
};

/// The magnitude of a finite value rounded to three significant digits.
Rounded3 RoundTo3(double value)
{
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::scientific, 2);
    const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));  // "d.dde±xx"
    if (result.ec != std::errc() || text.size() < 7 || text[1] != '.' || text[4] != 'e') {
        return {"000", 0};  // not reached for a finite value
    }
    int exponent = 0;
    std::from_chars(text.data() + 6, text.data() + text.size(), exponent);
    return {std::string{text[0], text[2], text[3]}, text[5] == '-' ? -exponent : exponent};
}

constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = 8;

}  // namespace

bool IsTuningFrequency(double hertz)
{
    return hertz >= kLowestTuningHertz && hertz <= kHighestTuningHertz;
}

std::string ThreeDigits(double value)
{
    if (std::isnan(value)) {
        return "not a number";
    }
    if (std::isinf(value)) {
        return value > 0 ? "infinity" : "-infinity";
    }
    if (value < 0.0) {
        // Built by append: GCC 12 at -O3 warns falsely (-Wrestrict) on "-" + string.
        std::string text = "-";
        return text.append(ThreeDigits(-value));
    }
    const Rounded3 r = RoundTo3(value);
    if (r.exponent < kLowestPlainExponent || r.exponent > kHighestPlainExponent) {
        const std::string sign = r.exponent < 0 ? "-" : "+";
        const int magnitude = std::abs(r.exponent);
        return r.digits.substr(0, 1) + "." + r.digits.substr(1) + "e" + sign + (magnitude < 10 ? "0" : "") +
               std::to_string(magnitude);
    }
    if (r.exponent < 0) {
        return "0." + std::string(static_cast<size_t>(-r.exponent - 1), '0') + r.digits;
    }
    if (r.exponent >= 2) {
        return r.digits + std::string(static_cast<size_t>(r.exponent - 2), '0');
    }
    const auto point = static_cast<size_t>(r.exponent) + 1;
    return r.digits.substr(0, point) + "." + r.digits.substr(point);
}

std::optional<double> CircularTurnsFor(double henries, double radius, double wireRadius)
{
    return Root(henries, CircularCoilInductance(1.0, radius, wireRadius), kCircularExponent);
}

std::optional<double> RectLoopTurnsFor(double henries, double width, double height, double wireRadius)
{
    return Root(henries, RectLoopInductance(1.0, width, height, wireRadius), 2.0);
}

std::optional<double> SpiralTurnsFor(double henries, double meanRadius, double depth)
{
    // The spiral formula works in microhenries.
    return Root(henries * 1e6, SpiralCoilInductance(1.0, meanRadius, depth), 2.0);
}

double TuningCapacitance(double henries, double hertz)
{
    const double omega = 2.0 * std::numbers::pi * hertz;
    return 1.0 / (omega * omega * henries);
}

std::string FormatCapacitance(double farads)
{
    if (!std::isfinite(farads) || farads <= 0.0) {
        return "no capacitance resonates";
    }
    struct Prefix {
        const char* unit;
        double scale;  // the unit in farads
    };
    static constexpr std::array<Prefix, 6> kPrefixes{{{"fF", 1e-15},
                                                      {"pF", 1e-12},
                                                      {"nF", 1e-9},
                                                      {"\xC2\xB5"
                                                       "F",
                                                       1e-6},
                                                      {"mF", 1e-3},
                                                      {"F", 1.0}}};
    // The prefix is chosen on the value as shown: 999.95 pF shows as 1.00 nF.
    for (const Prefix& prefix : kPrefixes) {
        const double scaled = farads / prefix.scale;
        if (!std::isfinite(scaled)) {
            continue;  // far beyond this prefix
        }
        const int exponent = RoundTo3(scaled).exponent;
        if (exponent < 0) {
            return "below 1 fF: no practical capacitor";
        }
        if (exponent < 3) {
            return ThreeDigits(scaled) + " " + prefix.unit;
        }
    }
    return "1000 F or more: no practical capacitor";
}

std::optional<std::string> SpiralWarning(double meanRadius, double depth)
{
    if (depth < kSpiralDepthRatio * meanRadius) {
        return "the winding is shallow (depth below 0.2 x mean radius): the flat spiral formula is no longer "
               "accurate to about 5 %";
    }
    return std::nullopt;
}

std::vector<std::string> ConductorWarnings(double conductor, double smallestDimension, std::optional<double> henries,
                                           const std::string& conductorName)
{
    std::vector<std::string> warnings;
    if (conductor > kThinConductorRatio * smallestDimension) {
        warnings.push_back(conductorName +
                           " is above a tenth of the coil's smallest dimension: the thin-conductor assumption fails");
    }
    if (henries && *henries <= 0.0) {
        warnings.emplace_back("the coil is too small for its wire: the formula does not apply");
    }
    return warnings;
}

}  // namespace loopcalc::design
