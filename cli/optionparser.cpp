// SPDX-License-Identifier: MIT
#include "optionparser.h"

namespace loopcalc::cli {

namespace {

const OptionSpec* findSpec(std::span<const OptionSpec> specs, std::string_view name)
{
    for (const OptionSpec& spec : specs) {
        if (spec.name == name) {
            return &spec;
        }
    }
    return nullptr;
}

}  // namespace

ParsedArguments parseArguments(std::span<const std::string_view> args, std::span<const OptionSpec> specs)
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
        const OptionSpec* spec = findSpec(specs, name);
        if (spec == nullptr) {
            return fail(ParsedArguments::Error::UnknownOption, name);
        }
        if (!spec->takesValue) {
            if (hasAttached) {
                return fail(ParsedArguments::Error::UnexpectedValue, spec->name);
            }
            parsed.options.push_back({spec->name, {}});
        } else if (hasAttached) {
            parsed.options.push_back({spec->name, attached});
        } else if (i + 1 < args.size()) {
            parsed.options.push_back({spec->name, args[++i]});
        } else {
            return fail(ParsedArguments::Error::MissingValue, spec->name);
        }
    }
    return parsed;
}

}  // namespace loopcalc::cli
