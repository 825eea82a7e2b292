// SPDX-License-Identifier: MIT
// "turns SHAPE --target L": the turns at which a shape reaches an inductance.
#include "coildesign.h"
#include "commands.h"
#include "exitcodes.h"
#include "helptext.h"
#include "modeloptions.h"
#include "shapeoptions.h"

#include <ostream>

namespace loopcalc::cli {

namespace {

/// Reads --target into henries; returns the usage problem, or empty.
std::string ReadTarget(std::string_view typed, double& henries)
{
    if (typed.empty()) {
        return "turns needs --target, the inductance to reach";
    }
    const Quantity target = ReadQuantity(typed, InductanceUnits());
    if (target.status == Quantity::Status::UnknownUnit) {
        return "unknown unit '" + std::string(target.unit) + "' in --target '" + std::string(typed) + "' (use " +
               UnitList(InductanceUnits()) + ")";
    }
    if (target.status == Quantity::Status::OutOfRange) {
        return "--target '" + std::string(typed) + "' is out of range: too large or too small to calculate with";
    }
    if (!IsAboveZero(target)) {
        return "--target needs an inductance above 0 H, not '" + std::string(typed) + "'";
    }
    henries = target.value;
    return {};
}

/// "4 turns: 1.20 µH", "1 turn: 32 nH", "5 turns: not accepted (...)".
void PrintWhole(std::ostream& out, const TurnsSearch::Whole& whole)
{
    NumberBuffer buffer;
    out << ShortestText(whole.turns, buffer) << (whole.turns == 1.0 ? " turn:" : " turns:");
    // The result text follows as the result box shows it; the blank in
    // front is its own when it has one (" 1.20 µH", but "32 nH").
    const std::string& text = whole.outcome.text;
    switch (whole.outcome.kind) {
    case Outcome::Kind::Result: out << (text.starts_with(' ') ? "" : " ") << text; break;
    case Outcome::Kind::OutOfRange: out << ' ' << text; break;
    case Outcome::Kind::Refused: out << " not accepted (" << text << ')'; break;
    }
    out << '\n';
}

/// Searches the turns for the target and prints them.
int PrintTurns(ShapeInput& input, double henries, std::ostream& out, std::ostream& err)
{
    const TurnsSearch search = FindTurns(input.port, henries, input.design.target);
    if (search.kind != TurnsSearch::Kind::Found) {
        err << search.message << '\n';
        return kExitRefused;
    }
    NumberBuffer buffer;
    out << ShortestText(search.turns, buffer) << '\n';
    for (const TurnsSearch::Whole& whole : search.whole) {
        PrintWhole(out, whole);
    }
    if (input.design.hertz > 0.0) {
        PrintCapacitance(out, henries, input.design.hertz);
    }
    if (input.design.warnings) {
        std::vector<std::string> warnings = ValidityWarnings(input.port, std::nullopt);
        // At the turns found the classic formula gives the target.
        if (std::optional<std::string> warning = ReferenceWarning(input.port, henries, search.turns)) {
            warnings.push_back(std::move(*warning));
        }
        PrintWarnings(err, warnings);
    }
    return kExitOk;
}

}  // namespace

int RunTurnsCommand(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out, std::ostream& err)
{
    const Shape* shape = nullptr;
    if (const auto exit = ReadShapeArgument(args, "turns", kTurnsSynopsis, &PrintTurnsHelp, shape, out, err)) {
        return *exit;
    }
    const std::string usage = "turns " + std::string(shape->name) + " --target L [options]";
    ShapeInput input;
    if (const auto exit =
            ReadShapeOptions(*shape, OptionsFor::Turns, args.subspan(1), usage, &PrintTurnsHelp, input, out, err)) {
        return *exit;
    }
    double henries = 0.0;
    if (const std::string problem = ReadTarget(input.design.target, henries); !problem.empty()) {
        return UsageError(err, problem, usage);
    }
    return PrintTurns(input, henries, out, err);
}

}  // namespace loopcalc::cli
