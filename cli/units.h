// SPDX-License-Identifier: MIT
// Values typed with a unit, under the command line's names. The reading
// itself lives in the core, where the design window shares it.
#pragma once

#include "quantities.h"

namespace loopcalc::cli {

using units::FormatFrequency;
using units::FrequencyUnits;
using units::InductanceUnits;
using units::LengthForBox;
using units::LengthText;
using units::LengthUnits;
using units::NumberBuffer;
using units::Quantity;
using units::ReadQuantity;
using units::ShortestText;
using units::Unit;
using units::UnitList;

}  // namespace loopcalc::cli
