// SPDX-License-Identifier: MIT
#include "commandline.h"
#include "fakeformport.h"
#include "shapes.h"

#include "casename.h"
#include "clirun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using loopcalc::testing::CliCase;
using loopcalc::testing::CliRun;
using loopcalc::testing::kShallowWarning;
using loopcalc::testing::kThickTraceWarning;
using loopcalc::testing::RunCli;

// The warnings a calculation prints by default, on standard error.
const std::string kRectangularWarning =
    "warning: the classic formula reads 38 % above the partial-inductance reference (4.25 \xC2\xB5H)\n";
const std::string kFlatRectangularWarning =
    "warning: the classic formula reads 121 % above the partial-inductance reference (2.65 \xC2\xB5H)\n";
const std::string kLargeCoilWarning =
    "warning: the classic formula reads 12 % below the filament reference (13.8 mH)\n";

class CalculationTest : public ::testing::TestWithParam<CliCase> {};

TEST_P(CalculationTest, PrintsTextAndExitsWithItsCode)
{
    const CliCase& c = GetParam();
    const CliRun r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(InitialTexts, CalculationTest,
                         ::testing::Values(CliCase{{"circular"}, 0, " 5.78 \xC2\xB5H\n", ""},
                                           CliCase{{"rectangular"}, 0, " 5.85 \xC2\xB5H\n", kRectangularWarning},
                                           CliCase{{"spiral"}, 0, " 4.619 \xC2\xB5H\n", kShallowWarning},
                                           CliCase{
                                               {"flat-rectangular"}, 0, " 5.85 \xC2\xB5H\n", kFlatRectangularWarning}),
                         loopcalc::testing::argumentsName<CliCase>);

INSTANTIATE_TEST_SUITE_P(
    Results, CalculationTest,
    ::testing::Values(CliCase{{"flat-rectangular", "--trace", "2.5"}, 0, " 1.38 \xC2\xB5H\n", kThickTraceWarning},
                      CliCase{{"flat-rectangular", "--trace=2.5"}, 0, " 1.38 \xC2\xB5H\n", kThickTraceWarning},
                      // Blanks around a number are the box's business: they are trimmed.
                      CliCase{{"circular", "--radius", " 10 "}, 0, " 5.78 \xC2\xB5H\n", ""},
                      CliCase{{"circular", "--radius", "1e1"}, 0, " 5.78 \xC2\xB5H\n", ""},
                      // A repeated option: the last one counts.
                      CliCase{{"circular", "--radius", "0", "--radius", "10"}, 0, " 5.78 \xC2\xB5H\n", ""},
                      CliCase{{"flat-rectangular", "--width", "1", "--height", "1", "--turns", "1", "--trace", "2.5"},
                              0,
                              "-1.35 nH\n",
                              kThickTraceWarning + "warning: the coil is too small for its wire: the formula does not "
                                                   "apply\n"}),
    loopcalc::testing::argumentsName<CliCase>);

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, CalculationTest,
    ::testing::Values(CliCase{{"circular", "--turns", "100", "--radius", "200", "--wire-radius", "0.1"},
                              3,
                              "",
                              "Result out of range:  1.21730752727319E-02 H\n" + kLargeCoilWarning},
                      CliCase{{"circular", "--turns=100", "--radius=200", "--wire-radius=0.1"},
                              3,
                              "",
                              "Result out of range:  1.21730752727319E-02 H\n" + kLargeCoilWarning}),
    loopcalc::testing::argumentsName<CliCase>);

INSTANTIATE_TEST_SUITE_P(
    Refusals, CalculationTest,
    ::testing::Values(
        CliCase{{"circular", "--turns", "0.5"}, 2, "", "Turns must be > 0\n"},
        CliCase{{"circular", "--radius", "0"}, 2, "", "Radius must be > 0\n"},
        CliCase{{"circular", "--radius="}, 2, "", "Radius must be > 0\n"},
        CliCase{{"circular", "--radius", "-5"}, 2, "", "Radius must be > 0\n"},
        // "." is the only decimal separator, whatever the locale.
        CliCase{{"circular", "--radius", "10,5"}, 2, "", "Radius must be > 0\n"},
        CliCase{{"circular", "--wire-radius", "abc"}, 2, "", "Wire Radius must be > 0\n"},
        CliCase{{"rectangular", "--turns", ""}, 2, "", "Turns must be > 0\n"},
        CliCase{{"rectangular", "--height", "0"}, 2, "", "Height must be > 0\n"},
        CliCase{{"rectangular", "--wire-radius", "."}, 2, "", "Wire Radius must be > 0\n"},
        CliCase{{"rectangular", "--width", "1e999"}, 2, "", "Width must be > 0\n"},
        CliCase{{"spiral", "--inner-radius", "9"}, 2, "", "Outer Radius must be > Inner Radius\n"},
        CliCase{{"spiral", "--outer-radius", ""}, 2, "", "Outer Radius must be > Inner Radius\n"},
        CliCase{{"spiral", "--outer-radius", "0", "--inner-radius", "0"}, 2, "", "Outer Radius must be > 0\n"},
        CliCase{{"spiral", "--inner-radius", "0"}, 2, "", "Inner Radius must be > 0\n"},
        CliCase{{"spiral", "--turns", "101"}, 2, "", "Turns must be > 0 and < 101\n"},
        CliCase{{"flat-rectangular", "--turns", "0"}, 2, "", "Turns must be > 0\n"},
        CliCase{{"flat-rectangular", "--height", "0"}, 2, "", "Height must be > 0\n"},
        CliCase{{"flat-rectangular", "--trace", "2.55"}, 2, "", "Trace must be > 0 or < 2.6\n"},
        CliCase{{"flat-rectangular", "--trace", ""}, 2, "", "Trace must be > 0 or < 2.6\n"},
        CliCase{{"flat-rectangular", "--width", "0"}, 2, "", "Width must be > 0\n"}),
    loopcalc::testing::argumentsName<CliCase>);

INSTANTIATE_TEST_SUITE_P(VersionAndHelp, CalculationTest,
                         ::testing::Values(CliCase{
                             {"--version"}, 0, "loopcalc-cli " LOOPCALC_PROJECT_VERSION "\n", ""}),
                         loopcalc::testing::argumentsName<CliCase>);

// Each option must reach its own box: the command line and the handler run
// on a recording page must agree, whatever value goes into which field.
TEST(ShapeOptions, EveryOptionFillsItsOwnBox)
{
    const std::vector<std::string> values{"", "0", "abc", "0.3", "2.5", "7", "40", "150", "1e3"};
    for (const loopcalc::Shape& shape : loopcalc::Shapes()) {
        for (const loopcalc::ShapeField& field : shape.fields) {
            for (const std::string& value : values) {
                loopcalc::testing::FakeFormPort page;
                for (const loopcalc::ShapeField& f : shape.fields) {
                    page.boxes[std::string(f.box)] = std::string(f.initialText);
                }
                page.boxes[std::string(field.box)] = value;
                const loopcalc::Outcome expected = shape.calculate(page);

                const std::string option = "--" + std::string(field.option);
                const CliRun r = RunCli({shape.name, option, value});
                SCOPED_TRACE(std::string(shape.name) + " " + option + " '" + value + "'");
                switch (expected.kind) {
                case loopcalc::Outcome::Kind::Result:
                    EXPECT_EQ(r.code, 0);
                    EXPECT_EQ(r.out, expected.text + "\n");
                    EXPECT_TRUE(r.err.empty() || r.err.starts_with("warning: ")) << r.err;
                    break;
                case loopcalc::Outcome::Kind::Refused:
                    EXPECT_EQ(r.code, 2);
                    EXPECT_EQ(r.out, "");
                    EXPECT_EQ(r.err, expected.text + "\n");
                    break;
                case loopcalc::Outcome::Kind::OutOfRange:
                    EXPECT_EQ(r.code, 3);
                    EXPECT_EQ(r.out, "");
                    EXPECT_TRUE(r.err.starts_with(expected.text + "\n")) << r.err;
                    break;
                }
            }
        }
    }
}

using loopcalc::testing::UsageCase;

class UsageErrorTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, NamesTheProblemAndExits64)
{
    loopcalc::testing::ExpectUsageError(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, UsageErrorTest,
    ::testing::Values(UsageCase{{}, "missing command"}, UsageCase{{"cylinder"}, "unknown command 'cylinder'"},
                      UsageCase{{"Circular"}, "unknown command 'Circular'"},
                      UsageCase{{"--frobnicate"}, "unknown option '--frobnicate'"},
                      UsageCase{{"--version", "x"}, "unexpected argument 'x'"},
                      UsageCase{{"circular", "--frobnicate", "1"}, "unknown option '--frobnicate'"},
                      UsageCase{{"circular", "--trace", "1"},
                                "option '--trace' does not apply to circular (it is an option of flat-rectangular)"},
                      UsageCase{{"spiral", "--wire-radius=1"},
                                "option '--wire-radius' does not apply to spiral (it is an option of circular)"},
                      UsageCase{{"flat-rectangular", "--radius", "1"},
                                "option '--radius' does not apply to flat-rectangular (it is an option of circular)"},
                      UsageCase{{"circular", "--radius"}, "option '--radius' needs a value"},
                      UsageCase{{"circular", "10"}, "unexpected argument '10'"},
                      UsageCase{{"circular", "--help=1"}, "option '--help' takes no value"},
                      UsageCase{{"batch", "a.csv", "b.csv"}, "unexpected argument 'b.csv'"},
                      UsageCase{{"batch", "--radius", "1"}, "unknown option '--radius'"}),
    loopcalc::testing::argumentsName<UsageCase>);

TEST(Help, FullUsageGoesToStandardOutput)
{
    for (const std::string_view flag : {"--help", "-h"}) {
        const CliRun r = RunCli({flag});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(r.out.starts_with("Usage: loopcalc-cli <command> [options]\n")) << r.out;
        for (const std::string_view line : {"  circular [--radius MM] [--turns N] [--wire-radius MM]\n",
                                            "  rectangular [--width MM] [--height MM] [--turns N] [--wire-radius MM]\n",
                                            "  spiral [--outer-radius MM] [--inner-radius MM] [--turns N]\n",
                                            "  flat-rectangular [--width MM] [--height MM] [--turns N] [--trace MM]\n",
                                            "  batch [FILE]\n", "--radius 10 --turns 11.5 --wire-radius 0.127\n"}) {
            EXPECT_NE(r.out.find(line), std::string::npos) << line;
        }
    }
}

TEST(Help, CommandHelpShowsItsDefaults)
{
    const CliRun r = RunCli({"spiral", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.starts_with("Usage: loopcalc-cli spiral [--outer-radius MM] [--inner-radius MM] [--turns N]\n"))
        << r.out;
    EXPECT_NE(r.out.find("--outer-radius 8.5 --inner-radius 7.25 --turns 12"), std::string::npos) << r.out;

    const CliRun batch = RunCli({"batch", "-h"});
    EXPECT_EQ(batch.code, 0);
    EXPECT_TRUE(batch.out.starts_with("Usage: loopcalc-cli batch [FILE]\n")) << batch.out;
}

TEST(Output, FailedStandardOutputExits74)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    out.setstate(std::ios::badbit);
    const std::vector<std::string_view> args{"circular"};
    EXPECT_EQ(loopcalc::cli::RunCommandLine(args, in, out, err), 74);
    EXPECT_NE(err.str().find("writing the output failed"), std::string::npos);
}

constexpr std::string_view kBatchInput = "shape,turns\nspiral,12\n";
constexpr std::string_view kBatchOutput = "shape,turns,outcome,text,henries\nspiral,12,result, 4.619 \xC2\xB5H,";

TEST(BatchCommand, ReadsStandardInputWithoutFileOrWithDash)
{
    for (const auto& args : {std::vector<std::string_view>{"batch"}, std::vector<std::string_view>{"batch", "-"}}) {
        const CliRun r = RunCli(args, std::string(kBatchInput));
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.starts_with(kBatchOutput)) << r.out;
        EXPECT_EQ(r.err, "");
    }
}

TEST(BatchCommand, ReadsANamedFile)
{
    const std::string path = ::testing::TempDir() + "cli_batch_input.csv";
    {
        std::ofstream file(path, std::ios::binary);
        file << kBatchInput;
    }
    const CliRun r = RunCli({"batch", path}, "shape\nnot read\n");
    std::remove(path.c_str());
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.starts_with(kBatchOutput)) << r.out;
}

TEST(BatchCommand, FileThatCannotBeOpenedExits66NamingFileAndReason)
{
    const std::string missing = ::testing::TempDir() + "no-such-dir/rows.csv";
    const CliRun r = RunCli({"batch", missing});
    EXPECT_EQ(r.code, 66);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "loopcalc-cli: batch: cannot open '" + missing + "': No such file or directory\n");

    const CliRun dir = RunCli({"batch", ::testing::TempDir()});
    EXPECT_EQ(dir.code, 66);
    EXPECT_NE(dir.err.find("Is a directory"), std::string::npos) << dir.err;
}

}  // namespace
