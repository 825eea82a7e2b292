// SPDX-License-Identifier: MIT
#include "quantities.h"

#include "numberreading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace loopcalc::units {

namespace {

// "µ" as the micro sign (U+00B5) and as the Greek letter mu (U+03BC): both
// are what people type for micro.
constexpr std::array<Unit, 8> kLengthUnits{{
    {"mm", 1.0, 1.0},
    {"cm", 10.0, 1.0},
    {"m", 1000.0, 1.0},
    {"um", 1.0, 1000.0},
    {"\xC2\xB5m", 1.0, 1000.0},
    {"\xCE\xBCm", 1.0, 1000.0, true},
    {"in", 25.4, 1.0},
    {"mil", 25.4, 1000.0},
}};

constexpr std::array<Unit, 7> kInductanceUnits{{
    {"H", 1.0, 1.0},
    {"mH", 1.0, 1e3},
    {"uH", 1.0, 1e6},
    {"\xC2\xB5H", 1.0, 1e6},
    {"\xCE\xBCH", 1.0, 1e6, true},
    {"nH", 1.0, 1e9},
    {"pH", 1.0, 1e12},
}};

constexpr std::array<Unit, 4> kFrequencyUnits{{
    {"Hz", 1.0, 1.0},
    {"kHz", 1e3, 1.0},
    {"MHz", 1e6, 1.0},
    {"GHz", 1e9, 1.0},
}};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Letters and the bytes of multi-byte UTF-8 characters make up a unit.
bool IsUnitByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0x80;
}

/// True for a number in the usual form whose value a double cannot hold,
/// such as "1e999" (which ParseNumber refuses like any text that is no number).
bool IsTooLargeForADouble(std::string_view number, std::string_view decimalSeparator)
{
    std::string text;
    for (std::size_t i = 0; i < number.size(); ++i) {
        if (!decimalSeparator.empty() && number.substr(i).starts_with(decimalSeparator)) {
            text += '.';
            i += decimalSeparator.size() - 1;
        } else if (!IsBlank(number[i]) && !(number[i] == '+' && text.empty())) {
            text += number[i];
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc::result_out_of_range && result.ptr == text.data() + text.size();
}

/// The smallest magnitude a typed value may have: lengths go on from
/// millimetres to metres (÷ 1000), and a value below this would reach the
/// models as a denormal number or as 0 there.
constexpr double kSmallestMagnitude = std::numeric_limits<double>::min() * 1e3;

/// The number in the base unit: 0 for a value too small to calculate with,
/// infinity for one too large. The product comes first, as it is exact for
/// whole factors; only where it overflows is it done again in the wider type,
/// so that "1e308mil" (2.54e306 mm) is taken although 1e308 × 25.4 is not a
/// double.
double InBaseUnit(double number, const Unit& unit)
{
    double value = number * unit.multiply / unit.divide;
    if (std::isinf(value)) {
        const long double wide = static_cast<long double>(number) * unit.multiply / unit.divide;
        value = std::fabs(wide) > std::numeric_limits<double>::max() ? value : static_cast<double>(wide);
    }
    return std::fabs(value) < kSmallestMagnitude ? 0.0 : value;
}

std::string_view TrimmedEnd(std::string_view text)
{
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::span<const Unit> LengthUnits()
{
    return kLengthUnits;
}

std::span<const Unit> InductanceUnits()
{
    return kInductanceUnits;
}

std::span<const Unit> FrequencyUnits()
{
    return kFrequencyUnits;
}

Quantity ReadQuantity(std::string_view text, std::span<const Unit> units, std::string_view decimalSeparator)
{
    text = TrimmedEnd(text);
    std::size_t unitStart = text.size();
    while (unitStart > 0 && IsUnitByte(text[unitStart - 1])) {
        --unitStart;
    }
    Quantity quantity;
    quantity.unit = text.substr(unitStart);
    const std::optional<double> number = ParseNumber(text.substr(0, unitStart), decimalSeparator);
    if (!number) {
        quantity.status = IsTooLargeForADouble(text.substr(0, unitStart), decimalSeparator)
                              ? Quantity::Status::OutOfRange
                              : Quantity::Status::NotANumber;
        return quantity;
    }
    static constexpr Unit kBaseUnit{};
    const Unit* unit = quantity.unit.empty() ? &kBaseUnit : nullptr;
    for (const Unit& candidate : units) {
        if (unit == nullptr && candidate.name == quantity.unit) {
            unit = &candidate;
        }
    }
    if (unit == nullptr) {
        quantity.status = Quantity::Status::UnknownUnit;
        return quantity;
    }
    quantity.value = InBaseUnit(*number, *unit);
    // "1e308m" overflows to infinity, "1e-320um" and "1e-320" come to 0.
    const bool lost = !std::isfinite(quantity.value) || (quantity.value == 0.0 && *number != 0.0);
    quantity.status = lost ? Quantity::Status::OutOfRange : Quantity::Status::Number;
    return quantity;
}

LengthText LengthForBox(std::string_view typed, NumberBuffer& buffer, std::string_view decimalSeparator)
{
    // Most texts end in a digit: they go through untouched without being
    // read twice.
    const std::string_view end = TrimmedEnd(typed);
    if (end.empty() || !IsUnitByte(end.back())) {
        return {LengthText::Status::AsTyped, typed, {}};
    }
    const Quantity quantity = ReadQuantity(end, kLengthUnits, decimalSeparator);
    switch (quantity.status) {
    case Quantity::Status::NotANumber: break;
    case Quantity::Status::UnknownUnit: return {LengthText::Status::UnknownUnit, typed, quantity.unit};
    case Quantity::Status::OutOfRange: return {LengthText::Status::OutOfRange, typed, quantity.unit};
    case Quantity::Status::Number:
        return {LengthText::Status::Converted, ShortestText(quantity.value, buffer), quantity.unit};
    }
    // "abc" or "1.2.3mm": not a number, which the box's own check refuses.
    return {LengthText::Status::AsTyped, typed, {}};
}

std::string_view ShortestText(double value, NumberBuffer& buffer)
{
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

std::string FormatFrequency(double hertz)
{
    const Unit* chosen = &kFrequencyUnits.front();
    for (const Unit& unit : kFrequencyUnits) {
        if (std::abs(hertz) >= unit.multiply) {
            chosen = &unit;
        }
    }
    NumberBuffer buffer;
    std::string text(ShortestText(hertz / chosen->multiply, buffer));
    text += ' ';
    text += chosen->name;
    return text;
}

std::string UnitList(std::span<const Unit> units)
{
    std::vector<std::string_view> names;
    for (const Unit& unit : units) {
        if (!unit.alias) {
            names.push_back(unit.name);
        }
    }
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            text += i + 1 == names.size() ? " or " : ", ";
        }
        text += names[i];
    }
    return text;
}

}  // namespace loopcalc::units
