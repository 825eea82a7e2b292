// SPDX-License-Identifier: MIT
#include "batchrunner.h"

#include "csvreader.h"
#include "csvwriter.h"
#include "exitcodes.h"
#include "shapes.h"
#include "terminalport.h"

#include <array>
#include <charconv>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace loopcalc::cli {

namespace {

constexpr std::string_view kProgram = "loopcalc-cli: batch: ";
constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

/// Where each shape finds its fields in the input records.
class ColumnMap {
public:
    explicit ColumnMap(const std::vector<std::string>& header)
    {
        m_shapeColumn = find(header, "shape");
        const auto shapes = Shapes();
        m_fieldColumns.resize(shapes.size());
        for (std::size_t s = 0; s < shapes.size(); ++s) {
            m_fieldColumns[s].fill(kNoColumn);
            for (std::size_t f = 0; f < shapes[s].fields.size(); ++f) {
                m_fieldColumns[s][f] = find(header, shapes[s].fields[f].option);
            }
        }
    }

    [[nodiscard]] std::size_t shapeColumn() const { return m_shapeColumn; }
    [[nodiscard]] std::size_t fieldColumn(std::size_t shape, std::size_t field) const
    {
        return m_fieldColumns[shape][field];
    }

private:
    static std::size_t find(const std::vector<std::string>& header, std::string_view name)
    {
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (header[i] == name) {
                return i;
            }
        }
        return kNoColumn;
    }

    std::size_t m_shapeColumn = kNoColumn;
    std::vector<std::array<std::size_t, TerminalPort::kMaxFields>> m_fieldColumns;
};

std::string_view kindName(Outcome::Kind kind)
{
    switch (kind) {
    case Outcome::Kind::Result: return "result";
    case Outcome::Kind::Refused: return "refused";
    case Outcome::Kind::OutOfRange: return "out-of-range";
    }
    return "error";
}

std::string_view problemText(CsvReader::Problem problem)
{
    switch (problem) {
    case CsvReader::Problem::UnterminatedQuote: return "unterminated quoted field";
    case CsvReader::Problem::TextAfterQuote: return "text after the closing quote of a field";
    case CsvReader::Problem::TooLong: return "row too long";
    case CsvReader::Problem::None: break;
    }
    return {};
}

void appendNumber(std::string& text, std::size_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

/// "row has 5 fields, header has 4", built in a reused buffer.
std::string_view countMismatch(std::string& text, std::size_t fields, std::size_t columns)
{
    text = "row has ";
    appendNumber(text, fields);
    text += fields == 1 ? " field, header has " : " fields, header has ";
    appendNumber(text, columns);
    return text;
}

std::string_view unknownShape(std::string& text, std::string_view name)
{
    if (name.empty()) {
        return "no shape given";
    }
    text = "unknown shape '";
    text += name;
    text += '\'';
    return text;
}

std::string_view henriesText(char (&buffer)[32], double henries)
{
    // Locale-independent and as printf's "%.17g" would write it.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, henries, std::chars_format::general, 17);
    return {buffer, static_cast<std::size_t>(result.ptr - buffer)};
}

}  // namespace

int runBatch(CsvReader& reader, std::ostream& out, std::ostream& err)
{
    if (!reader.next()) {
        if (reader.readFailed()) {
            err << kProgram << "reading the input failed\n";
            return kExitIoError;
        }
        err << kProgram << "the input is empty: expected a CSV header row with a 'shape' column\n";
        return kExitDataError;
    }
    if (reader.problem() != CsvReader::Problem::None) {
        err << kProgram << "the header row is not valid CSV: " << problemText(reader.problem()) << '\n';
        return kExitDataError;
    }
    std::vector<std::string> header;
    header.reserve(reader.fieldCount());
    for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
        header.emplace_back(reader.field(i));
    }
    const ColumnMap columns(header);
    if (columns.shapeColumn() == kNoColumn) {
        err << kProgram << "the header row has no 'shape' column\n";
        return kExitDataError;
    }

    CsvWriter writer(out);
    for (const std::string& name : header) {
        writer.field(name);
    }
    writer.field("outcome");
    writer.field("text");
    writer.field("henries");
    writer.endRecord();

    const auto shapes = Shapes();
    TerminalPort port;
    std::string message;
    char number[32];
    while (reader.next()) {
        const std::size_t count = reader.fieldCount();
        for (std::size_t i = 0; i < header.size(); ++i) {
            writer.field(i < count ? reader.field(i) : std::string_view());
        }

        std::string_view error;
        std::size_t shapeIndex = shapes.size();
        if (reader.problem() != CsvReader::Problem::None) {
            error = problemText(reader.problem());
        } else if (count != header.size()) {
            error = countMismatch(message, count, header.size());
        } else {
            const std::string_view name = reader.field(columns.shapeColumn());
            shapeIndex = 0;
            while (shapeIndex < shapes.size() && shapes[shapeIndex].name != name) {
                ++shapeIndex;
            }
            if (shapeIndex == shapes.size()) {
                error = unknownShape(message, name);
            }
        }
        if (!error.empty()) {
            writer.field("error");
            writer.field(error);
            writer.field({});
            writer.endRecord();
            continue;
        }

        const Shape& shape = shapes[shapeIndex];
        port.setShape(shape);
        for (std::size_t f = 0; f < shape.fields.size(); ++f) {
            const std::size_t column = columns.fieldColumn(shapeIndex, f);
            if (column != kNoColumn) {
                port.setField(f, reader.field(column));
            }
        }
        const Outcome outcome = port.calculate();
        writer.field(kindName(outcome.kind));
        writer.field(outcome.text);
        writer.field(outcome.kind == Outcome::Kind::Refused ? std::string_view()
                                                            : henriesText(number, outcome.henries));
        writer.endRecord();
    }

    const bool written = writer.flush();
    if (reader.readFailed()) {
        err << kProgram << "reading the input failed\n";
        return kExitIoError;
    }
    if (!written) {
        err << kProgram << "writing the output failed\n";
        return kExitIoError;
    }
    return kExitOk;
}

int runBatch(std::istream& in, std::ostream& out, std::ostream& err)
{
    CsvReader reader(in);
    return runBatch(reader, out, err);
}

}  // namespace loopcalc::cli
