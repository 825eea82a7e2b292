// SPDX-License-Identifier: MIT
#include "designaids.h"

#include "formulas.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <string_view>

namespace loopcalc::design {

namespace {

constexpr double kCircularExponent = 1.9;
constexpr double kSpiralDepthRatio = 0.2;
constexpr double kThinConductorRatio = 0.1;

std::optional<double> Root(double target, double perUnit, double exponent)
{
    if (!(target > 0.0) || !(perUnit > 0.0) || !std::isfinite(perUnit)) {
        return std::nullopt;
    }
    const double turns = std::pow(target / perUnit, 1.0 / exponent);
    if (!std::isfinite(turns)) {
        return std::nullopt;
    }
    return turns;
}

struct Rounded3 {
    std::string digits;  // three digits
    int exponent = 0;
};

Rounded3 RoundTo3(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 2);
    const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));  // "d.dde±xx"
    int exponent = 0;
    std::from_chars(text.data() + 6, text.data() + text.size(), exponent);
    return {std::string{text[0], text[2], text[3]}, text[5] == '-' ? -exponent : exponent};
}

}  // namespace

std::string ThreeDigits(double value)
{
    const Rounded3 r = RoundTo3(value);
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
    // The unit is chosen on the value as shown: 999.95 pF shows as 1.00 nF.
    const double picofarads = farads * 1e12;
    if (RoundTo3(picofarads).exponent < 3) {
        return ThreeDigits(picofarads) + " pF";
    }
    return ThreeDigits(picofarads / 1000.0) + " nF";
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
