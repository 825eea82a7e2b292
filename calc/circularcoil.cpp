// SPDX-License-Identifier: MIT
// Circular wire coil: radius, turns and wire radius.
#include "calcsteps.h"
#include "calculators.h"
#include "designaids.h"
#include "formulas.h"

namespace loopcalc {

namespace {
// The page's boxes in table order.
enum Field : std::size_t { kRadius, kTurns, kWireRadius };
}  // namespace

Outcome frmMain_cmdCalculate2_Click(FormPort& port)
{
    return steps::Press(port, Shapes()[kCircularPage], [](const FieldValues& v) {
        return CircularCoilInductance(v[kTurns], v[kRadius], v[kWireRadius]);
    });
}

std::optional<double> CircularExactTurns(const FieldValues& values, double henries)
{
    return design::CircularTurnsFor(henries, values[kRadius], values[kWireRadius]);
}

std::vector<std::string> CircularWarnings(const FieldValues& values, std::optional<double> henries)
{
    return design::ConductorWarnings(values[kWireRadius], values[kRadius], henries, "the wire radius");
}

}  // namespace loopcalc
