// SPDX-License-Identifier: MIT
#include "csvreader.h"
#include "csvwriter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using loopcalc::cli::CsvReader;
using loopcalc::cli::CsvWriter;

struct QuoteCase {
    std::string field;
    std::string written;
    char delimiter = ',';
};

class CsvWriterFieldTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(CsvWriterFieldTest, QuotesOnlyWhenNeeded)
{
    std::ostringstream out;
    {
        CsvWriter writer(out, CsvWriter::kBlockSize, GetParam().delimiter);
        writer.field(GetParam().field);
        writer.field("x");
        writer.endRecord();
    }
    EXPECT_EQ(out.str(), GetParam().written + GetParam().delimiter + "x\n");
}

INSTANTIATE_TEST_SUITE_P(Table, CsvWriterFieldTest,
                         ::testing::Values(QuoteCase{"plain", "plain"}, QuoteCase{"", ""},
                                           QuoteCase{" 5.78 \xC2\xB5H", " 5.78 \xC2\xB5H"}, QuoteCase{"a,b", "\"a,b\""},
                                           QuoteCase{"say \"hi\"", "\"say \"\"hi\"\"\""}, QuoteCase{"\"", "\"\"\"\""},
                                           QuoteCase{"l1\nl2", "\"l1\nl2\""}, QuoteCase{"cr\r", "\"cr\r\""},
                                           QuoteCase{"a;b", "a;b"}, QuoteCase{"a,b", "a,b", ';'},
                                           QuoteCase{"a;b", "\"a;b\"", ';'}, QuoteCase{"a\tb", "\"a\tb\"", '\t'},
                                           QuoteCase{"a,b;c", "a,b;c", '\t'}));

TEST(CsvWriter, ByteOrderMarkComesFirst)
{
    std::ostringstream out;
    CsvWriter writer(out, CsvWriter::kBlockSize, ';');
    writer.byteOrderMark();
    writer.field("shape");
    writer.field("turns");
    writer.endRecord();
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(out.str(), "\xEF\xBB\xBFshape;turns\n");
}

TEST(CsvWriter, SeparatesFieldsAndEndsRecordsWithLf)
{
    std::ostringstream out;
    CsvWriter writer(out);
    writer.field("a");
    writer.field("");
    writer.field("c");
    writer.endRecord();
    writer.field("d");
    writer.endRecord();
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(out.str(), "a,,c\nd\n");
}

// Text already in CSV form goes out as it is, an empty one (even a view
// without data) as an empty field.
TEST(CsvWriter, WritesReadyFieldsAsTheyAre)
{
    std::ostringstream out;
    CsvWriter writer(out);
    writer.fields("a,b");
    writer.fields(std::string_view());
    writer.field("c,d");
    writer.endRecord();
    writer.fields(std::string_view());
    writer.fields("1.5e-06");
    writer.endRecord();
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(out.str(), "a,b,,\"c,d\"\n,1.5e-06\n");
}

TEST(CsvWriter, HoldsOutputUntilABlockIsFull)
{
    std::ostringstream out;
    CsvWriter writer(out, 16);
    writer.field("0123456789");
    writer.endRecord();
    EXPECT_EQ(out.str(), "") << "one short record is not written at once";
    writer.field("abcdef");
    writer.endRecord();
    EXPECT_EQ(out.str(), "0123456789\nabcdef\n");
}

TEST(CsvWriter, FieldLargerThanTheBlockSurvives)
{
    std::ostringstream out;
    const std::string big(100000, '"');
    {
        CsvWriter writer(out, 16);
        writer.field("x");
        writer.field(big);
        writer.endRecord();
    }
    EXPECT_EQ(out.str(), "x,\"" + std::string(200000, '"') + "\"\n");
}

TEST(CsvWriter, FlushReportsAFailedStream)
{
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    CsvWriter writer(out);
    writer.field("a");
    writer.endRecord();
    EXPECT_FALSE(writer.flush());
}

// Whatever the writer quotes, the reader gives back unchanged.
TEST(CsvWriter, RoundTripsThroughTheReader)
{
    const std::vector<std::vector<std::string>> records{
        {"shape", "note", "x"},
        {"a,b", "\"q\"", ""},
        {"line\nbreak", "crlf\r\nin", " blanks "},
        {"", "", "\xEF\xBB\xBF"},
    };
    std::ostringstream out;
    {
        CsvWriter writer(out, 8);
        for (const auto& record : records) {
            for (const auto& field : record) {
                writer.field(field);
            }
            writer.endRecord();
        }
    }
    const std::string text = out.str();
    CsvReader reader{std::string_view(text)};
    std::vector<std::vector<std::string>> read;
    while (reader.next()) {
        EXPECT_EQ(reader.problem(), CsvReader::Problem::None);
        std::vector<std::string> record;
        for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
            record.emplace_back(reader.field(i));
        }
        read.push_back(record);
    }
    EXPECT_EQ(read, records);
}

}  // namespace
