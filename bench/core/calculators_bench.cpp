// SPDX-License-Identifier: MIT
// One press of each Calculate button with the page's initial texts, with the
// log off and on, and the display rule alone.
#include "display.h"
#include "nullport.h"
#include "shapes.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

using namespace loopcalc;

void Press(benchmark::State& state, std::string_view shapeName, bool logOn)
{
    const Shape* shape = FindShape(shapeName);
    if (shape == nullptr) {
        state.SkipWithError("unknown shape");
        return;
    }
    bench::NullPort port(*shape, logOn);
    for (auto _ : state) {
        Outcome outcome = shape->calculate(port);
        benchmark::DoNotOptimize(outcome);
    }
    // The initial texts must give a result, or the figure times a refusal.
    if (port.beeps() != static_cast<int>(state.iterations())) {
        state.SkipWithError("the initial texts did not give a result");
    }
}

BENCHMARK_CAPTURE(Press, circular, "circular", false);
BENCHMARK_CAPTURE(Press, rectangular, "rectangular", false);
BENCHMARK_CAPTURE(Press, spiral, "spiral", false);
BENCHMARK_CAPTURE(Press, flat_rectangular, "flat-rectangular", false);
BENCHMARK_CAPTURE(Press, circular_logged, "circular", true);
BENCHMARK_CAPTURE(Press, flat_rectangular_logged, "flat-rectangular", true);

// Values of every unit, the cut and the out-of-range message in turn.
void Format(benchmark::State& state)
{
    static constexpr double kValues[] = {
        5.78422814748373E-06, 1.23456789012345E-03, 1.01534456097105E-04,  2.2354630300764E-07,
        2.69162022615945E-09, 1.21730752727319E-02, -2.07625822379243E-09, 0.005};
    size_t i = 0;
    for (auto _ : state) {
        Display display = FormatInductance(kValues[i]);
        benchmark::DoNotOptimize(display);
        i = (i + 1) % std::size(kValues);
    }
}
BENCHMARK(Format);

void FormatSpiral(benchmark::State& state)
{
    static constexpr double kValues[] = {5.86577198697068, 0.366610749185668, 496.25, 4.07345276872964E-06};
    size_t i = 0;
    for (auto _ : state) {
        Display display = FormatSpiralInductance(kValues[i]);
        benchmark::DoNotOptimize(display);
        i = (i + 1) % std::size(kValues);
    }
}
BENCHMARK(FormatSpiral);

}  // namespace
