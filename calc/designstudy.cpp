// SPDX-License-Identifier: MIT
#include "designstudy.h"

#include "designaids.h"
#include "numberreading.h"
#include "scratchport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <string_view>

namespace loopcalc::design {

namespace {

constexpr double kWarnAbovePercent = 10.0;
constexpr int kClassicSamples = 121;
constexpr int kMostReferenceSamples = 48;
// The turns checks of most shapes have no upper bound, but the reference
// stops somewhere.
constexpr double kMostSearchedTurns = 1e5;

std::string TurnsBox(const Shape& shape)
{
    for (const ShapeField& field : shape.fields) {
        if (field.kind == FieldKind::Turns) {
            return std::string(field.box);
        }
    }
    return {};
}

/// The most turns searched: the turns check's upper bound, where it has one.
double MostTurns(const Shape& shape)
{
    for (const ShapeField& field : shape.fields) {
        if (field.kind == FieldKind::Turns) {
            return std::min(field.highest, kMostSearchedTurns);
        }
    }
    return kMostSearchedTurns;
}

/// The reference alone at a number of turns, or why it has no value.
struct ReferenceAt {
    std::optional<double> henries;
    std::string reason;
};

ReferenceAt Reference(const Shape& shape, const FormPort& page, const ModelInputs& inputs, double turns)
{
    const std::optional<ModelLine> line = PageReference(shape, page, inputs, turns);
    if (!line) {
        return {std::nullopt, "no reference is available for this coil"};
    }
    return {line->henries, line->reason};
}

using ReferenceOf = std::function<ReferenceAt(double turns)>;

/// Whole numbers of turns around a target: the reference gives less than the
/// target at low and at least the target at high.
struct Bracket {
    double low = 1.0;
    double lowHenries = 0.0;
    double high = 2.0;
    double highHenries = 0.0;
};

/// Doubles the turns from one until the reference reaches the target; says
/// in found.message why it does not.
std::optional<Bracket> BracketByDoubling(const StudyRequest& request, double target, const ReferenceOf& at,
                                         double oneHenries, const Cancelled& cancelled, ReferenceTurns& found)
{
    Bracket bracket{1.0, oneHenries, 2.0, 0.0};
    const double most = MostTurns(*request.shape);
    for (;;) {
        if (cancelled && cancelled()) {
            return std::nullopt;
        }
        const ReferenceAt next = at(bracket.high);
        if (!next.henries) {
            found.message = "the reference has no value at " + ThreeDigits(bracket.high) + " turns: " + next.reason;
            return std::nullopt;
        }
        if (*next.henries >= target) {
            bracket.highHenries = *next.henries;
            return bracket;
        }
        if (bracket.high >= most) {
            found.message = "the reference stays below ";
            found.message.append(request.targetText).append(" up to ").append(ThreeDigits(most)).append(" turns");
            return std::nullopt;
        }
        bracket.low = bracket.high;
        bracket.lowHenries = *next.henries;
        bracket.high = std::min(bracket.high * 2.0, most);
    }
}

/// Halves the bracket until its ends are whole numbers one turn apart.
bool NarrowToOneTurn(Bracket& bracket, double target, const ReferenceOf& at, const Cancelled& cancelled,
                     ReferenceTurns& found)
{
    while (bracket.high - bracket.low > 1.0) {
        if (cancelled && cancelled()) {
            return false;
        }
        const double middle = std::floor((bracket.low + bracket.high) / 2.0);
        const std::optional<double> value = at(middle).henries;
        if (!value) {
            found.message = "the reference has no value at " + ThreeDigits(middle) + " turns";
            return false;
        }
        if (*value >= target) {
            bracket.high = middle;
            bracket.highHenries = *value;
        } else {
            bracket.low = middle;
            bracket.lowHenries = *value;
        }
    }
    return true;
}

/// The exact turns within a one-turn bracket: the reference is straight
/// between its own steps.
double ExactWithinTurn(const Bracket& bracket, double target, const ReferenceOf& at, double step)
{
    double from = bracket.low;
    double fromHenries = bracket.lowHenries;
    double to = bracket.high;
    double toHenries = bracket.highHenries;
    for (double turns = bracket.low + step; turns < bracket.high - 1e-9; turns += step) {
        const std::optional<double> value = at(turns).henries;
        if (!value) {
            break;
        }
        if (*value >= target) {
            to = turns;
            toHenries = *value;
            break;
        }
        from = turns;
        fromHenries = *value;
    }
    return toHenries > fromHenries ? from + (target - fromHenries) / (toHenries - fromHenries) * (to - from) : to;
}

/// The exact turns at which the reference gives the target. The reference
/// between whole numbers of turns is a straight line, so the whole numbers
/// around the target are found by doubling and halving, and the exact
/// number lies on the line between them.
ReferenceTurns SolveReference(const StudyRequest& request, const FormPort& page, double target,
                              const Cancelled& cancelled)
{
    const Shape& shape = *request.shape;
    ReferenceTurns found;
    const ReferenceOf at = [&](double turns) { return Reference(shape, page, request.models, turns); };
    const ReferenceAt one = at(1.0);
    if (!one.henries) {
        found.message = "the reference has no value: " + one.reason;
        return found;
    }
    if (*one.henries >= target) {
        if (*one.henries == target) {
            found.turns = 1.0;
            found.below = found.above = 1.0;
            found.belowHenries = found.aboveHenries = *one.henries;
        } else {
            found.message = "the reference reaches ";
            found.message.append(request.targetText).append(" with less than one turn");
        }
        return found;
    }
    std::optional<Bracket> bracket = BracketByDoubling(request, target, at, *one.henries, cancelled, found);
    if (!bracket || !NarrowToOneTurn(*bracket, target, at, cancelled, found)) {
        return found;
    }
    const double exact = ExactWithinTurn(*bracket, target, at, shape.models->referenceTurnsStep);
    found.turns = exact;
    found.below = exact >= bracket->high ? bracket->high : bracket->low;
    found.belowHenries = exact >= bracket->high ? bracket->highHenries : bracket->lowHenries;
    found.above = bracket->high;
    found.aboveHenries = bracket->highHenries;
    return found;
}

void AddCurves(const StudyRequest& request, ScratchPort& page, Study& study, const Cancelled& cancelled)
{
    const Shape& shape = *request.shape;
    std::optional<double> targetTurns;
    if (study.classicTurns && study.classicTurns->kind == TurnsSearch::Kind::Found) {
        targetTurns = study.classicTurns->turns;
    }
    const TurnsRange range = PlotRange(shape, study.turns, targetTurns);
    for (int i = 0; i < kClassicSamples; ++i) {
        const double turns = range.first + (range.last - range.first) * i / (kClassicSamples - 1);
        const Outcome outcome = page.calculateWithTurns(turns);
        if (outcome.kind != Outcome::Kind::Refused) {
            study.classicCurve.push_back({turns, outcome.henries});
        }
    }
    if (!study.reference) {
        return;
    }
    const double span = range.last - range.first;
    // Whole turns: the printed spiral's quarter-turn steps would only make
    // the curve ragged.
    const double step = std::max(1.0, std::ceil(span / kMostReferenceSamples));
    for (double turns = range.first; turns <= range.last + 1e-9; turns += step) {
        if (cancelled && cancelled()) {
            return;
        }
        if (const auto henries = Reference(shape, page, request.models, turns).henries) {
            study.referenceCurve.push_back({turns, *henries});
        }
    }
    if (study.referenceCurve.empty() || study.referenceCurve.back().turns < range.last) {
        if (const auto henries = Reference(shape, page, request.models, range.last).henries) {
            study.referenceCurve.push_back({range.last, *henries});
        }
    }
}

}  // namespace

Study RunStudy(const StudyRequest& request, const Cancelled& cancelled)
{
    Study study;
    const Shape& shape = *request.shape;
    ScratchPort page(shape, request.texts, request.decimalSeparator);
    study.classic = page.calculate();
    if (study.classic.kind == Outcome::Kind::Refused) {
        study.refusedBox = page.focusedBox();
    }
    study.turns = ReadNumber(page.text(TurnsBox(shape)), request.decimalSeparator);

    if (study.classic.kind != Outcome::Kind::Refused) {
        study.models = PageModels(shape, page, request.models, study.turns);
        if (!study.models.empty()) {
            study.reference = study.models.front().henries;
        }
        study.warnings = ValidityWarnings(shape, page, study.classic.henries);
        if (auto warning = ReferenceWarning(shape, study.classic.henries, study.reference)) {
            study.warnings.push_back(std::move(*warning));
        }
    }
    if (cancelled && cancelled()) {
        study.cancelled = true;
        return study;
    }

    if (request.hertz) {
        if (study.classic.kind == Outcome::Kind::Result) {
            study.classicCapacitance = TuningCapacitance(study.classic.henries, *request.hertz);
        }
        if (study.reference && *study.reference > 0.0) {
            study.referenceCapacitance = TuningCapacitance(*study.reference, *request.hertz);
        }
    }

    if (request.target) {
        study.classicTurns = FindTurns(shape, page, *request.target, request.targetText,
                                       [&page](double turns) { return page.calculateWithTurns(turns); });
        if (study.classicTurns->kind != TurnsSearch::Kind::Refused) {
            study.referenceTurns = SolveReference(request, page, *request.target, cancelled);
        }
    }

    if (study.classic.kind != Outcome::Kind::Refused) {
        AddCurves(request, page, study, cancelled);
    }
    study.cancelled = cancelled && cancelled();
    return study;
}

std::optional<double> PercentFromReference(double henries, std::optional<double> reference)
{
    if (!reference || !(*reference > 0.0)) {
        return std::nullopt;
    }
    const double percent = (henries - *reference) / *reference * 100.0;
    // A difference beyond a double says nothing: none is shown.
    return std::isfinite(percent) ? std::optional(percent) : std::nullopt;
}

std::optional<std::string> ReferenceWarning(const Shape& shape, double classic, std::optional<double> reference)
{
    const std::optional<double> percent = PercentFromReference(classic, reference);
    if (!percent || std::abs(*percent) <= kWarnAbovePercent) {
        return std::nullopt;
    }
    return "the classic formula reads " + FormatPercent(std::abs(*percent)).substr(1) +
           (*percent > 0.0 ? " above" : " below") + " the " + std::string(shape.models->referenceMethod) +
           " reference (" + FormatHenries(*reference) + ")";
}

std::string FormatHenries(double henries)
{
    constexpr std::array<std::pair<double, const char*>, 4> kUnits{
        {{1e9, " nH"}, {1e6, " \xC2\xB5H"}, {1e3, " mH"}, {1.0, " H"}}};
    if (!std::isfinite(henries) || henries <= 0.0) {
        return henries == 0.0 ? "0 H" : "no value";
    }
    for (const auto& [scale, unit] : kUnits) {
        const std::string digits = ThreeDigits(henries * scale);
        // Shown below 1000 in this unit, or the largest unit there is.
        const bool plain = digits.find('e') == std::string::npos;
        if ((plain && (digits.find('.') != std::string::npos || digits.size() <= 3)) || scale == 1.0) {
            return digits + unit;
        }
    }
    return {};
}

std::string FormatPercent(double percent)
{
    // Written without the C library's printf, whose decimal separator is
    // the locale's (a window sets it from the environment: "4,3" in German).
    std::array<char, 32> buffer{};
    const int decimals = std::abs(percent) >= 9.95 ? 0 : 1;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::abs(percent),
                                      std::chars_format::fixed, decimals);
    const std::string_view digits(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    // Nothing but zeros shown: no sign of its own ("-0.0" is "+0.0").
    const bool negative = percent < 0.0 && digits.find_first_not_of("0.") != std::string_view::npos;
    std::string text = negative ? "-" : "+";
    text.append(digits);
    text.append(" %");
    return text;
}

TurnsRange PlotRange(const Shape& shape, double turns, std::optional<double> targetTurns)
{
    double highest = std::isfinite(turns) ? std::max(turns, 1.0) : 1.0;
    if (targetTurns && std::isfinite(*targetTurns)) {
        highest = std::max(highest, *targetTurns);
    }
    double last = std::ceil(std::max({highest * 1.5, highest + 3.0, 4.0}));
    last = std::min(last, std::max(MostTurns(shape), std::ceil(highest)));
    return {1.0, last};
}

}  // namespace loopcalc::design
