// SPDX-License-Identifier: MIT
// Values typed with a unit (a choice byte: lengths, inductances or
// frequencies, "." or "," as the decimal separator; then the text). A number
// read is finite and is the typed number times its unit, computed
// independently in long double; a conversion is out of range only where a
// double cannot hold it; a length for a box is the shortest text of its
// millimetres; and every line the command line prints for the value, as a
// length option, an inductance target, a frequency or a model's input, is
// well-formed.
#include "commandline.h"
#include "designaids.h"
#include "fuzzcheck.h"
#include "numberreading.h"
#include "quantities.h"

#include <array>
#include <cfloat>
#include <cstdint>
#include <sstream>
#include <vector>

namespace {

using namespace loopcalc;
using namespace loopcalc::fuzzing;
using units::Quantity;

// The unit in its base unit, from the units' own definitions: mm, H, Hz.
long double Factor(std::string_view unit, std::span<const units::Unit> list)
{
    for (const units::Unit& u : list) {
        if (u.name == unit) {
            return static_cast<long double>(u.multiply) / static_cast<long double>(u.divide);
        }
    }
    return 0.0L;
}

// The trailing run of letters and non-ASCII bytes, after trailing blanks.
std::string_view TrailingUnit(std::string_view text)
{
    while (!text.empty() && std::strchr(" \t\n\r\v\f", text.back()) != nullptr && text.back() != '\0') {
        text.remove_suffix(1);
    }
    std::size_t start = text.size();
    while (start > 0) {
        const auto c = static_cast<unsigned char>(text[start - 1]);
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80)) {
            break;
        }
        --start;
    }
    return text.substr(start);
}

void CheckReading(std::string_view text, std::span<const units::Unit> list, std::string_view separator)
{
    const Quantity q = units::ReadQuantity(text, list, separator);
    const std::string_view unit = TrailingUnit(text);
    FUZZ_REQUIRE(q.unit == unit);
    const long double factor = Factor(unit, list);
    std::string_view numberText = text.substr(0, text.find_last_not_of(" \t\n\r\v\f") + 1);
    numberText.remove_suffix(unit.size());
    const std::optional<double> number = ParseNumber(numberText, separator);
    switch (q.status) {
    case Quantity::Status::NotANumber: FUZZ_REQUIRE(!number); return;
    case Quantity::Status::UnknownUnit: FUZZ_REQUIRE(number && !unit.empty() && factor == 0.0L); return;
    case Quantity::Status::OutOfRange:
        if (number) {
            // Only where a double cannot hold the product, or nearly so; a
            // plain number (no unit) is its own product.
            const long double scale = unit.empty() ? 1.0L : factor;
            const long double exact = std::fabs(static_cast<long double>(*number) * scale);
            FUZZ_REQUIRE(scale != 0.0L && (exact > DBL_MAX / 100.0L || (exact < 1e-300L && exact != 0.0L)));
        }
        return;
    case Quantity::Status::Number: break;
    }
    FUZZ_REQUIRE(number && std::isfinite(q.value));
    if (unit.empty()) {
        FUZZ_REQUIRE(q.value == *number);
        return;
    }
    FUZZ_REQUIRE(factor != 0.0L);
    const long double exact = static_cast<long double>(*number) * factor;
    if (std::fabs(exact) >= DBL_MIN) {
        FUZZ_REQUIRE(std::fabs(static_cast<long double>(q.value) - exact) <= 1e-15L * std::fabs(exact));
    }
    FUZZ_REQUIRE((q.value == 0.0) == (*number == 0.0));
}

/// A length for a box: as typed without a unit, else the shortest text that
/// reads back as the millimetres.
void CheckLengthForBox(std::string_view text, std::string_view separator)
{
    units::NumberBuffer buffer;
    const units::LengthText box = units::LengthForBox(text, buffer, separator);
    if (box.status != units::LengthText::Status::Converted) {
        FUZZ_REQUIRE(box.text == text);
        return;
    }
    const Quantity q = units::ReadQuantity(text, units::LengthUnits(), separator);
    FUZZ_REQUIRE(q.status == Quantity::Status::Number);
    static const Pattern shortest("^-?[0-9]+(\\.[0-9]+)?(e[+-][0-9]{2,3})?$");
    const std::string shown(box.text);
    FUZZ_REQUIRE(IsCleanLine(shown, 24) && shortest.matches(shown));
    FUZZ_REQUIRE(std::strtod(shown.c_str(), nullptr) == q.value);
}

/// Runs the command line as a shell would pass the text (up to a NUL, which
/// no argument can hold) and checks what it prints.
void CheckCommandLine(std::vector<std::string_view> args)
{
    const bool models = args.front() == "models";
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::RunCommandLine(args, in, out, err);
    FUZZ_REQUIRE(code == 0 || code == 2 || code == 3 || code == 64);
    FUZZ_REQUIRE(models ? AreModelLines(out.str()) : AreCalculationLines(out.str()));
    // "models" prints its table for a result out of range too.
    FUZZ_REQUIRE(models ? (code == 64) == out.str().empty() : (code == 0) == !out.str().empty() || code == 2);
    FUZZ_REQUIRE(code != 64 || err.str().starts_with("loopcalc-cli: "));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string_view separator = (choice & 4) != 0 ? "," : ".";
    const std::string_view argument = text.substr(0, text.find('\0'));
    const bool variant = (choice & 8) != 0;
    switch (choice & 3) {
    case 1:
        CheckReading(text, units::InductanceUnits(), separator);
        CheckCommandLine({"turns", variant ? "spiral" : "circular", "--target", argument, "--frequency", "125kHz"});
        break;
    case 2: {
        CheckReading(text, units::FrequencyUnits(), separator);
        const Quantity q = units::ReadQuantity(text, units::FrequencyUnits(), separator);
        if (q.status == Quantity::Status::Number && design::IsTuningFrequency(q.value)) {
            FUZZ_REQUIRE(IsFrequencyText(units::FormatFrequency(q.value)));
        }
        if (variant) {
            CheckCommandLine({"turns", "rectangular", "--target", "1.5uH", "--frequency", argument});
        } else {
            CheckCommandLine({"circular", "--frequency", argument});
        }
        break;
    }
    default:
        CheckReading(text, units::LengthUnits(), separator);
        CheckLengthForBox(text, separator);
        CheckCommandLine({variant ? "spiral" : "circular", variant ? "--outer-radius" : "--radius", argument,
                          "--frequency", "13.56MHz"});
        // The models' own inputs, and a coil's size as the models take it.
        if ((choice & 16) != 0) {
            CheckCommandLine({"models", "flat-rectangular", variant ? "--gap" : "--thickness", argument});
        } else if ((choice & 32) != 0) {
            CheckCommandLine(
                {"models", variant ? "spiral" : "circular", variant ? "--trace" : "--wire-radius", argument});
        }
        break;
    }
    return 0;
}
