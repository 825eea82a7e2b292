// SPDX-License-Identifier: MIT
#include "optionparser.h"

#include "casename.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using loopcalc::cli::OptionDefinition;
using loopcalc::cli::ParseArguments;
using Error = loopcalc::cli::ParsedArguments::Error;

constexpr std::array<OptionDefinition, 4> kDefinitions{{
    {"--radius", true},
    {"--turns", true},
    {"--help", false},
    {"-h", false},
}};

struct ParseCase {
    std::vector<std::string_view> args;
    Error error;
    std::string offending;
    std::string options;  ///< "name=value;" per option, in order
    std::vector<std::string_view> positionals;
};

std::string joinOptions(const loopcalc::cli::ParsedArguments& parsed)
{
    std::string text;
    for (const auto& option : parsed.options) {
        text += std::string(option.name) + "=" + std::string(option.value) + ";";
    }
    return text;
}

class ParseArgumentsTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseArgumentsTest, SplitsOptionsValuesAndArguments)
{
    const ParseCase& c = GetParam();
    const auto parsed = ParseArguments(c.args, kDefinitions);
    EXPECT_EQ(parsed.error, c.error);
    EXPECT_EQ(parsed.offending, c.offending);
    if (c.error == Error::None) {
        EXPECT_EQ(joinOptions(parsed), c.options);
        EXPECT_EQ(parsed.positionals, c.positionals);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseArgumentsTest,
    ::testing::Values(
        ParseCase{{}, Error::None, "", "", {}}, ParseCase{{"--radius", "10"}, Error::None, "", "--radius=10;", {}},
        ParseCase{{"--radius=10"}, Error::None, "", "--radius=10;", {}},
        // An empty value is a value: the empty box.
        ParseCase{{"--radius="}, Error::None, "", "--radius=;", {}},
        ParseCase{{"--radius", ""}, Error::None, "", "--radius=;", {}},
        // The word after an option is its value even when it looks like an option.
        ParseCase{{"--radius", "-5"}, Error::None, "", "--radius=-5;", {}},
        ParseCase{{"--radius", "--turns"}, Error::None, "", "--radius=--turns;", {}},
        ParseCase{{"--radius=a=b"}, Error::None, "", "--radius=a=b;", {}},
        ParseCase{
            {"--turns", "3", "--radius", "1", "--turns", "4"}, Error::None, "", "--turns=3;--radius=1;--turns=4;", {}},
        ParseCase{{"-h"}, Error::None, "", "-h=;", {}},
        ParseCase{{"file.csv", "-", "--help"}, Error::None, "", "--help=;", {"file.csv", "-"}},
        ParseCase{{"--", "--radius", "-h"}, Error::None, "", "", {"--radius", "-h"}},
        ParseCase{{"--radius"}, Error::MissingValue, "--radius", "", {}},
        ParseCase{{"--turns", "2", "--radius"}, Error::MissingValue, "--radius", "", {}},
        ParseCase{{"--trace", "1"}, Error::UnknownOption, "--trace", "", {}},
        ParseCase{{"--trace=1"}, Error::UnknownOption, "--trace", "", {}},
        ParseCase{{"-x"}, Error::UnknownOption, "-x", "", {}},
        // Short options take no attached value; "-h=1" is not "-h".
        ParseCase{{"-h=1"}, Error::UnknownOption, "-h=1", "", {}},
        ParseCase{{"--RADIUS", "1"}, Error::UnknownOption, "--RADIUS", "", {}},
        ParseCase{{"--help=yes"}, Error::UnexpectedValue, "--help", "", {}}),
    loopcalc::testing::argumentsName<ParseCase>);

}  // namespace
