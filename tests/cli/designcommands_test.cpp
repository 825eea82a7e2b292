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
using loopcalc::testing::kMicro;
using loopcalc::testing::kShallowWarning;
using loopcalc::testing::kThickTraceWarning;
using loopcalc::testing::RunCli;
using DesignCase = loopcalc::testing::CliCase;

class DesignCommandTest : public ::testing::TestWithParam<DesignCase> {};

TEST_P(DesignCommandTest, PrintsAndExits)
{
    const DesignCase& c = GetParam();
    const CliRun r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
}

const std::string kTooSmallWarning = "warning: the coil is too small for its wire: the formula does not apply\n";
// At the turns found the classic formula gives the target; the reference less.
const std::string kNfcAntenna =
    "warning: the classic formula reads 29 % above the partial-inductance reference (1.17 \xC2\xB5H)\n";

// A length with a unit reaches the box as the same number of millimetres.
INSTANTIATE_TEST_SUITE_P(
    Units, DesignCommandTest,
    ::testing::Values(DesignCase{{"circular", "--radius", "1cm"}, 0, " 5.78 " + kMicro + "H\n", ""},
                      DesignCase{
                          {"circular", "--radius=10mm", "--wire-radius", "127um"}, 0, " 5.78 " + kMicro + "H\n", ""},
                      DesignCase{{"circular", "--wire-radius", "127\xC2\xB5m"}, 0, " 5.78 " + kMicro + "H\n", ""},
                      DesignCase{{"circular", "--wire-radius", "5mil"}, 0, " 5.78 " + kMicro + "H\n", ""},
                      DesignCase{{"flat-rectangular", "--width", "0.021m", "--trace", "0.25cm"},
                                 0,
                                 " 1.38 " + kMicro + "H\n",
                                 kThickTraceWarning},
                      // A converted length is checked as any other.
                      DesignCase{{"flat-rectangular", "--trace", "0.26cm"}, 2, "", "Trace must be > 0 or < 2.6\n"},
                      DesignCase{{"spiral", "--outer-radius", "0in"}, 2, "", "Outer Radius must be > Inner Radius\n"}),
    loopcalc::testing::argumentsName<DesignCase>);

// The capacitance comes on a second line; the first stays the result text.
INSTANTIATE_TEST_SUITE_P(
    Frequency, DesignCommandTest,
    ::testing::Values(
        DesignCase{{"circular", "--frequency", "13.56MHz"}, 0, " 5.78 " + kMicro + "H\nC = 23.8 pF at 13.56 MHz\n", ""},
        DesignCase{
            {"spiral", "--frequency=125kHz"}, 0, " 4.619 " + kMicro + "H\nC = 351 nF at 125 kHz\n", kShallowWarning},
        DesignCase{{"rectangular", "--frequency", "6780000"},
                   0,
                   " 5.85 " + kMicro + "H\nC = 94.1 pF at 6.78 MHz\n",
                   "warning: the classic formula reads 38 % above the partial-inductance reference (4.25 " + kMicro +
                       "H)\n"},
        DesignCase{{"flat-rectangular", "--width", "1", "--height", "1", "--turns", "1", "--trace", "2.5",
                    "--frequency", "13.56MHz"},
                   0,
                   "-1.35 nH\nC: no capacitance resonates at 13.56 MHz with an inductance of 0 or less\n",
                   kThickTraceWarning + kTooSmallWarning},
        // No capacitance without a result.
        DesignCase{{"circular", "--turns", "0", "--frequency", "13.56MHz"}, 2, "", "Turns must be > 0\n"},
        DesignCase{{"circular", "--turns", "100", "--radius", "200", "--wire-radius", "0.1", "--frequency", "1MHz"},
                   3,
                   "",
                   "Result out of range:  1.21730752727319E-02 H\nwarning: the classic formula reads 12 % below the "
                   "filament reference (13.8 mH)\n"}),
    loopcalc::testing::argumentsName<DesignCase>);

// Warnings go to standard error and change neither the result nor the exit status.
INSTANTIATE_TEST_SUITE_P(
    Warnings, DesignCommandTest,
    ::testing::Values(
        DesignCase{{"spiral", "--warnings"}, 0, " 4.619 " + kMicro + "H\n", kShallowWarning},
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
        DesignCase{{"spiral", "--turns", "0", "--warnings"}, 2, "", "Turns must be > 0 and < 101\n"},
        // By default; --no-warnings silences them, a later --warnings brings them back.
        DesignCase{{"spiral"}, 0, " 4.619 " + kMicro + "H\n", kShallowWarning},
        DesignCase{{"spiral", "--no-warnings"}, 0, " 4.619 " + kMicro + "H\n", ""},
        DesignCase{{"spiral", "--no-warnings", "--warnings"}, 0, " 4.619 " + kMicro + "H\n", kShallowWarning},
        DesignCase{{"turns", "spiral", "--target", "20nH", "--no-warnings"},
                   0,
                   "0.7896022442953068\n0 turns: not accepted (Turns must be > 0 and < 101)\n1 turn: 32 nH\n",
                   ""},
        // Maxwell's thin-coil formula, mu0 N^2 R (ln(8R/g) - 2), with the 2 x 2 mm
        // bundle's geometric mean distance g = 0.2235 (2 + 2) mm gives 13.8 mH.
        DesignCase{{"circular", "--turns", "100", "--radius", "200", "--wire-radius", "0.1", "--no-warnings"},
                   3,
                   "",
                   "Result out of range:  1.21730752727319E-02 H\n"},
        DesignCase{{"circular", "--turns", "100", "--radius", "200", "--wire-radius", "0.1"},
                   3,
                   "",
                   "Result out of range:  1.21730752727319E-02 H\nwarning: the classic formula reads 12 % below the "
                   "filament reference (13.8 mH)\n"}),
    loopcalc::testing::argumentsName<DesignCase>);

INSTANTIATE_TEST_SUITE_P(
    Turns, DesignCommandTest,
    ::testing::Values(
        DesignCase{
            {"turns", "flat-rectangular", "--width", "40", "--height", "25", "--trace", "0.5", "--target", "1.5uH"},
            0,
            "4.151086293459833\n4 turns: 1.39 " + kMicro + "H\n5 turns: 2.17 " + kMicro + "H\n",
            kNfcAntenna},
        DesignCase{{"turns", "flat-rectangular", "--width", "4cm", "--height", "2.5cm", "--trace", "0.5mm", "--target",
                    "1.5\xC2\xB5H", "--frequency", "13.56MHz"},
                   0,
                   "4.151086293459833\n4 turns: 1.39 " + kMicro + "H\n5 turns: 2.17 " + kMicro +
                       "H\nC = 91.8 pF at 13.56 MHz\n",
                   kNfcAntenna},
        DesignCase{{"turns", "spiral", "--target", "20nH"},
                   0,
                   "0.7896022442953068\n0 turns: not accepted (Turns must be > 0 and < 101)\n1 turn: 32 nH\n",
                   kShallowWarning +
                       "warning: the classic formula reads 11 % below the filament reference (22.4 nH)\n"},
        DesignCase{{"turns", "spiral", "--target", "4.619uH", "--warnings"},
                   0,
                   "11.999616247368454\n11 turns: 3.881 " + kMicro + "H\n12 turns: 4.619 " + kMicro + "H\n",
                   kShallowWarning},
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
        DesignCase{{"circular", "--frequency", "100GHz"},
                   0,
                   " 5.78 \xC2\xB5H\nC = below 1 fF: no practical capacitor at 100 GHz\n",
                   ""},
        DesignCase{{"circular", "--frequency", "2GHz"}, 0, " 5.78 \xC2\xB5H\nC = 1.09 fF at 2 GHz\n", ""},
        DesignCase{{"circular", "--frequency", "1kHz"}, 0, " 5.78 \xC2\xB5H\nC = 4.38 mF at 1 kHz\n", ""},
        DesignCase{{"circular", "--frequency", "100Hz"}, 0, " 5.78 \xC2\xB5H\nC = 438 mF at 100 Hz\n", ""},
        DesignCase{{"circular", "--frequency", "20Hz"}, 0, " 5.78 \xC2\xB5H\nC = 10.9 F at 20 Hz\n", ""}),
    loopcalc::testing::argumentsName<DesignCase>);

// The models of one coil: the classic result first, as a calculation prints
// it, then the reference (its line holds `reference`), with the
// calculation's exit status.
struct ModelsCase {
    std::vector<std::string_view> args;
    int code;
    std::string classic;
    std::string reference;
};

std::ostream& operator<<(std::ostream& os, const ModelsCase& c)
{
    for (const auto arg : c.args) {
        os << '[' << arg << ']';
    }
    return os;
}

/// The line of the table that starts with name, or empty.
std::string TableLine(const std::string& table, std::string_view name)
{
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(name)) {
            return line;
        }
    }
    return {};
}

class ModelsCommandTest : public ::testing::TestWithParam<ModelsCase> {};

TEST_P(ModelsCommandTest, ClassicFirstThenTheModels)
{
    const ModelsCase& c = GetParam();
    std::vector<std::string_view> args{"models"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = RunCli(args);
    EXPECT_EQ(r.code, c.code);
    const std::string first = r.out.substr(0, r.out.find('\n'));
    EXPECT_TRUE(first.starts_with("classic formula ")) << r.out;
    EXPECT_NE(first.find(c.classic), std::string::npos) << r.out;
    EXPECT_NE(TableLine(r.out, "reference ").find(c.reference), std::string::npos) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ModelsCommandTest,
    ::testing::Values(
        // 10 x 10 turns: see the thin-coil formula above.
        ModelsCase{{"circular", "--turns", "100", "--radius", "200", "--wire-radius", "0.1"},
                   3,
                   " Result out of range:  1.21730752727319E-02 H  -12 %",
                   " 13.8 mH"},
        // One layer of 100 turns at 0.2 mm on a 10 mm radius: Nagaoka's
        // coefficient for 2R/l = 1 is 0.6884, so the current sheet gives
        // 0.6884 mu0 N^2 pi R^2 / l = 135.9 uH; Rosa's correction for round
        // wires touching takes 1.1 uH off: 134.8 uH.
        ModelsCase{{"circular", "--turns", "100", "--radius", "1cm", "--wire-radius", "0.1", "--winding", "layer"},
                   0,
                   " 371.24 " + kMicro + "H  +175 %",
                   " 135 " + kMicro + "H "},
        // The reference goes on below the turns the page accepts.
        ModelsCase{{"circular", "--turns", "0.5"}, 2, " refused: Turns must be > 0", " nH"},
        ModelsCase{{"spiral", "--turns", "0"}, 2, " refused: Turns must be > 0 and < 101", " no value "},
        ModelsCase{{"spiral", "--outer-radius", "0.9in", "--trace", "0.5"}, 0, " 4.", "strips"}),
    loopcalc::testing::argumentsName<ModelsCase>);

// A printed 39.1 x 39.1 mm square of 9 turns (trace 0.9 mm, gap 0.15 mm, 30 um
// copper) measured 3.915 uH; the classic formula gives nearly twice that.
TEST(ModelsCommand, MeasuredPrintedCoil)
{
    const CliRun r = RunCli({"models", "flat-rectangular", "--width", "39.1", "--height", "39.1", "--turns", "9",
                             "--trace", "0.9", "--gap", "0.15", "--thickness", "0.03"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.substr(0, r.out.find('\n')).find(" 7.58 " + kMicro + "H  +98 %"), std::string::npos) << r.out;
    const std::string reference = TableLine(r.out, "reference ");
    const double microhenries = std::stod(reference.substr(reference.find_first_of("0123456789")));
    EXPECT_NEAR(microhenries, 3.915, 0.05 * 3.915) << r.out;
    EXPECT_NE(reference.find(kMicro + "H "), std::string::npos) << reference;
    EXPECT_EQ(r.err, "warning: the classic formula reads 98 % above the partial-inductance reference (3.83 " + kMicro +
                         "H)\n");
    const CliRun quiet = RunCli({"models", "flat-rectangular", "--width", "39.1", "--height", "39.1", "--turns", "9",
                                 "--trace", "0.9", "--gap", "0.15", "--thickness", "0.03", "--no-warnings"});
    EXPECT_EQ(quiet.out, r.out);
    EXPECT_EQ(quiet.err, "");
}

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
        UsageCase{{"batch", "--frequency", "1MHz"}, "unknown option '--frequency'"},
        UsageCase{{"models"}, "models needs a shape"}, UsageCase{{"models", "cube"}, "unknown shape 'cube'"},
        UsageCase{{"models", "circular", "--winding", "foo"}, "--winding needs bundle or layer, not 'foo'"},
        UsageCase{{"models", "circular", "--winding"}, "option '--winding' needs a value"},
        UsageCase{{"models", "spiral", "--wire-radius", "0.1", "--trace", "0.1"},
                  "give --wire-radius or --trace, not both"},
        UsageCase{{"models", "flat-rectangular", "--gap", "-1"}, "--gap needs a length above 0 mm, not '-1'"},
        UsageCase{{"models", "flat-rectangular", "--gap", "nan"}, "--gap needs a length above 0 mm, not 'nan'"},
        UsageCase{{"models", "flat-rectangular", "--thickness", "1yd"},
                  "unknown unit 'yd' in --thickness '1yd' (use mm, cm, m, um, \xC2\xB5m, in or mil)"},
        // A length that reaches the models as 0 or a denormal number once it is
        // in metres is as much out of range as one that overflows.
        UsageCase{{"models", "flat-rectangular", "--thickness", "1e-320um"},
                  "--thickness '1e-320um' is out of range: too large or too small to calculate with"},
        UsageCase{{"models", "flat-rectangular", "--gap", "1e-306"},
                  "--gap '1e-306' is out of range: too large or too small to calculate with"},
        UsageCase{{"turns", "circular", "--target", "1e-320"},
                  "--target '1e-320' is out of range: too large or too small to calculate with"},
        UsageCase{{"models", "spiral", "--trace", "1e308in"},
                  "--trace '1e308in' is out of range: too large or too small to calculate with"},
        UsageCase{{"models", "circular", "--gap", "1"},
                  "option '--gap' does not apply to models circular (it is an option of models flat-rectangular)"},
        UsageCase{{"models", "circular", "--frequency", "1MHz"}, "option '--frequency' does not apply to models"},
        UsageCase{{"flat-rectangular", "--gap", "0.15"},
                  "option '--gap' does not apply to flat-rectangular (it is an option of models flat-rectangular)"}),
    loopcalc::testing::argumentsName<UsageCase>);

// The capacitance line is the tuning capacitance of the result's exact value.
TEST(FrequencyOption, CapacitanceOfTheExactResult)
{
    const CliRun r = RunCli({"circular", "--radius", "25", "--turns", "3", "--frequency", "13.56MHz"});
    ASSERT_EQ(r.code, 0);
    const std::string second = r.out.substr(r.out.find('\n') + 1);
    const CliRun plain = RunCli({"circular", "--radius", "25", "--turns", "3"});
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), plain.out);
    EXPECT_TRUE(second.starts_with("C = ")) << second;
    EXPECT_TRUE(second.ends_with(" at 13.56 MHz\n")) << second;
}

TEST(Help, DocumentsTheDesignAids)
{
    const CliRun r = RunCli({"--help"});
    ASSERT_EQ(r.code, 0);
    for (const std::string_view piece :
         {"turns SHAPE --target L", "models SHAPE", "--frequency F", "--no-warnings", "--target L", "--winding W",
          "--gap MM", "--thickness MM", "0.035 mm", "(k + 1/2) x pitch", "centre trace to centre trace",
          "mm, cm, m, um", "in, mil", "Hz, kHz, MHz, GHz", "H, mH, uH", "0.2 x mean radius", "a tenth of the smallest",
          "capacitance", "\"warning\""}) {
        EXPECT_NE(r.out.find(piece), std::string::npos) << piece;
    }
    const CliRun turns = RunCli({"turns", "--help"});
    EXPECT_EQ(turns.code, 0);
    EXPECT_TRUE(turns.out.starts_with("Usage: loopcalc-cli turns SHAPE --target L")) << turns.out;
    EXPECT_NE(turns.out.find("  flat-rectangular [--width MM] [--height MM] [--trace MM]\n"), std::string::npos)
        << turns.out;
    const CliRun shapeTurns = RunCli({"turns", "spiral", "-h"});
    EXPECT_EQ(shapeTurns.out, turns.out);
    const CliRun shape = RunCli({"circular", "--help"});
    EXPECT_NE(shape.out.find("--frequency F"), std::string::npos) << shape.out;
}

}  // namespace
