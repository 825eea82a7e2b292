// SPDX-License-Identifier: MIT
// The tuning capacitor's texts on any doubles (the input's first sixteen
// bytes: an inductance or capacitance, then a frequency). A capacitance is
// three significant digits with a prefix from fF to F, or one of the
// statements that no capacitance applies, chosen by the value as shown; a
// three-digit value reads back within half a unit of its last digit; the
// command line's capacitor line is well-formed for every frequency it
// accepts.
#include "designaids.h"
#include "fuzzcheck.h"
#include "quantities.h"
#include "shapeoptions.h"

#include <cstdint>
#include <limits>
#include <sstream>

namespace {

using namespace loopcalc;
using namespace loopcalc::fuzzing;

// One part in 10^9 of slack at the edges between prefixes and statements:
// the prefix is chosen after a division, whose last bit may round either way.
constexpr double kEdge = 1e-9;

/// The shown number is the value rounded to three significant digits: at
/// most half a unit of the last digit away (0.5 % of 1.00).
bool ShowsThreeDigitsOf(long double shown, double value)
{
    return std::fabs(shown - value) <= 0.005L * std::fabs(value) * (1.0L + kEdge);
}

void CheckCapacitance(double farads)
{
    const std::string text = design::FormatCapacitance(farads);
    if (!std::isfinite(farads) || farads <= 0.0) {
        FUZZ_REQUIRE(text == "no capacitance resonates");
        return;
    }
    if (text == "below 1 fF: no practical capacitor") {
        FUZZ_REQUIRE(farads < 0.9995e-15 * (1.0 + kEdge));
        return;
    }
    if (text == "1000 F or more: no practical capacitor") {
        FUZZ_REQUIRE(farads >= 999.5 * (1.0 - kEdge));
        return;
    }
    FUZZ_REQUIRE(IsCapacitanceText(text));
    static constexpr struct {
        const char* unit;
        double scale;
    } kPrefixes[] = {{" fF", 1e-15},
                     {" pF", 1e-12},
                     {" nF", 1e-9},
                     {" \xC2\xB5"
                      "F",
                      1e-6},
                     {" mF", 1e-3},
                     {" F", 1.0}};
    for (const auto& prefix : kPrefixes) {
        if (text.ends_with(prefix.unit) && text.find(' ') == text.size() - std::strlen(prefix.unit)) {
            FUZZ_REQUIRE(ShowsThreeDigitsOf(LeadingNumber(text) * prefix.scale, farads));
            return;
        }
    }
    FUZZ_REQUIRE(false);
}

void CheckThreeDigits(double value)
{
    const std::string text = design::ThreeDigits(value);
    if (std::isnan(value)) {
        FUZZ_REQUIRE(text == "not a number");
        return;
    }
    if (std::isinf(value)) {
        FUZZ_REQUIRE(text == (value > 0 ? "infinity" : "-infinity"));
        return;
    }
    // Plain from 0.0001 to below 10^9, with three significant digits and the
    // zeros of the place; the exponent form beyond.
    static const Pattern shape("^-?(0\\.0{0,3}[1-9][0-9]{2}|[1-9]\\.[0-9]{2}|[1-9][0-9]\\.[0-9]|"
                               "[1-9][0-9]{2}0{0,6}|[1-9]\\.[0-9]{2}e[+-][0-9]{2,3}|0\\.00)$");
    FUZZ_REQUIRE(IsCleanLine(text, 12) && shape.matches(text));
    FUZZ_REQUIRE((text[0] == '-') == (value < 0.0));
    FUZZ_REQUIRE(text.find('e') == std::string::npos ||
                 (std::fabs(value) >= 0.99995e9 * (1.0 - kEdge) || std::fabs(value) < 1e-4 * (1.0 + kEdge)));
    // Read in long double: "1.80e+308" is beyond a double.
    const long double shown = std::strtold(text.c_str(), nullptr);
    // The smallest subnormals carry fewer digits than three.
    if (std::fabs(value) >= std::numeric_limits<double>::min()) {
        FUZZ_REQUIRE(ShowsThreeDigitsOf(shown, value));
    }
}

/// The line "C = 23.8 pF at 13.56 MHz" for an inductance and a frequency the
/// command line accepts.
void CheckCapacitorLine(double henries, double hertz)
{
    if (!design::IsTuningFrequency(hertz)) {
        return;
    }
    const std::string frequency = units::FormatFrequency(hertz);
    FUZZ_REQUIRE(IsFrequencyText(frequency));
    const double unit = frequency.ends_with(" GHz")   ? 1e9
                        : frequency.ends_with(" MHz") ? 1e6
                        : frequency.ends_with(" kHz") ? 1e3
                                                      : 1.0;
    FUZZ_REQUIRE(std::fabs(std::strtod(frequency.c_str(), nullptr) * unit - hertz) <= 1e-15 * hertz);
    std::ostringstream out;
    cli::PrintCapacitance(out, henries, hertz);
    FUZZ_REQUIRE(AreCalculationLines(out.str()));
    FUZZ_REQUIRE(out.str().find(" at " + frequency + (henries > 0.0 ? "\n" : " with")) != std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double values[2] = {0.0, 13.56e6};
    std::memcpy(values, data, std::min(size, sizeof values));
    CheckCapacitance(values[0]);
    CheckThreeDigits(values[0]);
    CheckCapacitorLine(values[0], values[1]);
    if (std::isfinite(values[0]) && values[0] > 0.0 && design::IsTuningFrequency(values[1])) {
        CheckCapacitance(design::TuningCapacitance(values[0], values[1]));
    }
    return 0;
}
