// SPDX-License-Identifier: MIT
// Values typed with a unit, under the command line's names. The reading
// itself lives in the core, where the design window shares it.
#pragma once

#include "quantities.h"

namespace loopcalc::cli {

using units::formatFrequency;
using units::frequencyUnits;
using units::inductanceUnits;
using units::lengthText;
using units::LengthText;
using units::lengthUnits;
using units::NumberBuffer;
using units::Quantity;
using units::readQuantity;
using units::shortestText;
using units::Unit;
using units::unitList;

}  // namespace loopcalc::cli
