// SPDX-License-Identifier: MIT
#include "batchmodels.h"

#include "batchcells.h"
#include "modeloptions.h"
#include "shapes.h"
#include "significantdigits.h"

#include <algorithm>
#include <cmath>

namespace loopcalc::cli {

namespace {

using batch::kNoColumn;
constexpr std::array<std::string_view, 5> kModelCells{"gap", "thickness", "winding", "wire-radius", "trace"};

/// "not a length above 0 in gap '-1'", built in text.
std::string_view CellProblem(std::string& text, const ModelValueProblem& problem, std::string_view column,
                             std::string_view cell)
{
    text.clear();
    switch (problem.kind) {
    case ModelValueProblem::Kind::None: return {};
    case ModelValueProblem::Kind::UnknownUnit: text.append("unknown unit '").append(problem.unit).append("'"); break;
    case ModelValueProblem::Kind::OutOfRange: text = "out of range (too large or too small to calculate with)"; break;
    case ModelValueProblem::Kind::NotAboveZero: text = "not a length above 0 mm"; break;
    case ModelValueProblem::Kind::NotWinding: text = "not bundle or layer"; break;
    }
    text.append(" in ").append(column).append(" '").append(cell).append("'");
    return text;
}

}  // namespace

std::string_view NumberCell(char (&buffer)[32], double value, char decimalPoint)
{
    const std::string_view text = WriteG17(buffer, value);
    if (decimalPoint != '.') {
        std::replace(buffer, buffer + text.size(), '.', decimalPoint);
    }
    return text;
}

BatchModels::BatchModels(const std::vector<std::string>& header)
{
    for (std::size_t c = 0; c < kModelCells.size(); ++c) {
        const auto found = std::find(header.begin(), header.end(), kModelCells[c]);
        m_cells[c] = found == header.end() ? kNoColumn : static_cast<std::size_t>(found - header.begin());
    }
    // Every shape's closed forms, each once, in page order.
    for (const Shape& shape : Shapes()) {
        for (const std::string_view id : shape.models->ids()) {
            if (id != "reference" && std::find(m_closedForms.begin(), m_closedForms.end(), id) == m_closedForms.end()) {
                m_closedForms.push_back(id);
            }
        }
    }
}

void BatchModels::writeHeader(CsvWriter& writer) const
{
    writer.field("reference");
    for (const std::string_view id : m_closedForms) {
        writer.field(id);
    }
    writer.field("reference-note");
}

void BatchModels::writeEmpty(CsvWriter& writer) const
{
    for (std::size_t i = 0; i < m_closedForms.size() + 2; ++i) {
        writer.field({});
    }
}

std::string_view BatchModels::readCells(const CsvReader& reader, const TerminalPort& port, bool decimalComma)
{
    const Shape& shape = *port.shape();
    m_inputs = {};
    for (const std::string_view option : shape.models->options) {
        const auto c =
            static_cast<std::size_t>(std::find(kModelCells.begin(), kModelCells.end(), option) - kModelCells.begin());
        if (m_cells[c] == kNoColumn || reader.field(m_cells[c]).empty()) {
            continue;
        }
        const std::string_view cell = reader.field(m_cells[c]);
        const ModelValueProblem problem = ReadModelValue(option, cell, m_inputs, decimalComma ? "," : ".");
        if (problem.kind != ModelValueProblem::Kind::None) {
            return CellProblem(m_note, problem, option, cell);
        }
    }
    if (m_inputs.spiralWireRadius && m_inputs.spiralTrace) {
        return "give wire-radius or trace, not both";
    }
    return {};
}

void BatchModels::writeRow(CsvWriter& writer, const CsvReader& reader, const TerminalPort& port, bool decimalComma)
{
    if (const std::string_view problem = readCells(reader, port, decimalComma); !problem.empty()) {
        for (std::size_t i = 0; i < m_closedForms.size() + 1; ++i) {
            writer.field({});
        }
        writer.field(problem);
        return;
    }
    const std::vector<design::ModelLine> lines = PortModels(port, m_inputs);
    const std::vector<std::string_view> ids = port.shape()->models->ids();
    const char point = decimalComma ? ',' : '.';
    const auto value = [&](std::size_t i) {
        const std::optional<double>& henries = lines[i].henries;
        // A closed form stretched beyond its range can fall to 0 or below.
        return henries && *henries > 0.0 && std::isfinite(*henries) ? NumberCell(m_number, *henries, point)
                                                                    : std::string_view();
    };
    if (lines.empty() || lines.size() != ids.size()) {
        writeEmpty(writer);
        return;
    }
    writer.fields(value(0));
    for (const std::string_view id : m_closedForms) {
        const auto at = std::find(ids.begin(), ids.end(), id);
        writer.fields(at == ids.end() ? std::string_view() : value(static_cast<std::size_t>(at - ids.begin())));
    }
    const design::ModelLine& reference = lines.front();
    if (!reference.henries) {
        writer.field(reference.reason);
    } else if (value(0).empty()) {
        m_note = "no inductance above 0 (";
        m_note.append(reference.note).append(")");
        writer.field(m_note);
    } else {
        writer.field(reference.note);
    }
}

}  // namespace loopcalc::cli
