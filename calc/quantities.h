// SPDX-License-Identifier: MIT
// Values typed with a unit: lengths, inductances and frequencies, as the
// command line and the design window read them.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace loopcalc::units {

/// A unit a value may carry: the value in the base unit is
/// typed × multiply ÷ divide. Two factors rather than one, so that a unit
/// such as µm divides by the exact 1000 instead of multiplying by an inexact
/// 0.001.
struct Unit {
    std::string_view name;
    double multiply = 1.0;
    double divide = 1.0;
    bool alias = false;  ///< another spelling of a listed unit, left out of UnitList()
};

/// Lengths in millimetres: mm, cm, m, um (µm), in, mil.
[[nodiscard]] std::span<const Unit> LengthUnits();
/// Inductances in henries: H, mH, uH (µH), nH, pH.
[[nodiscard]] std::span<const Unit> InductanceUnits();
/// Frequencies in hertz: Hz, kHz, MHz, GHz.
[[nodiscard]] std::span<const Unit> FrequencyUnits();

/// A typed value split into its number and its unit.
struct Quantity {
    enum class Status {
        Number,       ///< value holds the number in the base unit
        NotANumber,   ///< the part before the unit is not a number
        UnknownUnit,  ///< a number followed by a unit not in the list
        OutOfRange,   ///< a number, but it or its conversion to the base unit
                      ///< is beyond what a double holds ("1e999", "1e308m")
    };
    Status status = Status::NotANumber;
    double value = 0.0;
    std::string_view unit;  ///< the unit as typed; empty for a plain number
};

/// Reads "1.5uH", "10 mm", "13.56MHz" or a plain number (taken in the base
/// unit). Blanks around the text and between number and unit are allowed;
/// units are case-sensitive ("MHz", not "mhz"); "." is the decimal point. The
/// unit is the trailing run of letters (and non-ASCII bytes, for µ), so
/// "1e5mm" is 1e5 millimetres. A window passes the user's decimal separator,
/// which is then read as well as ".".
[[nodiscard]] Quantity ReadQuantity(std::string_view text, std::span<const Unit> units,
                                    std::string_view decimalSeparator = ".");

/// The text a length box gets for a typed length.
struct LengthText {
    enum class Status {
        AsTyped,      ///< no unit: the box gets the text exactly as typed
        Converted,    ///< a number with a known unit, converted to millimetres
        UnknownUnit,  ///< unit names the offending unit
        OutOfRange,   ///< the number with its unit is beyond what a double holds
    };
    Status status = Status::AsTyped;
    std::string_view text;  ///< for AsTyped the input, for Converted a view into the buffer
    std::string_view unit;
};

/// Room for the shortest text of any double.
using NumberBuffer = std::array<char, 32>;

/// A length option's or cell's text for the box. Without a unit the text is
/// handed on untouched, so that the box reads it by its own rule (a text
/// that is not a number is refused by the box's check as before). With a
/// unit the number is converted to millimetres and written into buffer as
/// the shortest text that reads back as the same double. The number before
/// a unit may use decimalSeparator as well as ".".
[[nodiscard]] LengthText LengthForBox(std::string_view typed, NumberBuffer& buffer,
                                      std::string_view decimalSeparator = ".");

/// The shortest text that reads back as the same double ("13.56", "1e-07").
[[nodiscard]] std::string_view ShortestText(double value, NumberBuffer& buffer);

/// "13.56 MHz", "125 kHz", "50 Hz": the largest unit in which the value is at
/// least 1, with the shortest digits.
[[nodiscard]] std::string FormatFrequency(double hertz);

/// "mm, cm, m, um, µm, in or mil": the unit names for a message, aliases left out.
[[nodiscard]] std::string UnitList(std::span<const Unit> units);

}  // namespace loopcalc::units
