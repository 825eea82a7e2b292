// SPDX-License-Identifier: MIT
#include "commandline.h"
#include "designaids.h"

#include "casename.h"
#include "clirun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using loopcalc::testing::CliRun;
using DesignCase = loopcalc::testing::CliCase;

CliRun run(const std::vector<std::string_view>& args)
{
    return loopcalc::testing::RunCli(args);
}

class DesignCommandTest : public ::testing::TestWithParam<DesignCase> {};

TEST_P(DesignCommandTest, PrintsAndExits)
{
    const DesignCase& c = GetParam();
    const CliRun r = run(c.args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
}

const std::string kMicro = "\xC2\xB5";

// A length with a unit reaches the box as the same number of millimetres.
INSTANTIATE_TEST_SUITE_P(
    Units, DesignCommandTest,
    ::testing::Values(
        DesignCase{{"circular", "--radius", "1cm"}, 0, " 5.78 " + kMicro + "H\n", ""},
        DesignCase{{"circular", "--radius=10mm", "--wire-radius", "127um"}, 0, " 5.78 " + kMicro + "H\n", ""},
        DesignCase{{"circular", "--wire-radius", "127\xC2\xB5m"}, 0, " 5.78 " + kMicro + "H\n", ""},
        DesignCase{{"circular", "--wire-radius", "5mil"}, 0, " 5.78 " + kMicro + "H\n", ""},
        DesignCase{{"flat-rectangular", "--width", "0.021m", "--trace", "0.25cm"}, 0, " 1.38 " + kMicro + "H\n", ""},
        // A converted length is checked as any other.
        DesignCase{{"flat-rectangular", "--trace", "0.26cm"}, 2, "", "Trace must be > 0 or < 2.6\n"},
        DesignCase{{"spiral", "--outer-radius", "0in"}, 2, "", "Outer Radius must be > Inner Radius\n"}),
    loopcalc::testing::argumentsName<DesignCase>);

// The capacitance comes on a second line; the first stays the result text.
INSTANTIATE_TEST_SUITE_P(
    Frequency, DesignCommandTest,
    ::testing::Values(
        DesignCase{{"circular", "--frequency", "13.56MHz"}, 0, " 5.78 " + kMicro + "H\nC = 23.8 pF at 13.56 MHz\n", ""},
        DesignCase{{"spiral", "--frequency=125kHz"}, 0, " 4.619 " + kMicro + "H\nC = 351 nF at 125 kHz\n", ""},
        DesignCase{
            {"rectangular", "--frequency", "6780000"}, 0, " 5.85 " + kMicro + "H\nC = 94.1 pF at 6.78 MHz\n", ""},
        DesignCase{{"flat-rectangular", "--width", "1", "--height", "1", "--turns", "1", "--trace", "2.5",
                    "--frequency", "13.56MHz"},
                   0,
                   "-1.35 nH\nC: no capacitance resonates at 13.56 MHz with an inductance of 0 or less\n",
                   ""},
        // No capacitance without a result.
        DesignCase{{"circular", "--turns", "0", "--frequency", "13.56MHz"}, 2, "", "Turns must be > 0\n"},
        DesignCase{{"circular", "--turns", "100", "--radius", "200", "--wire-radius", "0.1", "--frequency", "1MHz"},
                   3,
                   "",
                   "Result out of range:  1.21730752727319E-02 H\n"}),
    loopcalc::testing::argumentsName<DesignCase>);

const std::string kShallow = "warning: the winding is shallow (depth below 0.2 x mean radius): the flat spiral "
                             "formula is no longer accurate to about 5 %\n";

// Warnings go to standard error and change neither the result nor the exit status.
INSTANTIATE_TEST_SUITE_P(
    Warnings, DesignCommandTest,
    ::testing::Values(
        DesignCase{{"spiral", "--warnings"}, 0, " 4.619 " + kMicro + "H\n", kShallow},
        DesignCase{{"spiral", "--warnings", "--inner-radius", "5"}, 0, " 2.815 " + kMicro + "H\n", ""},
        DesignCase{{"circular", "--warnings"}, 0, " 5.78 " + kMicro + "H\n", ""},
        DesignCase{
            {"flat-rectangular", "--width", "1", "--height", "1", "--turns", "1", "--trace", "2.5", "--warnings"},
            0,
            "-1.35 nH\n",
            "warning: the trace size is above a tenth of the coil's smallest dimension: the thin-conductor "
            "assumption fails\nwarning: the coil is too small for its wire: the formula does not apply\n"},
        DesignCase{{"circular", "--turns", "100", "--radius", "2000", "--wire-radius", "250", "--warnings"},
                   3,
                   "",
                   "Result out of range:  3.42175380094741E-02 H\nwarning: the wire radius is above a tenth of the "
                   "coil's smallest dimension: the thin-conductor assumption fails\n"},
        // No warnings before the checks are passed.
        DesignCase{{"spiral", "--turns", "0", "--warnings"}, 2, "", "Turns must be > 0 and < 101\n"}),
    loopcalc::testing::argumentsName<DesignCase>);

INSTANTIATE_TEST_SUITE_P(
    Turns, DesignCommandTest,
    ::testing::Values(
        DesignCase{
            {"turns", "flat-rectangular", "--width", "40", "--height", "25", "--trace", "0.5", "--target", "1.5uH"},
            0,
            "4.151086293459833\n4 turns: 1.39 " + kMicro + "H\n5 turns: 2.17 " + kMicro + "H\n",
            ""},
        DesignCase{{"turns", "flat-rectangular", "--width", "4cm", "--height", "2.5cm", "--trace", "0.5mm", "--target",
                    "1.5\xC2\xB5H", "--frequency", "13.56MHz"},
                   0,
                   "4.151086293459833\n4 turns: 1.39 " + kMicro + "H\n5 turns: 2.17 " + kMicro +
                       "H\nC = 91.8 pF at 13.56 MHz\n",
                   ""},
        DesignCase{{"turns", "spiral", "--target", "20nH"},
                   0,
                   "0.7896022442953068\n0 turns: not accepted (Turns must be > 0 and < 101)\n1 turn: 32 nH\n",
                   ""},
        DesignCase{{"turns", "spiral", "--target", "4.619uH", "--warnings"},
                   0,
                   "11.999616247368454\n11 turns: 3.881 " + kMicro + "H\n12 turns: 4.619 " + kMicro + "H\n",
                   kShallow},
        // Refused dimensions, and targets no accepted number of turns reaches.
        DesignCase{{"turns", "circular", "--radius", "0", "--target", "1uH"}, 2, "", "Radius must be > 0\n"},
        DesignCase{{"turns", "spiral", "--inner-radius", "9", "--target", "1uH"},
                   2,
                   "",
                   "Outer Radius must be > Inner Radius\n"},
        DesignCase{{"turns", "spiral", "--outer-radius", "8.5", "--inner-radius", "8.5", "--target", "0.5mH"},
                   2,
                   "",
                   "0.5mH needs 108.87427585025455 turns, which the calculator does not accept: Turns must be > 0 "
                   "and < 101\n"},
        DesignCase{{"turns", "circular", "--radius", "0.1", "--target", "1uH"},
                   2,
                   "",
                   "no number of turns reaches 1uH: for this outline the formula gives 0 or less (the coil is too "
                   "small for its wire)\n"},
        // Overflow is said to be out of range, never reported as its opposite.
        DesignCase{{"turns", "circular", "--target", "1e308"},
                   2,
                   "",
                   "no number of turns reaches 1e308: the target or the coil's dimensions are out of range, too "
                   "large to calculate with\n"},
        DesignCase{{"turns", "spiral", "--target", "1uH", "--outer-radius", "1e300"},
                   2,
                   "",
                   "no number of turns reaches 1uH: the target or the coil's dimensions are out of range, too large "
                   "to calculate with\n"},
        // Every prefix from fF to F, and a statement beyond them.
        DesignCase{{"circular", "--frequency", "100GHz"}, 0,
                   " 5.78 \xC2\xB5H\nC = below 1 fF: no practical capacitor at 100 GHz\n", ""},
        DesignCase{{"circular", "--frequency", "2GHz"}, 0, " 5.78 \xC2\xB5H\nC = 1.09 fF at 2 GHz\n", ""},
        DesignCase{{"circular", "--frequency", "1kHz"}, 0, " 5.78 \xC2\xB5H\nC = 4.38 mF at 1 kHz\n", ""},
        DesignCase{{"circular", "--frequency", "100Hz"}, 0, " 5.78 \xC2\xB5H\nC = 438 mF at 100 Hz\n", ""},
        DesignCase{{"circular", "--frequency", "20Hz"}, 0, " 5.78 \xC2\xB5H\nC = 10.9 F at 20 Hz\n", ""}),
    loopcalc::testing::argumentsName<DesignCase>);

using loopcalc::testing::UsageCase;

class DesignUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(DesignUsageTest, NamesTheProblemAndExits64)
{
    loopcalc::testing::ExpectUsageError(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, DesignUsageTest,
    ::testing::Values(
        UsageCase{{"circular", "--radius", "10xy"},
                  "unknown unit 'xy' in --radius '10xy' (use mm, cm, m, um, \xC2\xB5m, in or mil)"},
        UsageCase{{"rectangular", "--width=2FT"},
                  "unknown unit 'FT' in --width '2FT' (use mm, cm, m, um, \xC2\xB5m, in or mil)"},
        UsageCase{{"spiral", "--outer-radius", "1e"},
                  "unknown unit 'e' in --outer-radius '1e' (use mm, cm, m, um, \xC2\xB5m, in or mil)"},
        UsageCase{{"circular", "--frequency", "13.56mhz"},
                  "unknown unit 'mhz' in --frequency '13.56mhz' (use Hz, kHz, MHz or GHz)"},
        UsageCase{{"circular", "--frequency", "0"}, "--frequency needs a frequency above 0 Hz, not '0'"},
        UsageCase{{"circular", "--frequency", "-5MHz"}, "--frequency needs a frequency above 0 Hz, not '-5MHz'"},
        UsageCase{{"circular", "--frequency", ""}, "--frequency needs a frequency above 0 Hz, not ''"},
        UsageCase{{"circular", "--frequency"}, "option '--frequency' needs a value"},
        UsageCase{{"circular", "--frequency", "1e-148"},
                  "--frequency '1e-148' is out of range: give a frequency from 1 Hz to 100 GHz"},
        UsageCase{{"circular", "--frequency", "1e200"},
                  "--frequency '1e200' is out of range: give a frequency from 1 Hz to 100 GHz"},
        UsageCase{{"circular", "--frequency", "0.5"},
                  "--frequency '0.5' is out of range: give a frequency from 1 Hz to 100 GHz"},
        UsageCase{{"circular", "--frequency", "101GHz"},
                  "--frequency '101GHz' is out of range: give a frequency from 1 Hz to 100 GHz"},
        UsageCase{{"circular", "--frequency", "1e999"},
                  "--frequency '1e999' is out of range: give a frequency from 1 Hz to 100 GHz"},
        UsageCase{{"circular", "--radius", "1e308m"},
                  "--radius '1e308m' is out of range: too large or too small to calculate with"},
        UsageCase{{"spiral", "--inner-radius", "1e-330cm"},
                  "--inner-radius '1e-330cm' is out of range: too large or too small to calculate with"},
        UsageCase{{"turns", "circular", "--target", "1e999"},
                  "--target '1e999' is out of range: too large or too small to calculate with"},
        UsageCase{{"turns", "circular", "--target", "1uH", "--wire-radius", "1e308in"},
                  "--wire-radius '1e308in' is out of range: too large or too small to calculate with"},
        UsageCase{{"circular", "--warnings=1"}, "option '--warnings' takes no value"},
        UsageCase{{"circular", "--target", "1uH"}, "unknown option '--target'"},
        UsageCase{{"turns"}, "turns needs a shape"},
        UsageCase{{"turns", "cube", "--target", "1uH"}, "unknown shape 'cube'"},
        UsageCase{{"turns", "circular"}, "turns needs --target, the inductance to reach"},
        UsageCase{{"turns", "circular", "--target", "1.5uF"},
                  "unknown unit 'uF' in --target '1.5uF' (use H, mH, uH, \xC2\xB5H, nH or pH)"},
        UsageCase{{"turns", "circular", "--target", "0uH"}, "--target needs an inductance above 0 H, not '0uH'"},
        UsageCase{{"turns", "circular", "--target", "much"}, "--target needs an inductance above 0 H, not 'much'"},
        UsageCase{{"turns", "circular", "--target", "1uH", "--turns", "3"},
                  "option '--turns' does not apply to turns: the number of turns is what it finds"},
        UsageCase{{"turns", "circular", "--target", "1uH", "--trace", "1"},
                  "option '--trace' does not apply to circular (it is an option of flat-rectangular)"},
        UsageCase{{"turns", "circular", "--target", "1uH", "extra"}, "unexpected argument 'extra'"},
        UsageCase{{"turns", "circular", "--radius", "1yd", "--target", "1uH"},
                  "unknown unit 'yd' in --radius '1yd' (use mm, cm, m, um, \xC2\xB5m, in or mil)"},
        UsageCase{{"batch", "--frequency", "1MHz"}, "unknown option '--frequency'"}),
    loopcalc::testing::argumentsName<UsageCase>);

// The capacitance line is the tuning capacitance of the result's exact value.
TEST(FrequencyOption, CapacitanceOfTheExactResult)
{
    const CliRun r = run({"circular", "--radius", "25", "--turns", "3", "--frequency", "13.56MHz"});
    ASSERT_EQ(r.code, 0);
    const std::string second = r.out.substr(r.out.find('\n') + 1);
    const CliRun plain = run({"circular", "--radius", "25", "--turns", "3"});
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), plain.out);
    EXPECT_TRUE(second.starts_with("C = ")) << second;
    EXPECT_TRUE(second.ends_with(" at 13.56 MHz\n")) << second;
}

TEST(Help, DocumentsTheDesignAids)
{
    const CliRun r = run({"--help"});
    ASSERT_EQ(r.code, 0);
    for (const std::string_view piece :
         {"turns SHAPE --target L", "--frequency F", "--warnings", "--target L", "mm, cm, m, um", "in, mil",
          "Hz, kHz, MHz, GHz", "H, mH, uH", "0.2 x mean radius", "a tenth of the smallest", "capacitance",
          "\"warning\""}) {
        EXPECT_NE(r.out.find(piece), std::string::npos) << piece;
    }
    const CliRun turns = run({"turns", "--help"});
    EXPECT_EQ(turns.code, 0);
    EXPECT_TRUE(turns.out.starts_with("Usage: loopcalc-cli turns SHAPE --target L")) << turns.out;
    EXPECT_NE(turns.out.find("  flat-rectangular [--width MM] [--height MM] [--trace MM]\n"), std::string::npos)
        << turns.out;
    const CliRun shapeTurns = run({"turns", "spiral", "-h"});
    EXPECT_EQ(shapeTurns.out, turns.out);
    const CliRun shape = run({"circular", "--help"});
    EXPECT_NE(shape.out.find("--frequency F"), std::string::npos) << shape.out;
}

}  // namespace
