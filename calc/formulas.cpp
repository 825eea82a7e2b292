// SPDX-License-Identifier: MIT
#include "formulas.h"

#include <cmath>

namespace loopcalc {

namespace {
constexpr double kMu0 = 1.256e-08;  // H/cm, this rounded value rather than 4π·10⁻⁹
constexpr double kPi = 3.142;
}  // namespace

double CircularCoilInductance(double turns, double radius, double wireRadius)
{
    const double lt = std::log(8.0 * radius / wireRadius) - 2.0;
    const double k = std::pow(turns, 1.9) * kMu0;
    return (k * radius) * lt;
}

double RectLoopInductance(double turns, double width, double height, double wireRadius)
{
    const double w = width;
    const double h = height;
    const double a = wireRadius;
    const double k = (turns * turns) * (kMu0 / kPi);
    const double p = 2.0 * (w + h);
    const double s = 2.0 * std::sqrt(h * h + w * w);
    const double t1 = h * std::log((h + std::sqrt(h * h + w * w)) / w);
    const double t2 = w * std::log((w + std::sqrt(h * h + w * w)) / h);
    const double t3 = h * std::log((2.0 * h) / a);
    const double t4 = w * std::log((2.0 * w) / a);
    return (-p + s - t1 - t2 + t3 + t4) * k;
}

double SpiralCoilInductance(double turns, double meanRadius, double depth)
{
    const double a = meanRadius;
    const double b = depth;
    return ((turns * turns) * (a * a) * 0.397) / ((8.0 * a) + (11.0 * b));
}

}  // namespace loopcalc
