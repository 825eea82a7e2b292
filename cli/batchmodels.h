// SPDX-License-Identifier: MIT
// The batch's numeric models: the columns that "batch --models" adds and the
// model cells it reads.
#pragma once

#include "csvreader.h"
#include "csvwriter.h"
#include "designstudy.h"
#include "terminalport.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace loopcalc::cli {

/// The value as printf's "%.17g" writes it in the C locale, with
/// decimalPoint in place of ".".
[[nodiscard]] std::string_view NumberCell(char (&buffer)[32], double value, char decimalPoint);

/// Where a header has the model cells, and the columns the models add:
/// "reference", one per closed form of any shape, "reference-note".
class BatchModels {
public:
    explicit BatchModels(const std::vector<std::string>& header);

    void writeHeader(CsvWriter& writer) const;
    /// Empty model columns, for a row that could not be read.
    void writeEmpty(CsvWriter& writer) const;
    /// The models of the coil whose boxes the port holds, with the row's
    /// model cells; ";" files (decimalComma) read and write numbers with ",".
    void writeRow(CsvWriter& writer, const CsvReader& reader, const TerminalPort& port, bool decimalComma);

private:
    /// Reads the row's model cells for the port's shape into m_inputs;
    /// returns what is wrong with one, or empty.
    std::string_view readCells(const CsvReader& reader, const TerminalPort& port, bool decimalComma);

    std::vector<std::string_view> m_closedForms;
    design::ModelInputs m_inputs;
    std::array<std::size_t, 5> m_cells{};  ///< columns of the model cells, in kModelCells order
    std::string m_note;
    char m_number[32] = {};
};

}  // namespace loopcalc::cli
