// SPDX-License-Identifier: MIT
#include "optionparser.h"

namespace loopcalc::cli {

namespace {

const OptionDefinition* FindDefinition(std::span<const OptionDefinition> definitions, std::string_view name)
{
    for (const OptionDefinition& definition : definitions) {
        if (definition.name == name) {
            return &definition;
        }
    }
    return nullptr;
}

}  // namespace

ParsedArguments ParseArguments(std::span<const std::string_view> args, std::span<const OptionDefinition> definitions)
{
    ParsedArguments parsed;
    auto fail = [&parsed](ParsedArguments::Error error, std::string_view offending) {
        parsed.error = error;
        parsed.offending = offending;
        return parsed;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--") {
            parsed.positionals.insert(parsed.positionals.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                      args.end());
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            parsed.positionals.push_back(arg);
            continue;
        }

        // Only long options carry an attached "=value".
        std::string_view name = arg;
        std::string_view attached;
        bool hasAttached = false;
        if (arg.starts_with("--")) {
            if (const std::size_t equals = arg.find('='); equals != std::string_view::npos) {
                name = arg.substr(0, equals);
                attached = arg.substr(equals + 1);
                hasAttached = true;
            }
        }
        const OptionDefinition* definition = FindDefinition(definitions, name);
        if (definition == nullptr) {
            return fail(ParsedArguments::Error::UnknownOption, name);
        }
        if (!definition->takesValue) {
            if (hasAttached) {
                return fail(ParsedArguments::Error::UnexpectedValue, definition->name);
            }
            parsed.options.push_back({definition->name, {}});
        } else if (hasAttached) {
            parsed.options.push_back({definition->name, attached});
        } else if (i + 1 < args.size()) {
            parsed.options.push_back({definition->name, args[++i]});
        } else {
            return fail(ParsedArguments::Error::MissingValue, definition->name);
        }
    }
    return parsed;
}

}  // namespace loopcalc::cli
