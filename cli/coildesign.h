// SPDX-License-Identifier: MIT
// Design aids over a shape's boxes: the turns for a target inductance and the
// warnings where a formula stops being trustworthy.
#pragma once

#include "pagedesign.h"
#include "terminalport.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopcalc::cli {

/// The exact (fractional) number of turns at which the formula of the port's
/// shape gives the target, its dimensions read from the port's boxes as the
/// shape's calculator reads them; nothing when no positive number of turns
/// does. The turns box is not read.
[[nodiscard]] std::optional<double> ExactTurns(const TerminalPort& port, double henries);

/// Warnings for a calculation that got past the input checks (see
/// design::ValidityWarnings).
[[nodiscard]] std::vector<std::string> ValidityWarnings(const TerminalPort& port, std::optional<double> henries);

using TurnsSearch = design::TurnsSearch;

/// Finds the turns for a target inductance on the port's shape and
/// dimensions (see design::FindTurns). The turns box is left empty.
/// targetText names the target in messages.
[[nodiscard]] TurnsSearch FindTurns(TerminalPort& port, double henries, std::string_view targetText);

}  // namespace loopcalc::cli
