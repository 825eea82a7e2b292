// SPDX-License-Identifier: MIT
#include "csvreader.h"

#include "casename.h"
#include "clirun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using loopcalc::testing::FailingBuffer;

using loopcalc::cli::CsvReader;
using Problem = CsvReader::Problem;
using Records = std::vector<std::vector<std::string>>;

struct Read {
    Records records;
    std::vector<Problem> problems;
};

Read readAll(CsvReader& reader)
{
    Read read;
    while (reader.next()) {
        std::vector<std::string> record;
        for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
            record.emplace_back(reader.field(i));
        }
        read.records.push_back(std::move(record));
        read.problems.push_back(reader.problem());
    }
    return read;
}

struct ReaderCase {
    std::string name;
    std::string input;
    Records records;
    std::vector<Problem> problems;  ///< empty: every record is sound
};

std::ostream& operator<<(std::ostream& os, const ReaderCase& c)
{
    return os << c.name;
}

class CsvReaderTest : public ::testing::TestWithParam<ReaderCase> {
protected:
    void check(CsvReader& reader) const
    {
        const ReaderCase& c = GetParam();
        const Read read = readAll(reader);
        EXPECT_EQ(read.records, c.records);
        const std::vector<Problem> problems =
            c.problems.empty() ? std::vector<Problem>(c.records.size(), Problem::None) : c.problems;
        EXPECT_EQ(read.problems, problems);
        EXPECT_FALSE(reader.readFailed());
    }
};

TEST_P(CsvReaderTest, FromBuffer)
{
    CsvReader reader{std::string_view(GetParam().input)};
    check(reader);
}

// Small blocks put every quote, CR and LF of the cases on a block boundary
// at least once.
TEST_P(CsvReaderTest, FromStreamInSmallBlocks)
{
    for (const std::size_t block : {4, 5, 7, 64 * 1024}) {
        SCOPED_TRACE(block);
        std::istringstream in(GetParam().input);
        CsvReader reader(in, block);
        check(reader);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CsvReaderTest,
    ::testing::Values(
        ReaderCase{"plain", "a,b,c\n1,2,3\n", {{"a", "b", "c"}, {"1", "2", "3"}}, {}},
        ReaderCase{"no final line end", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, {}},
        ReaderCase{"crlf", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, {}},
        ReaderCase{"lone cr", "a\rb\n", {{"a"}, {"b"}}, {}},
        ReaderCase{"blanks kept", " a , b \n", {{" a ", " b "}}, {}},
        ReaderCase{"empty fields", ",,\n", {{"", "", ""}}, {}}, ReaderCase{"comma at the end", "a,", {{"a", ""}}, {}},
        ReaderCase{"empty quoted field", "\"\"\n", {{""}}, {}},
        ReaderCase{"quoted comma", "\"x,y\",z\n", {{"x,y", "z"}}, {}},
        ReaderCase{"doubled quotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", {{"say \"hi\"", "\""}}, {}},
        ReaderCase{"doubled quote at the end", "\"a\"\"\"", {{"a\""}}, {}},
        ReaderCase{"quoted line breaks", "\"l1\nl2\",\"l3\r\nl4\"\r\nx\n", {{"l1\nl2", "l3\r\nl4"}, {"x"}}, {}},
        ReaderCase{"quote inside an unquoted field", "ab\"c,d\n", {{"ab\"c", "d"}}, {}},
        ReaderCase{"empty lines skipped", "\n\na\n\r\n\nb\n\n", {{"a"}, {"b"}}, {}},
        ReaderCase{"empty input", "", {}, {}}, ReaderCase{"only line ends", "\r\n\n", {}, {}},
        ReaderCase{"byte order mark", "\xEF\xBB\xBFshape\nx\n", {{"shape"}, {"x"}}, {}},
        ReaderCase{"only a byte order mark", "\xEF\xBB\xBF", {}, {}},
        ReaderCase{"byte order mark later is data",
                   "a\n\xEF\xBB\xBF"
                   "b\n",
                   {{"a"},
                    {"\xEF\xBB\xBF"
                     "b"}},
                   {}},
        ReaderCase{"utf-8 passed through", "\xC2\xB5H,\"\xC2\xB5\"\n", {{"\xC2\xB5H", "\xC2\xB5"}}, {}},
        ReaderCase{"plain and quoted records in turn",
                   "a,b\r1,\"x\"\r2,y\r\n\"3\",z",
                   {{"a", "b"}, {"1", "x"}, {"2", "y"}, {"3", "z"}},
                   {}},
        ReaderCase{"ragged rows", "a,b,c\n1\n1,2,3,4\n", {{"a", "b", "c"}, {"1"}, {"1", "2", "3", "4"}}, {}},
        ReaderCase{"unterminated quote",
                   "a,b\nx,\"bc\nd,e\n",
                   {{"a", "b"}, {"x", "bc\nd,e\n"}},
                   {Problem::None, Problem::UnterminatedQuote}},
        ReaderCase{"text after the closing quote",
                   "\"ab\"c,d\nx\n",
                   {{"abc", "d"}, {"x"}},
                   {Problem::TextAfterQuote, Problem::None}},
        ReaderCase{"text after a quote at the end of a field", "a,\"b\" \n", {{"a", "b "}}, {Problem::TextAfterQuote}}),
    loopcalc::testing::caseName<ReaderCase>);

struct DelimiterCase {
    std::string name;
    std::string input;
    char delimiter;
    Records records;
};

std::ostream& operator<<(std::ostream& os, const DelimiterCase& c)
{
    return os << c.name;
}

class CsvDelimiterTest : public ::testing::TestWithParam<DelimiterCase> {};

// The header line is gathered across block boundaries: blocks of 4 bytes cut
// every header of the table.
TEST_P(CsvDelimiterTest, ChosenFromTheHeaderLineWhateverTheBlockSize)
{
    const DelimiterCase& c = GetParam();
    {
        CsvReader reader{std::string_view(c.input)};
        EXPECT_EQ(reader.detectDelimiter("shape"), c.delimiter);
        EXPECT_EQ(readAll(reader).records, c.records);
    }
    for (const std::size_t block : {4, 5, 7, 64 * 1024}) {
        SCOPED_TRACE(block);
        std::istringstream in(c.input);
        CsvReader reader(in, block);
        EXPECT_EQ(reader.detectDelimiter("shape"), c.delimiter);
        EXPECT_EQ(readAll(reader).records, c.records);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CsvDelimiterTest,
    ::testing::Values(
        DelimiterCase{"comma", "shape,radius\ncircular,1.5\n", ',', {{"shape", "radius"}, {"circular", "1.5"}}},
        DelimiterCase{"semicolon keeps decimal commas in their field",
                      "shape;radius;note\ncircular;10,5;a,b\n",
                      ';',
                      {{"shape", "radius", "note"}, {"circular", "10,5", "a,b"}}},
        DelimiterCase{"tab", "shape\tturns\nspiral\t3\n", '\t', {{"shape", "turns"}, {"spiral", "3"}}},
        DelimiterCase{"quoted header as spreadsheets write it",
                      "\"shape\";\"turns\"\n\"spiral\";\"3;4\"\n",
                      ';',
                      {{"shape", "turns"}, {"spiral", "3;4"}}},
        DelimiterCase{"comma inside a column name of a semicolon file",
                      "shape;a,b\nspiral;1\n",
                      ';',
                      {{"shape", "a,b"}, {"spiral", "1"}}},
        DelimiterCase{"semicolon inside a column name of a comma file",
                      "shape,a;b\nspiral,1;2\n",
                      ',',
                      {{"shape", "a;b"}, {"spiral", "1;2"}}},
        DelimiterCase{"comma first when both give a shape column",
                      "shape,x;shape\n1,2;3\n",
                      ',',
                      {{"shape", "x;shape"}, {"1", "2;3"}}},
        DelimiterCase{"no shape column stays comma", "name;turns\nx;1\n", ',', {{"name;turns"}, {"x;1"}}},
        DelimiterCase{"shape alone", "shape\ncircular\n", ',', {{"shape"}, {"circular"}}},
        DelimiterCase{"shape as a part of a name only", "shapes;turns\n", ',', {{"shapes;turns"}}},
        DelimiterCase{
            "byte order mark", "\xEF\xBB\xBFshape;turns\nspiral;3\n", ';', {{"shape", "turns"}, {"spiral", "3"}}},
        DelimiterCase{"empty lines before the header",
                      "\n\r\nshape;turns\nspiral;3\n",
                      ';',
                      {{"shape", "turns"}, {"spiral", "3"}}},
        DelimiterCase{
            "line break in a quoted header field", "\"a\nb\";shape\nx;y\n", ';', {{"a\nb", "shape"}, {"x", "y"}}},
        DelimiterCase{"doubled quote in a header field", "\"x\"\"\";shape\nx;y\n", ';', {{"x\"", "shape"}, {"x", "y"}}},
        DelimiterCase{
            "quote inside an unquoted header field is text", "5\"x;shape\nx;y\n", ';', {{"5\"x", "shape"}, {"x", "y"}}},
        DelimiterCase{"shape on the second line only", "a;b\nshape;x\n", ',', {{"a;b"}, {"shape;x"}}},
        DelimiterCase{"header without a line end", "shape;turns", ';', {{"shape", "turns"}}},
        DelimiterCase{"empty input", "", ',', {}}),
    loopcalc::testing::caseName<DelimiterCase>);

TEST(CsvReaderLimits, TooManyFieldsAreDroppedAndFlagged)
{
    const std::string input = std::string(CsvReader::kMaxFields + 10, ',') + "\nnext\n";
    CsvReader reader{std::string_view(input)};
    ASSERT_TRUE(reader.next());
    EXPECT_EQ(reader.fieldCount(), CsvReader::kMaxFields);
    EXPECT_EQ(reader.problem(), Problem::TooManyFields);
    ASSERT_TRUE(reader.next());
    EXPECT_EQ(reader.problem(), Problem::None);
    EXPECT_EQ(reader.field(0), "next");
}

// As many fields as the limit allows, in a record short enough to be read
// where it lies and in one too long for that (and read the general way).
TEST(CsvReaderLimits, AsManyFieldsAsTheLimitAreRead)
{
    std::string longFields;
    for (std::size_t i = 0; i + 1 < CsvReader::kMaxFields; ++i) {
        longFields += "ab,";
    }
    const std::pair<std::string, std::string> cases[] = {{std::string(CsvReader::kMaxFields - 1, ','), ""},
                                                         {longFields + "z", "z"}};
    for (const auto& [record, last] : cases) {
        const std::string input = record + "\r\nnext\n";
        CsvReader reader{std::string_view(input)};
        ASSERT_TRUE(reader.next());
        EXPECT_EQ(reader.fieldCount(), CsvReader::kMaxFields);
        EXPECT_EQ(reader.problem(), Problem::None);
        EXPECT_EQ(reader.field(CsvReader::kMaxFields - 1), last);
        ASSERT_TRUE(reader.next());
        EXPECT_EQ(reader.field(0), "next");
    }
}

TEST(CsvReaderLimits, OverlongRecordIsCutFlaggedAndEndsTheReading)
{
    // However the record ends: a line break, the end of the input, or never
    // (a stream of NUL bytes without a line break stands for /dev/zero).
    const std::string overlong(CsvReader::kMaxRecordBytes + 100, 'x');
    const std::string inputs[] = {overlong + ",y\nnext\n", overlong, "\"" + overlong + "\"\nnext\n",
                                  std::string(CsvReader::kMaxRecordBytes * 2, '\0')};
    for (const std::string& input : inputs) {
        std::istringstream in(input);
        CsvReader reader(in);
        ASSERT_TRUE(reader.next());
        EXPECT_EQ(reader.field(0).size(), CsvReader::kMaxRecordBytes);
        EXPECT_EQ(reader.problem(), Problem::TooLong);
        EXPECT_TRUE(reader.stopped());
        EXPECT_FALSE(reader.next());
        EXPECT_LT(in.tellg(), std::streampos(CsvReader::kMaxRecordBytes * 3 / 2)) << "stopped near the limit";
    }
}

TEST(CsvReaderStream, ReadErrorEndsReadingAndIsReported)
{
    FailingBuffer buffer("a,b\n1,2\n3,4");
    std::istream in(&buffer);
    CsvReader reader(in, 4);
    const Read read = readAll(reader);
    EXPECT_TRUE(reader.readFailed());
    // Nothing after the failure is invented.
    ASSERT_FALSE(read.records.empty());
    EXPECT_EQ(read.records.front(), (std::vector<std::string>{"a", "b"}));
    EXPECT_LE(read.records.size(), 3U);
}

}  // namespace
