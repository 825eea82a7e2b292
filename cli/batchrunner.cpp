// SPDX-License-Identifier: MIT
#include "batchrunner.h"

#include "batchcells.h"
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
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace loopcalc::cli {

namespace {

using namespace batch;

/// What the batch's messages about the input as a whole start with.
constexpr std::string_view kMessagePrefix = "loopcalc-cli: batch: ";

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
