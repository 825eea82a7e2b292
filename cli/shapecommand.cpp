// SPDX-License-Identifier: MIT
// A calculation: "circular --radius 10 --turns 5".
#include "coildesign.h"
#include "commands.h"
#include "exitcodes.h"
#include "helptext.h"
#include "modeloptions.h"
#include "shapeoptions.h"

#include <ostream>

namespace loopcalc::cli {

int RunShapeCommand(const Shape& shape, std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    ShapeInput input;
    if (const auto exit = ReadShapeOptions(
            shape, OptionsFor::Calculation, args, Synopsis(shape),
            [&shape](std::ostream& help) { PrintShapeHelp(help, shape); }, input, out, err)) {
        return *exit;
    }

    const Outcome outcome = input.port.calculate();
    if (outcome.kind == Outcome::Kind::Refused) {
        err << outcome.text << '\n';
        return kExitRefused;
    }
    if (outcome.kind == Outcome::Kind::OutOfRange) {
        err << outcome.text << '\n';
    } else {
        out << outcome.text << '\n';
        if (input.design.hertz > 0.0) {
            PrintCapacitance(out, outcome.henries, input.design.hertz);
        }
    }
    if (input.design.warnings) {
        PrintWarnings(err, CalculationWarnings(input.port, outcome.henries));
    }
    return outcome.kind == Outcome::Kind::Result ? kExitOk : kExitOutOfRange;
}

}  // namespace loopcalc::cli
