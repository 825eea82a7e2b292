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
    ShapeOptions options(shape, OptionsFor::Calculation);
    if (const std::string problem = options.read(args); !problem.empty()) {
        return UsageError(err, problem, Synopsis(shape));
    }
    if (options.wantsHelp()) {
        PrintShapeHelp(out, shape);
        return kExitOk;
    }
    ShapeInput input;
    if (const std::string problem = options.apply(input); !problem.empty()) {
        return UsageError(err, problem, Synopsis(shape));
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
