// SPDX-License-Identifier: MIT
// Splitting a command's arguments into options and plain arguments.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace loopcalc::cli {

/// An option a command accepts, named as typed: "--radius", "-h".
struct OptionDefinition {
    std::string_view name;
    bool takesValue = false;
};

struct ParsedOption {
    std::string_view name;   ///< as in its OptionDefinition
    std::string_view value;  ///< empty for an option without a value
};

struct ParsedArguments {
    enum class Error {
        None,
        UnknownOption,    ///< offending holds the option's name, without any "=value"
        MissingValue,     ///< offending is the option that ended the arguments
        UnexpectedValue,  ///< "--help=x": offending is the option's name
    };
    std::vector<ParsedOption> options;  ///< in the order given; a repeated option appears twice
    std::vector<std::string_view> positionals;
    Error error = Error::None;
    std::string_view offending;
};

/// Reads "--name value", "--name=value" and "--name" for flags. The word
/// after an option that takes a value is always its value, even when it
/// starts with "-" (so "--radius -5" passes -5 on to the check). "--" ends
/// the options; "-" alone is a plain argument. Parsing stops at the first
/// error. The views point into args and definitions.
[[nodiscard]] ParsedArguments ParseArguments(std::span<const std::string_view> args,
                                             std::span<const OptionDefinition> definitions);

}  // namespace loopcalc::cli
