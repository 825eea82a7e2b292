// SPDX-License-Identifier: MIT
// The reference models at the sizes they must answer quickly: printed NFC
// antennas up to 10 turns (under 100 µs each), 125 kHz wire coils, and the
// largest accepted coils (under 100 ms each).
#include "models/models.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopcalc::models;

void FlatRectangular(benchmark::State& state)
{
    const FlatRectangularCoil coil{0.05, 0.05, static_cast<double>(state.range(0)), 0.9e-3, 0.15e-3, 0.035e-3};
    for (auto _ : state) {
        benchmark::DoNotOptimize(FlatRectangularCoilModels(coil));
    }
}
BENCHMARK(FlatRectangular)->Arg(2)->Arg(5)->Arg(10)->Unit(benchmark::kMicrosecond);

void LargeFlatRectangular(benchmark::State& state, double side, double turns, double pitch)
{
    const FlatRectangularCoil coil{side, side, turns, 0.5 * pitch, 0.5 * pitch, 0.035e-3};
    for (auto _ : state) {
        benchmark::DoNotOptimize(FlatRectangularCoilModels(coil));
    }
}
BENCHMARK_CAPTURE(LargeFlatRectangular, exact, 0.5, 200.0, 0.4e-3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LargeFlatRectangular, max, 0.05, 9999.75, 2e-6)->Unit(benchmark::kMillisecond);

void Circular(benchmark::State& state, double turns, double wireRadius, Winding winding)
{
    const CircularCoil coil{0.05, turns, wireRadius, winding};
    for (auto _ : state) {
        benchmark::DoNotOptimize(CircularCoilModels(coil));
    }
}
BENCHMARK_CAPTURE(Circular, rfid_300_bundle, 300.5, 0.1e-3, Winding::bundle)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Circular, exact_bundle, 6999.5, 0.1e-3, Winding::bundle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Circular, max_bundle, 999999.5, 1e-5, Winding::bundle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Circular, exact_layer, 299999.5, 1e-7, Winding::layer)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Circular, max_layer, 999999.5, 1e-7, Winding::layer)->Unit(benchmark::kMillisecond);

void Rectangular(benchmark::State& state, double turns, Winding winding)
{
    const RectangularCoil coil{2.0, 2.0, turns, 1e-6, winding};
    for (auto _ : state) {
        benchmark::DoNotOptimize(RectangularCoilModels(coil));
    }
}
BENCHMARK_CAPTURE(Rectangular, exact_bundle, 2999.5, Winding::bundle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rectangular, max_bundle, 99999.5, Winding::bundle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rectangular, max_layer, 99999.5, Winding::layer)->Unit(benchmark::kMillisecond);

void Spiral(benchmark::State& state)
{
    const SpiralCoil coil{0.5, 0.01, static_cast<double>(state.range(0)) + 0.5};
    for (auto _ : state) {
        benchmark::DoNotOptimize(SpiralCoilModels(coil));
    }
}
BENCHMARK(Spiral)->Arg(12)->Arg(699)->Unit(benchmark::kMicrosecond);

}  // namespace
