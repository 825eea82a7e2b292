// SPDX-License-Identifier: MIT
#include "modeloptions.h"

#include "coildesign.h"
#include "models/models.h"
#include "units.h"

#include <cmath>

namespace loopcalc::cli {

namespace {

/// The turns the port's turns box reads, as its calculator reads them.
double PortTurns(const TerminalPort& port)
{
    for (const ShapeField& field : port.shape()->fields) {
        if (field.kind == FieldKind::Turns) {
            return port.number(field.box);
        }
    }
    return 0.0;
}

}  // namespace

ModelValueProblem ReadModelValue(std::string_view option, std::string_view typed, design::ModelInputs& inputs,
                                 std::string_view decimalSeparator)
{
    using Kind = ModelValueProblem::Kind;
    if (option == "winding") {
        if (typed != "bundle" && typed != "layer") {
            return {Kind::NotWinding, {}};
        }
        inputs.winding = typed == "bundle" ? design::Winding::Bundle : design::Winding::Layer;
        return {};
    }
    const Quantity length = ReadQuantity(typed, LengthUnits(), decimalSeparator);
    if (length.status == Quantity::Status::UnknownUnit) {
        return {Kind::UnknownUnit, length.unit};
    }
    if (length.status == Quantity::Status::OutOfRange) {
        return {Kind::OutOfRange, {}};
    }
    if (length.status != Quantity::Status::Number || !(length.value > 0.0) || !std::isfinite(length.value)) {
        return {Kind::NotAboveZero, {}};
    }
    if (option == "gap") {
        inputs.gap = length.value;
    } else if (option == "thickness") {
        inputs.thickness = length.value;
    } else if (option == "wire-radius") {
        inputs.spiralWireRadius = length.value;
    } else if (option == "trace") {
        inputs.spiralTrace = length.value;
    }
    return {};
}

std::string ModelOptionProblem(const ModelValueProblem& problem, std::string_view option, std::string_view typed)
{
    std::string text;
    switch (problem.kind) {
    case ModelValueProblem::Kind::None: break;
    case ModelValueProblem::Kind::UnknownUnit:
        text.append("unknown unit '").append(problem.unit).append("' in ").append(option).append(" '");
        text.append(typed).append("' (use ").append(UnitList(LengthUnits())).append(")");
        break;
    case ModelValueProblem::Kind::OutOfRange:
        text.append(option).append(" '").append(typed);
        text.append("' is out of range: too large or too small to calculate with");
        break;
    case ModelValueProblem::Kind::NotAboveZero:
        text.append(option).append(" needs a length above 0 mm, not '").append(typed).append("'");
        break;
    case ModelValueProblem::Kind::NotWinding:
        text.append(option).append(" needs bundle or layer, not '").append(typed).append("'");
        break;
    }
    return text;
}

std::vector<design::ModelLine> PortModels(const TerminalPort& port, const design::ModelInputs& inputs)
{
    if (port.shape() == nullptr) {
        return {};
    }
    return design::PageModels(*port.shape(), port, inputs, PortTurns(port));
}

std::optional<design::ModelLine> PortReference(const TerminalPort& port, const design::ModelInputs& inputs,
                                               std::optional<double> turns)
{
    if (port.shape() == nullptr) {
        return std::nullopt;
    }
    return design::PageReference(*port.shape(), port, inputs, turns ? *turns : PortTurns(port));
}

std::optional<std::string> ReferenceWarning(const TerminalPort& port, double classic, std::optional<double> turns)
{
    const std::optional<design::ModelLine> reference = PortReference(port, {}, turns);
    if (!reference) {
        return std::nullopt;
    }
    return design::ReferenceWarning(*port.shape(), classic, reference->henries);
}

std::vector<std::string> CalculationWarnings(const TerminalPort& port, double henries)
{
    std::vector<std::string> warnings = ValidityWarnings(port, henries);
    if (std::optional<std::string> warning = ReferenceWarning(port, henries)) {
        warnings.push_back(std::move(*warning));
    }
    return warnings;
}

}  // namespace loopcalc::cli
