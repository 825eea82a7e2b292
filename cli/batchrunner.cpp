// SPDX-License-Identifier: MIT
#include "batchrunner.h"

#include "coildesign.h"
#include "csvreader.h"
#include "csvwriter.h"
#include "designaids.h"
#include "exitcodes.h"
#include "shapes.h"
#include "terminalport.h"
#include "units.h"

#include <array>
#include <charconv>
#include <cmath>
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

/// "unknown unit 'xy' in width '10xy'", built in a reused buffer.
std::string_view badCell(std::string& text, std::string_view problem, std::string_view column, std::string_view cell)
{
    text = problem;
    text += " in ";
    text += column;
    text += " '";
    text += cell;
    text += '\'';
    return text;
}

/// The frequency cell's hertz, 0 for an empty cell, or the problem with it.
std::string_view readFrequency(std::string& text, std::string_view cell, double& hertz)
{
    hertz = 0.0;
    if (cell.empty()) {
        return {};
    }
    const Quantity quantity = readQuantity(cell, frequencyUnits());
    if (quantity.status == Quantity::Status::UnknownUnit) {
        text = "unknown unit '";
        text += quantity.unit;
        text += '\'';
        return badCell(text, std::string(text), "frequency", cell);
    }
    if (quantity.status != Quantity::Status::Number || !(quantity.value > 0.0) || !std::isfinite(quantity.value)) {
        return badCell(text, "not a frequency above 0 Hz", "frequency", cell);
    }
    hertz = quantity.value;
    return {};
}

std::string_view henriesText(char (&buffer)[32], double henries)
{
    // Locale-independent and as printf's "%.17g" would write it.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, henries, std::chars_format::general, 17);
    return {buffer, static_cast<std::size_t>(result.ptr - buffer)};
}

}  // namespace

int runBatch(CsvReader& reader, std::ostream& out, std::ostream& err, const BatchOptions& options)
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
    const bool withFrequency = columns.frequencyColumn() != kNoColumn;
    if (withFrequency) {
        writer.field("capacitance");
    }
    if (options.warnings) {
        writer.field("warning");
    }
    writer.endRecord();

    const auto shapes = Shapes();
    TerminalPort port;
    std::string message;
    std::string warningText;
    char number[32];
    std::array<NumberBuffer, TerminalPort::kMaxFields> lengths{};
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
        double hertz = 0.0;
        if (error.empty()) {
            const Shape& shape = shapes[shapeIndex];
            port.setShape(shape);
            for (std::size_t f = 0; f < shape.fields.size() && error.empty(); ++f) {
                const std::size_t column = columns.fieldColumn(shapeIndex, f);
                if (column == kNoColumn) {
                    continue;
                }
                const std::string_view cell = reader.field(column);
                if (shape.fields[f].option == "turns") {
                    port.setField(f, cell);
                    continue;
                }
                const LengthText length = lengthText(cell, lengths[f]);
                if (length.status == LengthText::Status::UnknownUnit) {
                    message = "unknown unit '";
                    message += length.unit;
                    message += '\'';
                    error = badCell(message, std::string(message), shape.fields[f].option, cell);
                }
                port.setField(f, length.text);
            }
            if (error.empty() && withFrequency) {
                error = readFrequency(message, reader.field(columns.frequencyColumn()), hertz);
            }
        }
        if (!error.empty()) {
            writer.field("error");
            writer.field(error);
            writer.field({});
            if (withFrequency) {
                writer.field({});
            }
            if (options.warnings) {
                writer.field({});
            }
            writer.endRecord();
            continue;
        }

        const Outcome outcome = port.calculate();
        writer.field(kindName(outcome.kind));
        writer.field(outcome.text);
        writer.field(outcome.kind == Outcome::Kind::Refused ? std::string_view()
                                                            : henriesText(number, outcome.henries));
        if (withFrequency) {
            const bool resonates = outcome.kind == Outcome::Kind::Result && hertz > 0.0 && outcome.henries > 0.0;
            writer.field(resonates ? henriesText(number, design::TuningCapacitance(outcome.henries, hertz))
                                   : std::string_view());
        }
        if (options.warnings) {
            warningText.clear();
            if (outcome.kind != Outcome::Kind::Refused) {
                for (const std::string& warning : validityWarnings(port, outcome.henries)) {
                    if (!warningText.empty()) {
                        warningText += "; ";
                    }
                    warningText += warning;
                }
            }
            writer.field(warningText);
        }
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

int runBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& options)
{
    CsvReader reader(in);
    return runBatch(reader, out, err, options);
}

}  // namespace loopcalc::cli
