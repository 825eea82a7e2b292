// SPDX-License-Identifier: MIT
#include "coildesign.h"

#include "units.h"

namespace loopcalc::cli {

std::optional<double> ExactTurns(const TerminalPort& port, double henries)
{
    if (port.shape() == nullptr) {
        return std::nullopt;
    }
    return design::ExactTurns(*port.shape(), port, henries);
}

std::vector<std::string> ValidityWarnings(const TerminalPort& port, std::optional<double> henries)
{
    if (port.shape() == nullptr) {
        return {};
    }
    return design::ValidityWarnings(*port.shape(), port, henries);
}

TurnsSearch FindTurns(TerminalPort& port, double henries, std::string_view targetText)
{
    // The result of each calculation with a number of turns.
    const auto calculateWith = [&port](double turns) {
        NumberBuffer buffer;
        port.setField("turns", ShortestText(turns, buffer));
        Outcome outcome = port.calculate();
        // The box must not keep a view into the buffer.
        port.setField("turns", std::string_view());
        return outcome;
    };
    return design::FindTurns(*port.shape(), port, henries, targetText, calculateWith);
}

}  // namespace loopcalc::cli
