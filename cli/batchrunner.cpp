// SPDX-License-Identifier: MIT
#include "batchrunner.h"

#include "batchmodels.h"
#include "coildesign.h"
#include "csvreader.h"
#include "csvwriter.h"
#include "designaids.h"
#include "exitcodes.h"
#include "shapeoptions.h"
#include "shapes.h"
#include "significantdigits.h"
#include "terminalport.h"
#include "units.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace loopcalc::cli {

namespace {

/// What the batch's messages about the input as a whole start with.
constexpr std::string_view kMessagePrefix = "loopcalc-cli: batch: ";
constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

/// Where each shape finds its fields in the input records.
class ColumnMap {
public:
    ColumnMap() = default;
    explicit ColumnMap(const std::vector<std::string>& header)
    {
        m_shapeColumn = find(header, "shape");
        m_frequencyColumn = find(header, "frequency");
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
    [[nodiscard]] std::size_t frequencyColumn() const { return m_frequencyColumn; }
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
    std::size_t m_frequencyColumn = kNoColumn;
    std::vector<std::array<std::size_t, TerminalPort::kMaxFields>> m_fieldColumns;
};

std::string_view KindName(Outcome::Kind kind)
{
    switch (kind) {
    case Outcome::Kind::Result: return "result";
    case Outcome::Kind::Refused: return "refused";
    case Outcome::Kind::OutOfRange: return "out-of-range";
    }
    return "error";
}

static_assert(CsvReader::kMaxRecordBytes == 16777216 && CsvReader::kMaxFields == 65536,
              "the problem texts below name the limits");

std::string_view ProblemText(CsvReader::Problem problem)
{
    switch (problem) {
    case CsvReader::Problem::UnterminatedQuote: return "unterminated quoted field";
    case CsvReader::Problem::TextAfterQuote: return "text after the closing quote of a field";
    case CsvReader::Problem::TooLong: return "row longer than 16777216 bytes, the limit";
    case CsvReader::Problem::TooManyFields: return "row with more than 65536 fields, the limit";
    case CsvReader::Problem::None: break;
    }
    return {};
}

void AppendNumber(std::string& text, std::size_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

/// "row has 5 fields, header has 4", built in a reused buffer.
std::string_view CountMismatch(std::string& text, std::size_t fields, std::size_t columns)
{
    text = "row has ";
    AppendNumber(text, fields);
    text += fields == 1 ? " field, header has " : " fields, header has ";
    AppendNumber(text, columns);
    return text;
}

std::string_view UnknownShape(std::string& text, std::string_view name)
{
    if (name.empty()) {
        return "no shape given";
    }
    text = "unknown shape '";
    text += name;
    text += '\'';
    return text;
}

/// "not a frequency above 0 Hz in frequency '0'", built in a reused buffer.
std::string_view BadCell(std::string& text, std::string_view problem, std::string_view column, std::string_view cell)
{
    text = problem;
    text += " in ";
    text += column;
    text += " '";
    text += cell;
    text += '\'';
    return text;
}

/// "unknown unit 'xy' in width '10xy'", built in a reused buffer.
std::string_view UnknownUnit(std::string& text, std::string_view unit, std::string_view column, std::string_view cell)
{
    std::string problem = "unknown unit '";
    problem += unit;
    problem += '\'';
    return BadCell(text, problem, column, cell);
}

/// The frequency cell's hertz, 0 for an empty cell, or the problem with it.
std::string_view ReadFrequency(std::string& text, std::string_view cell, std::string_view decimalSeparator,
                               double& hertz)
{
    hertz = 0.0;
    if (cell.empty()) {
        return {};
    }
    const Quantity quantity = ReadQuantity(cell, FrequencyUnits(), decimalSeparator);
    if (quantity.status == Quantity::Status::UnknownUnit) {
        return UnknownUnit(text, quantity.unit, "frequency", cell);
    }
    if (quantity.status == Quantity::Status::OutOfRange ||
        (IsAboveZero(quantity) && !design::IsTuningFrequency(quantity.value))) {
        return BadCell(text, std::string("out of range (give a frequency ") + design::kTuningRangeText + ")",
                       "frequency", cell);
    }
    if (!IsAboveZero(quantity)) {
        return BadCell(text, "not a frequency above 0 Hz", "frequency", cell);
    }
    hertz = quantity.value;
    return {};
}

/// One run over the records of a reader: the header, then one output record
/// per input record. The buffers are reused from row to row.
class BatchRun {
public:
    /// A ";" file comes from a spreadsheet whose decimal separator is ",":
    /// its numbers are read with "," as well as ".", and written with ",".
    BatchRun(CsvReader& reader, std::ostream& out, const BatchOptions& options)
        : m_reader(reader)
        , m_writer(out, CsvWriter::kBlockSize, reader.delimiter())
        , m_options(options)
        , m_decimalComma(reader.delimiter() == ';')
    {
        m_port.setDecimalSeparator(decimalSeparator());
    }

    int run(std::ostream& err)
    {
        if (const int code = readHeader(err); code != kExitOk) {
            return code;
        }
        writeHeader();
        // Output that cannot be written ends the run: an endless input would
        // otherwise be read for nothing.
        std::size_t record = 1;
        while (!m_writer.failed() && m_reader.next()) {
            ++record;
            processRow();
        }
        const bool written = m_writer.flush();
        if (m_reader.readFailed()) {
            err << kMessagePrefix << "reading the input failed\n";
            return kExitIoError;
        }
        if (m_reader.stopped()) {
            err << kMessagePrefix << "record " << record << " is longer than " << CsvReader::kMaxRecordBytes
                << " bytes, the limit: the input is not read further\n";
            return written ? kExitDataError : kExitIoError;
        }
        if (!written) {
            err << kMessagePrefix << "writing the output failed\n";
            return kExitIoError;
        }
        return kExitOk;
    }

private:
    int readHeader(std::ostream& err)
    {
        if (!m_reader.next()) {
            if (m_reader.readFailed()) {
                err << kMessagePrefix << "reading the input failed\n";
                return kExitIoError;
            }
            err << kMessagePrefix << "the input is empty: expected a CSV header row with a 'shape' column\n";
            return kExitDataError;
        }
        switch (m_reader.problem()) {
        case CsvReader::Problem::None: break;
        case CsvReader::Problem::TooLong:
            err << kMessagePrefix << "the header row is longer than " << CsvReader::kMaxRecordBytes
                << " bytes, the limit\n";
            return kExitDataError;
        case CsvReader::Problem::TooManyFields:
            err << kMessagePrefix << "the header row has more than " << CsvReader::kMaxFields << " fields, the limit\n";
            return kExitDataError;
        default:
            err << kMessagePrefix << "the header row is not valid CSV: " << ProblemText(m_reader.problem()) << '\n';
            return kExitDataError;
        }
        m_header.reserve(m_reader.fieldCount());
        for (std::size_t i = 0; i < m_reader.fieldCount(); ++i) {
            m_header.emplace_back(m_reader.field(i));
        }
        m_columns = ColumnMap(m_header);
        if (m_columns.shapeColumn() == kNoColumn) {
            err << kMessagePrefix << "the header row has no 'shape' column\n";
            return kExitDataError;
        }
        m_withFrequency = m_columns.frequencyColumn() != kNoColumn;
        if (m_options.models) {
            m_models.emplace(m_header);
        }
        return kExitOk;
    }

    [[nodiscard]] std::string_view decimalSeparator() const { return m_decimalComma ? "," : "."; }

    void writeHeader()
    {
        if (m_options.outputBom) {
            m_writer.byteOrderMark();
        }
        for (const std::string& name : m_header) {
            m_writer.field(name);
        }
        m_writer.field("outcome");
        m_writer.field("text");
        m_writer.field("henries");
        if (m_withFrequency) {
            m_writer.field("capacitance");
        }
        if (m_models) {
            m_models->writeHeader(m_writer);
        }
        if (m_options.warnings) {
            m_writer.field("warning");
        }
        m_writer.endRecord();
    }

    void processRow()
    {
        const std::size_t count = m_reader.fieldCount();
        // The usual record goes out as it came in, in one copy.
        const std::string_view text = m_reader.inPlaceText();
        if (count == m_header.size() && !text.empty() && text.find('"') == std::string_view::npos) {
            m_writer.fields(text);
        } else {
            for (std::size_t i = 0; i < m_header.size(); ++i) {
                m_writer.field(i < count ? m_reader.field(i) : std::string_view());
            }
        }
        double hertz = 0.0;
        if (const std::string_view error = readRow(hertz); !error.empty()) {
            writeError(error);
        } else {
            writeOutcome(m_port.calculate(), hertz);
        }
        m_writer.endRecord();
    }

    /// Sets the row's shape and boxes on the port and reads its frequency;
    /// returns what is wrong with the row, or empty.
    std::string_view readRow(double& hertz)
    {
        if (m_reader.problem() != CsvReader::Problem::None) {
            return ProblemText(m_reader.problem());
        }
        if (m_reader.fieldCount() != m_header.size()) {
            return CountMismatch(m_message, m_reader.fieldCount(), m_header.size());
        }
        const auto shapes = Shapes();
        const std::string_view name = m_reader.field(m_columns.shapeColumn());
        std::size_t shapeIndex = 0;
        while (shapeIndex < shapes.size() && shapes[shapeIndex].name != name) {
            ++shapeIndex;
        }
        if (shapeIndex == shapes.size()) {
            return UnknownShape(m_message, name);
        }
        if (const std::string_view error = readFields(shapeIndex); !error.empty()) {
            return error;
        }
        return m_withFrequency
                   ? ReadFrequency(m_message, m_reader.field(m_columns.frequencyColumn()), decimalSeparator(), hertz)
                   : std::string_view();
    }

    /// Fills the shape's boxes from the row's cells; returns the problem with
    /// a cell, or empty.
    std::string_view readFields(std::size_t shapeIndex)
    {
        const Shape& shape = Shapes()[shapeIndex];
        m_port.setShape(shape);
        for (std::size_t f = 0; f < shape.fields.size(); ++f) {
            const std::size_t column = m_columns.fieldColumn(shapeIndex, f);
            if (column == kNoColumn) {
                continue;
            }
            const std::string_view cell = m_reader.field(column);
            const LengthText text = FieldText(shape.fields[f], cell, m_lengths[f], decimalSeparator());
            if (text.status == LengthText::Status::UnknownUnit) {
                return UnknownUnit(m_message, text.unit, shape.fields[f].option, cell);
            }
            if (text.status == LengthText::Status::OutOfRange) {
                return BadCell(m_message, "out of range (too large or too small to calculate with)",
                               shape.fields[f].option, cell);
            }
            m_port.setField(f, text.text);
        }
        return {};
    }

    void writeError(std::string_view error)
    {
        m_writer.field("error");
        m_writer.field(error);
        m_writer.field({});
        if (m_withFrequency) {
            m_writer.field({});
        }
        if (m_models) {
            m_models->writeEmpty(m_writer);
        }
        if (m_options.warnings) {
            m_writer.field({});
        }
    }

    void writeOutcome(const Outcome& outcome, double hertz)
    {
        m_writer.fields(KindName(outcome.kind));
        m_writer.field(outcome.text);
        // Numbers never need quotes: their decimal comma comes only with ";".
        const char point = m_decimalComma ? ',' : '.';
        m_writer.fields(outcome.kind == Outcome::Kind::Refused ? std::string_view()
                                                               : NumberCell(m_number, outcome.henries, point));
        if (m_withFrequency) {
            const bool resonates = outcome.kind == Outcome::Kind::Result && hertz > 0.0 && outcome.henries > 0.0;
            m_writer.fields(resonates ? NumberCell(m_number, design::TuningCapacitance(outcome.henries, hertz), point)
                                      : std::string_view());
        }
        if (m_models) {
            m_models->writeRow(m_writer, m_reader, m_port, m_decimalComma);
        }
        if (m_options.warnings) {
            m_writer.field(warningsText(outcome));
        }
    }

    /// The row's validity warnings, "; " between them.
    std::string_view warningsText(const Outcome& outcome)
    {
        m_warnings.clear();
        if (outcome.kind == Outcome::Kind::Refused) {
            return m_warnings;
        }
        for (const std::string& warning : ValidityWarnings(m_port, outcome.henries)) {
            if (!m_warnings.empty()) {
                m_warnings += "; ";
            }
            m_warnings += warning;
        }
        return m_warnings;
    }

    CsvReader& m_reader;
    CsvWriter m_writer;
    const BatchOptions& m_options;
    bool m_decimalComma;
    std::vector<std::string> m_header;
    ColumnMap m_columns;
    bool m_withFrequency = false;
    std::optional<BatchModels> m_models;
    TerminalPort m_port;
    std::string m_message;
    std::string m_warnings;
    char m_number[32] = {};
    std::array<NumberBuffer, TerminalPort::kMaxFields> m_lengths{};
};

}  // namespace

int RunBatch(CsvReader& reader, std::ostream& out, std::ostream& err, const BatchOptions& options)
{
    reader.detectDelimiter("shape");
    BatchRun run(reader, out, options);
    return run.run(err);
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& options)
{
    CsvReader reader(in);
    return RunBatch(reader, out, err, options);
}

}  // namespace loopcalc::cli
