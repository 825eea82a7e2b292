// SPDX-License-Identifier: MIT
// Flat rectangular (printed) air coil: width, height, turns and trace size.
#include "calcsteps.h"
#include "calculators.h"
#include "designaids.h"
#include "formulas.h"

#include <algorithm>

namespace loopcalc {

namespace {
// The page's boxes in table order.
enum Field : std::size_t { kWidth, kHeight, kTurns, kTrace };
}  // namespace

Outcome frmMain_cmdCalculate1_Click(FormPort& port)
{
    // The trace size stands in for the wire radius, with no further factor.
    return steps::Press(port, Shapes()[kFlatRectangularPage], [](const FieldValues& v) {
        return RectLoopInductance(v[kTurns], v[kWidth], v[kHeight], v[kTrace]);
    });
}

std::optional<double> FlatRectangularExactTurns(const FieldValues& values, double henries)
{
    // The trace size takes the place of the wire radius, as in the handler.
    return design::RectLoopTurnsFor(henries, values[kWidth], values[kHeight], values[kTrace]);
}

std::vector<std::string> FlatRectangularWarnings(const FieldValues& values, std::optional<double> henries)
{
    return design::ConductorWarnings(values[kTrace], std::min(values[kWidth], values[kHeight]), henries,
                                     "the trace size");
}

}  // namespace loopcalc
