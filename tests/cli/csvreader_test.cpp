// SPDX-License-Identifier: MIT
#include "csvreader.h"

#include "casename.h"
#include "clirun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
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

TEST(CsvReaderLimits, TooManyFieldsAreDroppedAndFlagged)
{
    const std::string input = std::string(CsvReader::kMaxFields + 10, ',') + "\nnext\n";
    CsvReader reader{std::string_view(input)};
    ASSERT_TRUE(reader.next());
    EXPECT_EQ(reader.fieldCount(), CsvReader::kMaxFields);
    EXPECT_EQ(reader.problem(), Problem::TooLong);
    ASSERT_TRUE(reader.next());
    EXPECT_EQ(reader.problem(), Problem::None);
    EXPECT_EQ(reader.field(0), "next");
}

TEST(CsvReaderLimits, OverlongRecordIsCutAndFlagged)
{
    std::istringstream in(std::string(CsvReader::kMaxRecordBytes + 100, 'x') + ",y\nnext\n");
    CsvReader reader(in);
    ASSERT_TRUE(reader.next());
    ASSERT_EQ(reader.fieldCount(), 2U);
    EXPECT_EQ(reader.field(0).size(), CsvReader::kMaxRecordBytes);
    EXPECT_EQ(reader.field(1), "");
    EXPECT_EQ(reader.problem(), Problem::TooLong);
    ASSERT_TRUE(reader.next());
    EXPECT_EQ(reader.field(0), "next");
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
