// SPDX-License-Identifier: MIT
// The general text form and the log number form of any double (the input's
// first eight bytes): the text reads back to the value rounded to 15
// significant digits and keeps the form's shape.
#include "fuzzcheck.h"
#include "generaltext.h"
#include "numberreading.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

using namespace loopcalc;
using namespace loopcalc::fuzzing;

size_t SignificantDigits(std::string_view text)
{
    const size_t e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    size_t count = 0;
    bool leading = true;
    for (const char c : mantissa) {
        if (c >= '1' && c <= '9') {
            leading = false;
        }
        if (c >= '0' && c <= '9' && !leading) {
            ++count;
        }
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<double> read = DoubleFrom(data, size);
    if (!read) {
        return 0;
    }
    const double value = *read;
    const std::string text = GeneralText(value);

    if (std::isnan(value)) {
        FUZZ_REQUIRE(text == " NaN");
        return 0;
    }
    if (std::isinf(value)) {
        FUZZ_REQUIRE(text == (value < 0 ? "-Infinity" : " Infinity"));
        return 0;
    }

    // A blank or "-" in front; plain digits without a 0 before the point of a
    // magnitude below 1 and without trailing zeros after the point, or the
    // exponent form with at least two exponent digits.
    static const Pattern shape(
        "^[ -](?:0|[1-9][0-9]*|[1-9][0-9]*\\.[0-9]*[1-9]|\\.[0-9]*[1-9]|[1-9](?:\\.[0-9]*[1-9])?E[+-][0-9]{2,3})$");
    FUZZ_REQUIRE(shape.matches(text));
    FUZZ_REQUIRE((text[0] == '-') == (value < 0.0));
    FUZZ_REQUIRE(SignificantDigits(text) <= 15);

    const double rounded = Rounded15(value);
    const std::optional<double> back = ParseNumber(text, ".");
    if (std::isinf(rounded)) {
        // Within 5E+293 of the largest double: 15 digits round up past what a
        // double holds, and the text honestly does not read back.
        FUZZ_REQUIRE(!back.has_value() && Exponent15(value) == 308);
        return 0;
    }
    FUZZ_REQUIRE(back.has_value());
    FUZZ_REQUIRE(*back == rounded);

    // Exponent form exactly for 1E15 and more, and below 1 where the plain
    // form would need more than 15 digits after the point.
    const size_t point = text.find('.');
    const bool exponentForm = text.find('E') != std::string::npos;
    if (value != 0.0) {
        const double magnitude = std::fabs(rounded);
        const bool needsExponent = magnitude >= 1e15 || (magnitude < 1.0 && Exponent15(value) < -15);
        if (!exponentForm && point != std::string::npos && magnitude < 1.0) {
            FUZZ_REQUIRE(text.size() - point - 1 <= 15);
        }
        if (needsExponent) {
            FUZZ_REQUIRE(exponentForm);
        }
        if (exponentForm && magnitude < 1.0) {
            // Plain, it would have had more than 15 digits after the point.
            const size_t digits = SignificantDigits(text);
            FUZZ_REQUIRE(static_cast<size_t>(-Exponent15(value)) - 1 + digits > 15);
        }
        if (exponentForm && magnitude >= 1.0) {
            FUZZ_REQUIRE(magnitude >= 1e15);
        }
    }

    // The log form: no leading blank, a 0 before the point below 1, the
    // user's separator, the same value.
    const std::string logged = LogNumber(value, ",");
    FUZZ_REQUIRE(!logged.empty() && logged[0] != ' ');
    FUZZ_REQUIRE(logged.find('.') == std::string::npos);
    FUZZ_REQUIRE(logged.find(",") == std::string::npos || logged.find(",") > (logged[0] == '-' ? 1U : 0U));
    const std::optional<double> loggedBack = ParseNumber(logged, ",");
    FUZZ_REQUIRE(loggedBack.has_value() && *loggedBack == rounded);
    return 0;
}
