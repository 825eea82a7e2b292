// SPDX-License-Identifier: MIT
// Runs the loopcalc-cli program as a shell would: arguments, standard input,
// standard output, standard error and exit status.
#include "localefolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Process {
    int code = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

/// Runs the program with arguments (already quoted for the shell) and input
/// on its standard input.
Process runCli(const std::string& arguments, const std::string& input = {})
{
    // ctest runs the tests of this file side by side: each has its own files.
    const std::string stem = ::testing::TempDir() + "cli_binary_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                             std::to_string(getpid());
    const std::string inPath = stem + "_in.txt";
    const std::string errPath = stem + "_err.txt";
    {
        std::ofstream in(inPath, std::ios::binary);
        in << input;
    }
    // A locale with "," as its decimal separator must change nothing.
    std::string command = loopcalc::testing::LocaleAssignments("de_DE.UTF-8");
    command.append("'" LOOPCALC_CLI "' ").append(arguments).append(" <'").append(inPath);
    command.append("' 2>'").append(errPath).append("'");
    Process p;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot start " << command;
        return p;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        p.out.append(buffer, count);
    }
    const int status = pclose(pipe);
    p.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    p.err = slurp(errPath);
    std::remove(inPath.c_str());
    std::remove(errPath.c_str());
    return p;
}

// The program runs in a decimal-comma locale indeed, not in the C locale a
// machine without de_DE falls back to.
TEST(Program, RunsInADecimalCommaLocale)
{
    if (loopcalc::testing::LocaleFolder().empty()) {
        GTEST_SKIP() << loopcalc::testing::kNoLocales;
    }
    const std::string command = loopcalc::testing::LocaleAssignments("de_DE.UTF-8") + "locale decimal_point";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::array<char, 16> point{};
    const std::size_t count = std::fread(point.data(), 1, point.size(), pipe);
    pclose(pipe);
    EXPECT_EQ(std::string(point.data(), count), ",\n");
}

struct ProgramCase {
    const char* arguments;
    int code;
    std::string out;
    std::string err;
};

// What a shell sees of a result, a refusal, a comma in a number (never a
// decimal separator, whatever the locale) and a result out of range.
TEST(Program, AnswersOnItsStreamsWithItsExitCode)
{
    const ProgramCase cases[] = {
        {"circular", 0, " 5.78 \xC2\xB5H\n", ""},
        {"spiral --turns=101", 2, "", "Turns must be > 0 and < 101\n"},
        {"circular --radius 10,5", 2, "", "Radius must be > 0\n"},
        {"circular --turns 100 --radius 200 --wire-radius 0.1", 3, "",
         "Result out of range:  1.21730752727319E-02 H\n"
         "warning: the classic formula reads 12 % below the filament reference (13.8 mH)\n"},
    };
    for (const ProgramCase& c : cases) {
        const Process p = runCli(c.arguments);
        EXPECT_EQ(p.code, c.code) << c.arguments;
        EXPECT_EQ(p.out, c.out) << c.arguments;
        EXPECT_EQ(p.err, c.err) << c.arguments;
    }
}

TEST(Program, UsageErrorAndVersion)
{
    const Process bad = runCli("circular --trace 1");
    EXPECT_EQ(bad.code, 64);
    EXPECT_EQ(bad.out, "");
    EXPECT_TRUE(bad.err.starts_with("loopcalc-cli: option '--trace' does not apply to circular")) << bad.err;

    const Process version = runCli("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "loopcalc-cli " LOOPCALC_PROJECT_VERSION "\n");
}

TEST(Program, BatchFromStandardInput)
{
    const Process p = runCli("batch", "\xEF\xBB\xBFshape,turns,note\r\nspiral,12,\"a,b\"\r\ncube,1,\r\n");
    EXPECT_EQ(p.code, 0);
    EXPECT_EQ(p.err, "");
    std::istringstream lines(p.out);
    std::string header;
    std::string spiral;
    std::string cube;
    std::string rest;
    std::getline(lines, header);
    std::getline(lines, spiral);
    std::getline(lines, cube);
    EXPECT_EQ(header, "shape,turns,note,outcome,text,henries");
    EXPECT_TRUE(spiral.starts_with("spiral,12,\"a,b\",result, 4.619 \xC2\xB5H,4.619")) << spiral;
    EXPECT_EQ(cube, "cube,1,,error,unknown shape 'cube',");
    EXPECT_FALSE(std::getline(lines, rest));
    EXPECT_EQ(p.out.find('\r'), std::string::npos) << "line ends are LF";
}

// As a decimal-comma spreadsheet saves a sheet: a byte order mark, ";",
// CRLF, quoted texts and decimal commas; the answer keeps the ";", writes the
// numbers with a decimal comma and starts with a byte order mark on request.
TEST(Program, BatchRoundTripsASemicolonSpreadsheetFile)
{
    const Process p =
        runCli("batch --output-bom",
               "\xEF\xBB\xBF\"shape\";\"radius\";\"turns\"\r\n\"circular\";10,5;11,5\r\n\"spiral\";;12\r\n");
    EXPECT_EQ(p.code, 0);
    EXPECT_EQ(p.err, "");
    EXPECT_EQ(p.out, "\xEF\xBB\xBFshape;radius;turns;outcome;text;henries\n"
                     "circular;10,5;11,5;result; 6.14 \xC2\xB5H;6,1400952273770927e-06\n"
                     "spiral;;12;result; 4.619 \xC2\xB5H;4,6192954397394132e-06\n");
    const Process same = runCli("circular --radius 10.5 --turns 11.5");
    EXPECT_EQ(same.out, " 6.14 \xC2\xB5H\n") << "the decimal comma read the same numbers";
}

TEST(Program, BatchExitCodes)
{
    const Process empty = runCli("batch -");
    EXPECT_EQ(empty.code, 65);
    EXPECT_EQ(empty.out, "");
    EXPECT_NE(empty.err.find("empty"), std::string::npos) << empty.err;

    const Process missing = runCli("batch '" + ::testing::TempDir() + "missing.csv'");
    EXPECT_EQ(missing.code, 66);
    EXPECT_NE(missing.err.find("missing.csv"), std::string::npos) << missing.err;
}

// A full disk, as the per-process file-size limit makes it: the program is
// not ended by the signal that comes with the failed write, but says so and
// exits with 74, as on any other device that stops taking output.
TEST(Program, OutputBeyondTheFileSizeLimitExits74)
{
    const std::string stem = ::testing::TempDir() + "cli_binary_limit_" + std::to_string(getpid());
    {
        std::ofstream rows(stem + ".csv", std::ios::binary);
        rows << "shape,turns\n";
        for (int i = 0; i < 4000; ++i) {
            rows << "circular,11.5\n";
        }
    }
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 16384;
    setrlimit(RLIMIT_FSIZE, &limited);
    const Process p = runCli("batch '" + stem + ".csv' >'" + stem + ".out'");
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(p.code, 74);
    EXPECT_EQ(p.err, "loopcalc-cli: batch: writing the output failed\n");
    EXPECT_EQ(slurp(stem + ".out").size(), 16384U);
    std::remove((stem + ".csv").c_str());
    std::remove((stem + ".out").c_str());
}

}  // namespace
