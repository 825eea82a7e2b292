// SPDX-License-Identifier: MIT
// Rectangular wire coil: width, height, turns and wire radius.
#include "calcsteps.h"
#include "calculators.h"
#include "designaids.h"
#include "formulas.h"

#include <algorithm>

namespace loopcalc {

namespace {
// The page's boxes in table order.
enum Field : std::size_t { kWidth, kHeight, kTurns, kWireRadius };
}  // namespace

Outcome frmMain_cmdCalculate3_Click(FormPort& port)
{
    return steps::Press(port, Shapes()[kRectangularPage], [](const FieldValues& v) {
        return RectLoopInductance(v[kTurns], v[kWidth], v[kHeight], v[kWireRadius]);
    });
}

std::optional<double> RectangularExactTurns(const FieldValues& values, double henries)
{
    return design::RectLoopTurnsFor(henries, values[kWidth], values[kHeight], values[kWireRadius]);
}

std::vector<std::string> RectangularWarnings(const FieldValues& values, std::optional<double> henries)
{
    return design::ConductorWarnings(values[kWireRadius], std::min(values[kWidth], values[kHeight]), henries,
                                     "the wire radius");
}

}  // namespace loopcalc
