// SPDX-License-Identifier: MIT
// "models SHAPE": the classic result beside the numeric reference and the
// published closed forms, one line each.
#include "coildesign.h"
#include "commands.h"
#include "exitcodes.h"
#include "helptext.h"
#include "modeloptions.h"
#include "shapeoptions.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace loopcalc::cli {

namespace {

/// One line of the table: name, value, difference from the reference, and
/// the note or the reason why there is no value.
struct Row {
    std::string name;
    std::string value;
    std::string percent;
    std::string remark;
    bool sized = true;  ///< the value sets the column's width (a message does not)
};

/// The width a terminal gives UTF-8 text: one column per character.
std::size_t Columns(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }));
}

std::string Percent(double henries, const std::optional<double>& reference)
{
    const std::optional<double> percent = design::PercentFromReference(henries, reference);
    return percent ? design::FormatPercent(*percent) : std::string();
}

/// The classic result as the page shows it, or its refusal.
Row ClassicRow(const Outcome& outcome, const std::optional<double>& reference)
{
    Row row{"classic formula", outcome.text, {}, {}, outcome.kind == Outcome::Kind::Result};
    if (outcome.kind == Outcome::Kind::Refused) {
        row.value = "refused: ";
        row.value.append(outcome.text);
    } else {
        row.percent = Percent(outcome.henries, reference);
    }
    return row;
}

Row ModelRow(const design::ModelLine& line, const std::optional<double>& reference, bool isReference)
{
    Row row{line.name, " no value", {}, line.henries ? line.note : line.reason};
    if (line.henries && !(*line.henries > 0.0 && std::isfinite(*line.henries))) {
        // A closed form stretched beyond its range can fall to 0 or below.
        row.remark = "does not apply here: it gives no inductance above 0";
        if (!line.note.empty()) {
            row.remark.append(" (").append(line.note).append(")");
        }
    } else if (line.henries) {
        // A blank in front, as the page's result has where a sign would go.
        row.value = design::FormatHenries(*line.henries);
        row.value.insert(row.value.begin(), ' ');
        if (!isReference) {
            row.percent = Percent(*line.henries, reference);
        }
    }
    return row;
}

void Pad(std::ostream& out, std::string_view text, std::size_t width)
{
    out << text;
    for (std::size_t n = Columns(text); n < width; ++n) {
        out << ' ';
    }
}

void PrintRows(std::ostream& out, const std::vector<Row>& rows)
{
    std::size_t nameWidth = 0;
    std::size_t valueWidth = 0;
    std::size_t percentWidth = 0;
    for (const Row& row : rows) {
        nameWidth = std::max(nameWidth, Columns(row.name));
        if (row.sized) {
            valueWidth = std::max(valueWidth, Columns(row.value));
        }
        percentWidth = std::max(percentWidth, Columns(row.percent));
    }
    for (const Row& row : rows) {
        Pad(out, row.name, nameWidth + 2);
        if (row.remark.empty() && row.percent.empty()) {
            out << row.value << '\n';
            continue;
        }
        Pad(out, row.value, std::max(valueWidth, Columns(row.value)) + 2);
        if (row.remark.empty()) {
            out << row.percent << '\n';
            continue;
        }
        Pad(out, row.percent, percentWidth);
        out << (percentWidth > 0 ? "  " : "") << row.remark << '\n';
    }
}

int ExitCode(const Outcome& outcome)
{
    switch (outcome.kind) {
    case Outcome::Kind::Result: return kExitOk;
    case Outcome::Kind::Refused: return kExitRefused;
    case Outcome::Kind::OutOfRange: return kExitOutOfRange;
    }
    return kExitRefused;
}

int PrintModels(ShapeInput& input, std::ostream& out, std::ostream& err)
{
    const Outcome outcome = input.port.calculate();
    const std::vector<design::ModelLine> models = PortModels(input.port, input.design.models);
    const std::optional<double> reference = models.empty() ? std::nullopt : models.front().henries;

    std::vector<Row> rows{ClassicRow(outcome, reference)};
    for (std::size_t i = 0; i < models.size(); ++i) {
        rows.push_back(ModelRow(models[i], reference, i == 0));
    }
    PrintRows(out, rows);

    if (input.design.warnings && outcome.kind != Outcome::Kind::Refused) {
        std::vector<std::string> warnings = ValidityWarnings(input.port, outcome.henries);
        if (std::optional<std::string> warning =
                design::ReferenceWarning(*input.port.shape(), outcome.henries, reference)) {
            warnings.push_back(std::move(*warning));
        }
        PrintWarnings(err, warnings);
    }
    return ExitCode(outcome);
}

}  // namespace

int RunModelsCommand(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out, std::ostream& err)
{
    const Shape* shape = nullptr;
    if (const auto exit = ReadShapeArgument(args, "models", kModelsSynopsis, &PrintModelsHelp, shape, out, err)) {
        return *exit;
    }
    ShapeInput input;
    if (const auto exit = ReadShapeOptions(*shape, OptionsFor::Models, args.subspan(1), ModelsSynopsis(*shape),
                                           &PrintModelsHelp, input, out, err)) {
        return *exit;
    }
    return PrintModels(input, out, err);
}

}  // namespace loopcalc::cli
