// SPDX-License-Identifier: MIT
#include "batchcells.h"

#include "designaids.h"
#include "shapeoptions.h"
#include "shapes.h"
#include "units.h"

#include <charconv>

namespace loopcalc::cli::batch {

namespace {

std::size_t Find(const std::vector<std::string>& header, std::string_view name)
{
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) {
            return i;
        }
    }
    return kNoColumn;
}

void AppendNumber(std::string& text, std::size_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

}  // namespace

ColumnMap::ColumnMap(const std::vector<std::string>& header)
    : m_shapeColumn(Find(header, "shape"))
    , m_frequencyColumn(Find(header, "frequency"))
{
    const auto shapes = Shapes();
    m_fieldColumns.resize(shapes.size());
    for (std::size_t s = 0; s < shapes.size(); ++s) {
        m_fieldColumns[s].fill(kNoColumn);
        for (std::size_t f = 0; f < shapes[s].fields.size(); ++f) {
            m_fieldColumns[s][f] = Find(header, shapes[s].fields[f].option);
        }
    }
}

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

}  // namespace loopcalc::cli::batch
