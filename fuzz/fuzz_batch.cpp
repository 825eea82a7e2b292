// SPDX-License-Identifier: MIT
// The command line's CSV batch: the reader must choose the same delimiter and
// split the same records whatever its block size, what it reads cleanly must
// survive a write and a
// second read unchanged, and a batch run must answer every row with a
// rectangular output whose outcome column holds one of its four words.
#include "batchrunner.h"
#include "csvreader.h"
#include "csvwriter.h"
#include "fuzzcheck.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using loopcalc::cli::CsvReader;
using loopcalc::cli::CsvWriter;

struct Record {
    std::vector<std::string> fields;
    CsvReader::Problem problem = CsvReader::Problem::None;
    bool operator==(const Record&) const = default;
};

/// The delimiter chosen, as a record of its own, then the records.
std::vector<Record> ReadAll(CsvReader& reader, bool detect)
{
    std::vector<Record> records;
    if (detect) {
        records.push_back({{std::string(1, reader.detectDelimiter("shape"))}, CsvReader::Problem::None});
    }
    while (reader.next()) {
        Record record;
        for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
            record.fields.emplace_back(reader.field(i));
        }
        record.problem = reader.problem();
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<Record> ReadText(std::string_view text, bool detect = false)
{
    CsvReader reader(text);
    return ReadAll(reader, detect);
}

std::vector<Record> ReadStream(const std::string& text, std::size_t blockSize, bool detect = false)
{
    std::istringstream in(text);
    CsvReader reader(in, blockSize);
    return ReadAll(reader, detect);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    // Block boundaries must not change what is read.
    const std::vector<Record> whole = ReadText(text);
    FUZZ_REQUIRE(ReadStream(text, 1) == whole);
    FUZZ_REQUIRE(ReadStream(text, 7) == whole);
    const std::vector<Record> detected = ReadText(text, true);
    FUZZ_REQUIRE(ReadStream(text, 1, true) == detected);
    FUZZ_REQUIRE(ReadStream(text, 7, true) == detected);

    // Clean records written out read back as they were. (A record of one
    // empty field is an empty line, which the reader skips by design.)
    std::vector<Record> clean;
    for (const Record& record : whole) {
        if (record.problem == CsvReader::Problem::None && !(record.fields.size() == 1 && record.fields[0].empty())) {
            clean.push_back(record);
        }
    }
    std::ostringstream written;
    {
        CsvWriter writer(written);
        for (const Record& record : clean) {
            for (const std::string& field : record.fields) {
                writer.field(field);
            }
            writer.endRecord();
        }
        FUZZ_REQUIRE(writer.flush());
    }
    const std::string rewritten = written.str();
    // A leading byte order mark in the first field is not written back as one.
    if (rewritten.rfind("\xEF\xBB\xBF", 0) != 0) {
        FUZZ_REQUIRE(ReadText(rewritten) == clean);
    }

    // The batch answers every row, rectangular, with a known outcome.
    std::istringstream in(text);
    std::ostringstream out;
    std::ostringstream err;
    const int status = loopcalc::cli::RunBatch(in, out, err);
    FUZZ_REQUIRE(status == 0 || status == 65);
    if (status == 65) {
        FUZZ_REQUIRE(out.str().empty());
        return 0;
    }
    // The output keeps the input's delimiter.
    const std::string answer = out.str();
    CsvReader output(answer);
    output.setDelimiter(detected.front().fields.front()[0]);
    const std::vector<Record> rows = ReadAll(output, false);
    FUZZ_REQUIRE(!rows.empty());
    const std::size_t width = rows[0].fields.size();
    // outcome, text, henries, and capacitance when the input has a frequency column.
    FUZZ_REQUIRE(width >= 4);
    const std::size_t last = rows[0].fields.back() == "capacitance" ? width - 2 : width - 1;
    FUZZ_REQUIRE(rows[0].fields[last] == "henries" && rows[0].fields[last - 2] == "outcome");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string>& fields = rows[i].fields;
        FUZZ_REQUIRE(fields.size() == width);
        const std::string& outcome = fields[last - 2];
        FUZZ_REQUIRE(outcome == "result" || outcome == "refused" || outcome == "out-of-range" || outcome == "error");
        const std::string& henries = fields[last];
        FUZZ_REQUIRE(henries.empty() == (outcome == "refused" || outcome == "error"));
        if (outcome == "result") {
            const std::string& shown = fields[last - 1];
            FUZZ_REQUIRE(shown.find("nan") == std::string::npos && shown.find("inf") == std::string::npos);
        }
    }
    return 0;
}
