// SPDX-License-Identifier: MIT
// The models of each page's coil, read from the page's boxes.
#include "designstudy.h"

namespace loopcalc::design {

std::vector<ModelLine> PageModels(const Shape& /*shape*/, const FormPort& /*page*/, const ModelInputs& /*inputs*/,
                                  double /*turns*/)
{
    return {};
}

std::string ReferenceMethod(const Shape& shape)
{
    return shape.name == "flat-rectangular" ? "partial-inductance" : "filament";
}

}  // namespace loopcalc::design
