// SPDX-License-Identifier: MIT
// The calculation log's record of each shape: the one place the tests spell
// it out, for the calculators, the log file and the window alike.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace loopcalc::testing {

using Lines = std::vector<std::string>;

/// Each shape calculated from its page's starting texts, with "." as the
/// decimal separator: the lines as the calculator hands them to the log
/// (UTF-8; blank lines are empty).
inline const Lines& StartRecord(std::string_view shape)
{
    // clang-format off
    static const std::pair<std::string_view, Lines> records[] = {
        {"circular", {"", "Circular Wire Wound Air Coil", "", "Radius = 10 mm", "Turns = 11.5",
                      "Wire Radius = 0.127 mm", "Inductance =  5.78 µH", ""}},
        {"rectangular", {"", "Rectangular Wire Wound Coil", "", "Width = 21 mm", "Height = 10 mm", "Turns = 11",
                         "Wire Radius = 0.127 mm", "Inductance =  5.85 µH", ""}},
        {"spiral", {"", "Flat Spiral Air Coil", "", "Outer Radius = 8.5 mm", "Inner Radius = 7.25 mm", "Turns = 12",
                    "Inductance =  4.619 µH", ""}},
        {"flat-rectangular", {"", "Flat Rectangular Air Coil", "", "Width = 21 mm", "Height = 10 mm", "Turns = 11",
                              "Wire Radius = 0.127 mm", "Inductance =  5.85 µH", ""}},
    };
    // clang-format on
    for (const auto& [name, lines] : records) {
        if (name == shape) {
            return lines;
        }
    }
    static const Lines none;
    return none;
}

/// The lines with `separator` in the numbers read from the page; the
/// inductance is the displayed text and keeps its point.
inline Lines WithSeparator(Lines lines, std::string_view separator)
{
    for (std::string& line : lines) {
        if (line.rfind("Inductance", 0) == 0) {
            continue;
        }
        for (std::size_t at = line.find('.'); at != std::string::npos; at = line.find('.', at + separator.size())) {
            line.replace(at, 1, separator);
        }
    }
    return lines;
}

/// The lines as Log.txt holds them: code page 1252 (the micro sign is one
/// byte) and CR LF after each.
inline std::string InFile(const Lines& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    for (std::size_t at = bytes.find("\xC2\xB5"); at != std::string::npos; at = bytes.find("\xC2\xB5", at)) {
        bytes.replace(at, 2, "\xB5");
    }
    return bytes;
}

}  // namespace loopcalc::testing
