// SPDX-License-Identifier: MIT
#include "batchrunner.h"
#include "fakeformport.h"
#include "shapes.h"

#include "casename.h"
#include "clirun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using loopcalc::testing::FailingBuffer;

using BatchRun = loopcalc::testing::CliRun;
using loopcalc::testing::RunBatchOn;

/// The outcome, text and henries fields a row must end with, worked out by
/// running the handler on a recording page and printing with printf.
std::string expectedTail(std::string_view shapeName, const std::vector<std::pair<std::string, std::string>>& values)
{
    const loopcalc::Shape* shape = loopcalc::FindShape(shapeName);
    if (shape == nullptr) {
        throw std::invalid_argument("no such shape");
    }
    loopcalc::testing::FakeFormPort page;
    for (const loopcalc::ShapeField& field : shape->fields) {
        page.boxes[std::string(field.box)] = std::string(field.initialText);
        for (const auto& [option, value] : values) {
            if (option == field.option) {
                page.boxes[std::string(field.box)] = value;
            }
        }
    }
    const loopcalc::Outcome outcome = shape->calculate(page);
    char henries[40];
    std::snprintf(henries, sizeof henries, "%.17g", outcome.henries);
    switch (outcome.kind) {
    case loopcalc::Outcome::Kind::Result: return "result," + outcome.text + "," + henries;
    case loopcalc::Outcome::Kind::OutOfRange: return "out-of-range," + outcome.text + "," + henries;
    case loopcalc::Outcome::Kind::Refused: break;
    }
    return "refused," + outcome.text + ",";
}

TEST(Batch, MixedShapesReadTheirOwnColumns)
{
    const BatchRun b = RunBatchOn("shape,radius,turns,wire-radius,width,height,outer-radius,inner-radius,trace\n"
                                  "circular,12,8,0.2,30,40,50,60,1\n"
                                  "rectangular,12,8,0.2,30,40,50,60,1\n"
                                  "spiral,12,8,0.2,30,40,50,45,1\n"
                                  "flat-rectangular,12,8,0.2,30,40,50,60,1\n");
    EXPECT_EQ(b.code, 0);
    EXPECT_EQ(b.err, "");
    EXPECT_EQ(
        b.out,
        "shape,radius,turns,wire-radius,width,height,outer-radius,inner-radius,trace,outcome,text,henries\n"
        "circular,12,8,0.2,30,40,50,60,1," +
            expectedTail("circular", {{"radius", "12"}, {"turns", "8"}, {"wire-radius", "0.2"}}) +
            "\n"
            "rectangular,12,8,0.2,30,40,50,60,1," +
            expectedTail("rectangular", {{"width", "30"}, {"height", "40"}, {"turns", "8"}, {"wire-radius", "0.2"}}) +
            "\n"
            "spiral,12,8,0.2,30,40,50,45,1," +
            expectedTail("spiral", {{"outer-radius", "50"}, {"inner-radius", "45"}, {"turns", "8"}}) +
            "\n"
            "flat-rectangular,12,8,0.2,30,40,50,60,1," +
            expectedTail("flat-rectangular", {{"width", "30"}, {"height", "40"}, {"turns", "8"}, {"trace", "1"}}) +
            "\n");
    // The oracle is not merely echoing: these rows really are results.
    EXPECT_EQ(b.out.find("refused"), std::string::npos) << b.out;
}

TEST(Batch, AbsentColumnsTakeTheInitialTexts)
{
    const BatchRun b = RunBatchOn("shape\ncircular\nrectangular\nspiral\nflat-rectangular\n");
    EXPECT_EQ(b.code, 0);
    EXPECT_EQ(b.out, "shape,outcome,text,henries\n"
                     "circular," +
                         expectedTail("circular", {}) +
                         "\n"
                         "rectangular," +
                         expectedTail("rectangular", {}) +
                         "\n"
                         "spiral," +
                         expectedTail("spiral", {}) +
                         "\n"
                         "flat-rectangular," +
                         expectedTail("flat-rectangular", {}) + "\n");
    EXPECT_NE(b.out.find("\ncircular,result, 5.78 \xC2\xB5H,5.78"), std::string::npos) << b.out;
    EXPECT_NE(b.out.find("\nspiral,result, 4.619 \xC2\xB5H,4.619"), std::string::npos) << b.out;
}

struct RowCase {
    std::string name;
    std::string input;   ///< header and rows
    std::string output;  ///< everything after the output header
};

std::ostream& operator<<(std::ostream& os, const RowCase& c)
{
    return os << c.name;
}

class BatchRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(BatchRowTest, WritesTheExpectedRows)
{
    const RowCase& c = GetParam();
    const BatchRun b = RunBatchOn(c.input);
    EXPECT_EQ(b.code, 0);
    EXPECT_EQ(b.err, "");
    const std::size_t headerEnd = b.out.find('\n');
    ASSERT_NE(headerEnd, std::string::npos) << b.out;
    EXPECT_EQ(b.out.substr(headerEnd + 1), c.output);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BatchRowTest,
    ::testing::Values(
        RowCase{"empty cell is an empty box", "shape,radius\ncircular,\n", "circular,,refused,Radius must be > 0,\n"},
        RowCase{"other shapes' columns are ignored", "shape,trace,radius\ncircular,0,10\nflat-rectangular,5,0\n",
                "circular,0,10," + expectedTail("circular", {}) +
                    "\nflat-rectangular,5,0,refused,Trace must be > 0 or < 2.6,\n"},
        RowCase{"unknown shape", "shape,turns\ncylinder,3\n,3\n",
                "cylinder,3,error,unknown shape 'cylinder',\n,3,error,no shape given,\n"},
        RowCase{"shape names are exact", "shape\nSpiral\n spiral\n",
                "Spiral,error,unknown shape 'Spiral',\n spiral,error,unknown shape ' spiral',\n"},
        RowCase{"short row is padded", "shape,turns,note\ncircular\n",
                "circular,,,error,\"row has 1 field, header has 3\",\n"},
        RowCase{"long row is cut", "shape,turns\ncircular,11.5,extra,more\n",
                "circular,11.5,error,\"row has 4 fields, header has 2\",\n"},
        RowCase{"bad rows do not stop the run", "shape\ncylinder\nspiral\n",
                "cylinder,error,unknown shape 'cylinder',\nspiral," + expectedTail("spiral", {}) + "\n"},
        RowCase{"extra columns carried through, quoted again when needed",
                "id,shape,note,outcome\n7,spiral,\"a,b\",\"say \"\"x\"\"\"\n",
                "7,spiral,\"a,b\",\"say \"\"x\"\"\"," + expectedTail("spiral", {}) + "\n"},
        RowCase{"a quote inside an unquoted field is quoted on the way out", "shape,note\nspiral,5\"x\n",
                "spiral,\"5\"\"x\"," + expectedTail("spiral", {}) + "\n"},
        RowCase{"out of range carries henries", "shape,turns,radius,wire-radius\ncircular,100,200,0.1\n",
                "circular,100,200,0.1," +
                    expectedTail("circular", {{"turns", "100"}, {"radius", "200"}, {"wire-radius", "0.1"}}) + "\n"},
        RowCase{"the first of two equal column names counts", "shape,radius,radius\ncircular,0,10\n",
                "circular,0,10,refused,Radius must be > 0,\n"},
        RowCase{"blank lines skipped, crlf and lf alike", "shape,turns\r\n\r\nspiral,0\r\n\n\nspiral,0\n",
                "spiral,0,refused,Turns must be > 0 and < 101,\nspiral,0,refused,Turns must be > 0 and < 101,\n"},
        RowCase{"quoted values with line breaks are carried", "shape,note\nspiral,\"two\r\nlines\"\n",
                "spiral,\"two\r\nlines\"," + expectedTail("spiral", {}) + "\n"},
        RowCase{"broken quote in a row", "shape,turns\nspiral,\"3\"x\nspiral,\"12\"\n",
                "spiral,3x,error,text after the closing quote of a field,\nspiral,12," + expectedTail("spiral", {}) +
                    "\n"},
        RowCase{"unterminated quote in the last row", "shape,turns\nspiral,\"3\nspiral,4\n",
                "spiral,\"3\nspiral,4\n\",error,unterminated quoted field,\n"}),
    loopcalc::testing::caseName<RowCase>);

/// expectedTail for a file with this delimiter: the three fields separated
/// by it, and in a ";" file the henries with a decimal comma.
std::string spreadsheetTail(std::string_view shapeName, const std::vector<std::pair<std::string, std::string>>& values,
                            char delimiter)
{
    const std::string tail = expectedTail(shapeName, values);
    const std::size_t first = tail.find(',');
    const std::size_t last = tail.rfind(',');
    std::string henries = tail.substr(last + 1);
    if (delimiter == ';') {
        std::replace(henries.begin(), henries.end(), '.', ',');
    }
    return tail.substr(0, first) + delimiter + tail.substr(first + 1, last - first - 1) + delimiter + henries;
}

struct SpreadsheetCase {
    std::string name;
    std::string input;
    bool outputBom;
    std::string output;  ///< all of it
};

std::ostream& operator<<(std::ostream& os, const SpreadsheetCase& c)
{
    return os << c.name;
}

class BatchSpreadsheetTest : public ::testing::TestWithParam<SpreadsheetCase> {};

TEST_P(BatchSpreadsheetTest, KeepsTheDelimiterAndReadsItsNumbers)
{
    const SpreadsheetCase& c = GetParam();
    loopcalc::cli::BatchOptions options;
    options.outputBom = c.outputBom;
    const BatchRun b = RunBatchOn(c.input, options);
    EXPECT_EQ(b.code, 0);
    EXPECT_EQ(b.err, "");
    EXPECT_EQ(b.out, c.output);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BatchSpreadsheetTest,
    ::testing::Values(
        SpreadsheetCase{
            "semicolon file with decimal commas", "shape;radius;turns;wire-radius\ncircular;10,5;11,5;0,2\n", false,
            "shape;radius;turns;wire-radius;outcome;text;henries\ncircular;10,5;11,5;0,2;" +
                spreadsheetTail("circular", {{"radius", "10.5"}, {"turns", "11.5"}, {"wire-radius", "0.2"}}, ';') +
                "\n"},
        SpreadsheetCase{"semicolon file still reads decimal points", "shape;radius\ncircular;10.5\n", false,
                        "shape;radius;outcome;text;henries\ncircular;10.5;" +
                            spreadsheetTail("circular", {{"radius", "10.5"}}, ';') + "\n"},
        SpreadsheetCase{
            "decimal comma before a unit", "shape;width;height;trace\nflat-rectangular;2,5cm;0,5in;127um\n", false,
            "shape;width;height;trace;outcome;text;henries\nflat-rectangular;2,5cm;0,5in;127um;" +
                spreadsheetTail("flat-rectangular", {{"width", "25"}, {"height", "12.7"}, {"trace", "0.127"}}, ';') +
                "\n"},
        SpreadsheetCase{"group separators are refused", "shape;radius;turns\ncircular;1.000,5;11\nspiral;8,5;1.000\n",
                        false,
                        "shape;radius;turns;outcome;text;henries\ncircular;1.000,5;11;refused;Radius must be > 0;\n"
                        "spiral;8,5;1.000;" +
                            spreadsheetTail("spiral", {{"turns", "1"}}, ';') + "\n"},
        SpreadsheetCase{"semicolons in a field are quoted, commas are not", "shape;note\nspiral;\"a;b\"\nspiral;a,b\n",
                        false,
                        "shape;note;outcome;text;henries\nspiral;\"a;b\";" + spreadsheetTail("spiral", {}, ';') +
                            "\nspiral;a,b;" + spreadsheetTail("spiral", {}, ';') + "\n"},
        SpreadsheetCase{"tab file reads decimal points only", "shape\tradius\ncircular\t10,5\ncircular\t10.5\n", false,
                        "shape\tradius\toutcome\ttext\thenries\ncircular\t10,5\trefused\tRadius must be > 0\t\n"
                        "circular\t10.5\t" +
                            spreadsheetTail("circular", {{"radius", "10.5"}}, '\t') + "\n"},
        SpreadsheetCase{"byte order mark asked for", "\xEF\xBB\xBFshape\nspiral\n", true,
                        "\xEF\xBB\xBFshape,outcome,text,henries\nspiral," + expectedTail("spiral", {}) + "\n"},
        SpreadsheetCase{"byte order mark on a semicolon file", "shape;turns\nspiral;3,5\n", true,
                        "\xEF\xBB\xBFshape;turns;outcome;text;henries\nspiral;3,5;" +
                            spreadsheetTail("spiral", {{"turns", "3.5"}}, ';') + "\n"}),
    loopcalc::testing::caseName<SpreadsheetCase>);

TEST(Batch, SemicolonFileWritesTheCapacitanceWithADecimalComma)
{
    const BatchRun b = RunBatchOn("shape;turns;frequency\nspiral;12;13,56MHz\nspiral;12;\n");
    ASSERT_EQ(b.code, 0) << b.err;
    std::istringstream out(b.out);
    std::string header;
    std::string row;
    std::string empty;
    std::getline(out, header);
    std::getline(out, row);
    std::getline(out, empty);
    EXPECT_EQ(header, "shape;turns;frequency;outcome;text;henries;capacitance");
    EXPECT_TRUE(empty.ends_with(";")) << "no frequency, no capacitance: " << empty;
    // C = 1 / ((2 pi f)^2 L), from the henries the row shows.
    std::string henries = row.substr(0, row.rfind(';'));
    henries = henries.substr(henries.rfind(';') + 1);
    std::string farads = row.substr(row.rfind(';') + 1);
    ASSERT_NE(farads.find(','), std::string::npos) << row;
    std::replace(henries.begin(), henries.end(), ',', '.');
    std::replace(farads.begin(), farads.end(), ',', '.');
    const double omega = 2.0 * std::acos(-1.0) * 13.56e6;
    EXPECT_NEAR(std::stod(farads), 1.0 / (omega * omega * std::stod(henries)), 1e-24);
    EXPECT_GT(std::stod(farads), 1e-11);
}

TEST(Batch, NoByteOrderMarkWhenTheInputIsRefused)
{
    loopcalc::cli::BatchOptions options;
    options.outputBom = true;
    const BatchRun b = RunBatchOn("name;turns\nspiral;3\n", options);
    EXPECT_EQ(b.code, 65);
    EXPECT_EQ(b.out, "");
}

TEST(Batch, OutOfRangeRowHasTheMessageAndTheValue)
{
    const BatchRun b = RunBatchOn("shape,turns,radius,wire-radius\ncircular,100,200,0.1\n");
    EXPECT_EQ(b.code, 0);
    EXPECT_NE(b.out.find("\ncircular,100,200,0.1,out-of-range,Result out of range:  1.21730752727319E-02 H,"
                         "0.01217307527273"),
              std::string::npos)
        << b.out;
}

/// A decimal comma and a group separator, as many user locales have.
class CommaPunct : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(Batch, OutputDoesNotFollowTheLocale)
{
    const std::locale comma(std::locale::classic(), new CommaPunct);
    const std::locale previous = std::locale::global(comma);
    std::istringstream in("shape,turns\nspiral,12.5\n");
    std::ostringstream out;
    out.imbue(comma);
    std::ostringstream err;
    const int code = loopcalc::cli::RunBatch(in, out, err);
    std::locale::global(previous);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(out.str(),
              "shape,turns,outcome,text,henries\nspiral,12.5," + expectedTail("spiral", {{"turns", "12.5"}}) + "\n");
    EXPECT_EQ(out.str().find("e-06") - out.str().rfind('.'), 17U) << "seventeen digits after one point: " << out.str();
}

TEST(Batch, ByteOrderMarkIsSkippedAndLineEndsBecomeLf)
{
    const BatchRun b = RunBatchOn("\xEF\xBB\xBFshape,turns\r\nspiral,0\r\n");
    EXPECT_EQ(b.code, 0);
    EXPECT_EQ(b.out, "shape,turns,outcome,text,henries\nspiral,0,refused,Turns must be > 0 and < 101,\n");
}

TEST(Batch, ManyRowsComeOutInOrder)
{
    std::string input = "shape,turns,n\n";
    for (int i = 0; i < 20000; ++i) {
        input += "spiral," + std::to_string(i % 120) + "," + std::to_string(i) + "\n";
    }
    const BatchRun b = RunBatchOn(input);
    ASSERT_EQ(b.code, 0);
    std::istringstream out(b.out);
    std::string line;
    std::getline(out, line);
    for (int i = 0; i < 20000; ++i) {
        ASSERT_TRUE(std::getline(out, line));
        const std::string prefix = "spiral," + std::to_string(i % 120) + "," + std::to_string(i) + ",";
        ASSERT_TRUE(line.starts_with(prefix)) << line;
        const bool refused = i % 120 == 0 || i % 120 > 100;
        ASSERT_EQ(line.find(",refused,") != std::string::npos, refused) << line;
    }
    EXPECT_FALSE(std::getline(out, line));
}

struct DataErrorCase {
    std::string name;
    std::string input;
    std::string message;
};

std::ostream& operator<<(std::ostream& os, const DataErrorCase& c)
{
    return os << c.name;
}

class BatchDataErrorTest : public ::testing::TestWithParam<DataErrorCase> {};

TEST_P(BatchDataErrorTest, Exits65WithoutOutput)
{
    const BatchRun b = RunBatchOn(GetParam().input);
    EXPECT_EQ(b.code, 65);
    EXPECT_EQ(b.out, "");
    EXPECT_EQ(b.err, "loopcalc-cli: batch: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, BatchDataErrorTest,
    ::testing::Values(
        DataErrorCase{"empty", "", "the input is empty: expected a CSV header row with a 'shape' column"},
        DataErrorCase{"blank lines", "\n\r\n", "the input is empty: expected a CSV header row with a 'shape' column"},
        DataErrorCase{"bom only", "\xEF\xBB\xBF",
                      "the input is empty: expected a CSV header row with a 'shape' column"},
        DataErrorCase{"no shape column", "name,turns\ncircular,3\n", "the header row has no 'shape' column"},
        DataErrorCase{"shape in other case", "Shape\ncircular\n", "the header row has no 'shape' column"},
        DataErrorCase{"unterminated quote", "\"shape,turns\ncircular,3\n",
                      "the header row is not valid CSV: unterminated quoted field"},
        DataErrorCase{"text after quote", "\"shape\"s,turns\ncircular,3\n",
                      "the header row is not valid CSV: text after the closing quote of a field"},
        // The limit that was hit is named.
        DataErrorCase{"too many columns", "shape" + std::string(100000, ',') + "\ncircular\n",
                      "the header row has more than 65536 fields, the limit"},
        DataErrorCase{"endless header", "shape," + std::string(std::size_t{20} << 20, '\0'),
                      "the header row is longer than 16777216 bytes, the limit"}),
    loopcalc::testing::caseName<DataErrorCase>);

TEST(Batch, ReadFailureExits74)
{
    FailingBuffer buffer("shape\nspiral\n");
    std::istream in(&buffer);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(loopcalc::cli::RunBatch(in, out, err), 74);
    EXPECT_EQ(err.str(), "loopcalc-cli: batch: reading the input failed\n");
}

TEST(Batch, WriteFailureExits74)
{
    std::istringstream in("shape\nspiral\n");
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(loopcalc::cli::RunBatch(in, out, err), 74);
    EXPECT_EQ(err.str(), "loopcalc-cli: batch: writing the output failed\n");
}

}  // namespace
