// SPDX-License-Identifier: MIT
// The batch's cells: where each shape finds its columns, and what a row's
// outcome and its problems are called in the output.
#pragma once

#include "calculators.h"
#include "csvreader.h"
#include "terminalport.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace loopcalc::cli::batch {

/// A column the header does not have.
inline constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

/// Where each shape finds its fields in the input records.
class ColumnMap {
public:
    ColumnMap() = default;
    explicit ColumnMap(const std::vector<std::string>& header);

    [[nodiscard]] std::size_t shapeColumn() const { return m_shapeColumn; }
    [[nodiscard]] std::size_t frequencyColumn() const { return m_frequencyColumn; }
    [[nodiscard]] std::size_t fieldColumn(std::size_t shape, std::size_t field) const
    {
        return m_fieldColumns[shape][field];
    }

private:
    std::size_t m_shapeColumn = kNoColumn;
    std::size_t m_frequencyColumn = kNoColumn;
    std::vector<std::array<std::size_t, TerminalPort::kMaxFields>> m_fieldColumns;
};

/// "result", "refused" or "out-of-range".
[[nodiscard]] std::string_view KindName(Outcome::Kind kind);

/// What is wrong with a record as CSV, in words; empty when nothing is.
[[nodiscard]] std::string_view ProblemText(CsvReader::Problem problem);

// The messages below are built in a reused buffer, text, and view it.

/// "row has 5 fields, header has 4".
[[nodiscard]] std::string_view CountMismatch(std::string& text, std::size_t fields, std::size_t columns);

/// "unknown shape 'x'", or "no shape given" for an empty cell.
[[nodiscard]] std::string_view UnknownShape(std::string& text, std::string_view name);

/// "not a frequency above 0 Hz in frequency '0'".
[[nodiscard]] std::string_view BadCell(std::string& text, std::string_view problem, std::string_view column,
                                       std::string_view cell);

/// "unknown unit 'xy' in width '10xy'".
[[nodiscard]] std::string_view UnknownUnit(std::string& text, std::string_view unit, std::string_view column,
                                           std::string_view cell);

/// Reads the frequency cell into hertz (0 for an empty cell); returns the
/// problem with it, or empty.
[[nodiscard]] std::string_view ReadFrequency(std::string& text, std::string_view cell,
                                             std::string_view decimalSeparator, double& hertz);

}  // namespace loopcalc::cli::batch
