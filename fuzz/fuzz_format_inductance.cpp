// SPDX-License-Identifier: MIT
// The two result-text rules on any double (the input's first eight bytes):
// henries through FormatInductance, microhenries through
// FormatSpiralInductance. A result text has the unit's shape, shows the value
// rounded to 15 digits and then cut, and never names NaN or infinity; any
// other value gets the out-of-range message.
#include "display.h"
#include "fuzzcheck.h"
#include "generaltext.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

using namespace loopcalc;
using namespace loopcalc::fuzzing;

struct Unit {
    double scale;  // value of one displayed unit, in the argument's unit
    double step;   // the last displayed place
    const char* pattern;
};

// FormatInductance by decimal exponent of the rounded value, −3 to −9.
const Unit* HenryUnit(int exponent)
{
    static const Unit units[] = {
        {1e-3, 0.01, "^[ -][1-9]\\.[0-9]{2} mH$"},          // -3
        {1e-6, 0.01, "^[ -][1-9][0-9]{2}\\.[0-9]{2} µH$"},  // -4
        {1e-6, 0.01, "^[ -][1-9][0-9]\\.[0-9]{2} µH$"},     // -5
        {1e-6, 0.01, "^[ -][1-9]\\.[0-9]{2} µH$"},          // -6
        {1e-9, 1.0, "^[ -][1-9][0-9]{2} nH$"},              // -7
        {1e-9, 1.0, "^[ -][1-9][0-9] nH$"},                 // -8
        {1e-9, 0.01, "^[ -][1-9]\\.[0-9]{2} nH$"},          // -9
    };
    if (exponent > -3 || exponent < -9) {
        return nullptr;
    }
    return &units[-3 - exponent];
}

// The shown number is the rounded value cut to the last displayed place: not
// above it, and less than one place below it.
void RequireCut(double shown, double rounded, double step)
{
    const double magnitude = std::fabs(rounded);
    const double slack = magnitude * 1e-13;
    FUZZ_REQUIRE(std::fabs(shown) <= magnitude + slack);
    FUZZ_REQUIRE(magnitude - std::fabs(shown) < step + slack);
}

void CheckHenries(double henries)
{
    const Display d = FormatInductance(henries);
    const double rounded = Rounded15(henries);
    const Unit* unit = std::isfinite(henries) && henries != 0.0 ? HenryUnit(Exponent15(henries)) : nullptr;
    if (unit == nullptr) {
        FUZZ_REQUIRE(!d.inRange);
        FUZZ_REQUIRE(d.text == "Result out of range: " + GeneralText(henries) + " H");
        return;
    }
    FUZZ_REQUIRE(d.inRange);
    FUZZ_REQUIRE(Pattern(unit->pattern).matches(d.text));
    FUZZ_REQUIRE(!ContainsNoCase(d.text, "nan") && !ContainsNoCase(d.text, "inf"));
    FUZZ_REQUIRE((d.text[0] == '-') == (henries < 0.0));
    RequireCut(LeadingNumber(d.text), rounded / unit->scale, unit->step);
}

void CheckMicrohenries(double microhenries)
{
    const Display d = FormatSpiralInductance(microhenries);
    const double rounded = Rounded15(microhenries);
    const bool finite = std::isfinite(microhenries) && std::isfinite(rounded);
    if (!finite || rounded < 0.001 || rounded >= 1000.0) {
        FUZZ_REQUIRE(!d.inRange);
        FUZZ_REQUIRE(d.text == "Result out of range: " + GeneralText(microhenries) + " µH");
        return;
    }
    FUZZ_REQUIRE(d.inRange);
    FUZZ_REQUIRE(!ContainsNoCase(d.text, "nan") && !ContainsNoCase(d.text, "inf"));
    if (rounded < 1.0) {
        static const Pattern nanohenries("^[1-9][0-9]{0,2} nH$");
        FUZZ_REQUIRE(nanohenries.matches(d.text));
        RequireCut(LeadingNumber(d.text), rounded * 1000.0, 1.0);
    } else {
        static const Pattern microhenryText("^ [1-9][0-9]{0,2}(\\.[0-9]{1,3})? µH$");
        FUZZ_REQUIRE(microhenryText.matches(d.text));
        RequireCut(LeadingNumber(d.text), rounded, 0.001);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (const std::optional<double> value = DoubleFrom(data, size)) {
        CheckHenries(*value);
        CheckMicrohenries(*value);
    }
    return 0;
}
