// SPDX-License-Identifier: MIT
// Everything the design window shows about the coil of one page: the classic
// result as Calculate would show it, the reference and the closed forms, the
// warnings, the turns for a target, the tuning capacitance and the curves of
// inductance against turns. Plain C++, so that it runs off the window's
// thread and is tested without a window.
#pragma once

#include "calculators.h"
#include "pagedesign.h"
#include "shapemodels.h"
#include "shapes.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace loopcalc::design {

/// One line of the table of models.
struct ModelLine {
    std::string name;
    std::optional<double> henries;
    std::string reason;  ///< why there is no value
    std::string note;    ///< how the value was obtained
};

/// The reference (first) and the closed forms for the page's coil with that
/// many turns; the dimensions are read from the page as its calculator reads
/// them. Empty when the models cannot be evaluated at all.
[[nodiscard]] std::vector<ModelLine> PageModels(const Shape& shape, const FormPort& page, const ModelInputs& inputs,
                                                double turns);

/// The reference alone, as the first line of PageModels gives it; nothing
/// when the shape has no models.
[[nodiscard]] std::optional<ModelLine> PageReference(const Shape& shape, const FormPort& page,
                                                     const ModelInputs& inputs, double turns);

/// What the window asks about one page.
struct StudyRequest {
    const Shape* shape = nullptr;
    std::vector<std::string> texts;  ///< the page's boxes, in the shape's field order
    std::string decimalSeparator = ".";
    ModelInputs models;
    std::optional<double> target;  ///< henries
    std::string targetText;        ///< the target as typed, for messages
    std::optional<double> hertz;   ///< tuning frequency
};

/// The turns that reach the target with the reference.
struct ReferenceTurns {
    std::optional<double> turns;  ///< exact, between the whole numbers below
    double below = 0.0;           ///< whole number of turns below (or equal)
    double above = 0.0;           ///< whole number above; equal to below when turns is whole
    double belowHenries = 0.0;
    double aboveHenries = 0.0;
    std::string message;  ///< why no number of turns reaches the target
};

struct CurvePoint {
    double turns = 0.0;
    double henries = 0.0;
};

struct Study {
    Outcome classic;         ///< as the page's Calculate would end
    std::string refusedBox;  ///< the box the page would refuse; empty when it would not
    double turns = 0.0;      ///< the page's turns, when they are a number
    std::vector<ModelLine> models;
    std::optional<double> reference;  ///< the reference's henries, when it has a value
    std::vector<std::string> warnings;
    std::optional<TurnsSearch> classicTurns;  ///< when a target is given
    std::optional<ReferenceTurns> referenceTurns;
    std::optional<double> classicCapacitance;  ///< farads, when a frequency is given
    std::optional<double> referenceCapacitance;
    std::vector<CurvePoint> classicCurve;
    std::vector<CurvePoint> referenceCurve;
    bool cancelled = false;
};

/// True when a newer request has made this one pointless.
using Cancelled = std::function<bool()>;

/// Works out everything for one request. Runs the page's calculator only on a
/// copy of its boxes: nothing is written, focused, shown, sounded or logged.
[[nodiscard]] Study RunStudy(const StudyRequest& request, const Cancelled& cancelled = {});

/// The classic result's difference from the reference in per cent, or
/// nothing when there is no reference value.
[[nodiscard]] std::optional<double> PercentFromReference(double henries, std::optional<double> reference);

/// The warning the command line gives when the classic result strays more
/// than 10 % from the reference; nothing within 10 %.
[[nodiscard]] std::optional<std::string> ReferenceWarning(const Shape& shape, double classic,
                                                          std::optional<double> reference);

/// "1.50 µH", "820 nH", "1.20 mH": three significant digits and a unit.
[[nodiscard]] std::string FormatHenries(double henries);

/// "+29 %", "−4.3 %": a difference in per cent with its sign.
[[nodiscard]] std::string FormatPercent(double percent);

/// The turns range a plot of the study spans: from the fewest turns the
/// page accepts to well past the current turns and the target's.
struct TurnsRange {
    double first = 1.0;
    double last = 10.0;
};
[[nodiscard]] TurnsRange PlotRange(const Shape& shape, double turns, std::optional<double> targetTurns);

}  // namespace loopcalc::design
