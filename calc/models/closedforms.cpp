// SPDX-License-Identifier: MIT
#include "closedforms.h"

#include "filaments.h"

#include <cmath>
#include <numbers>

namespace loopcalc::models {

namespace {
constexpr double kInch = 0.0254;
constexpr double kMicro = 1e-6;
}  // namespace

double MaxwellThinCoil(double turns, double radius, double gmd)
{
    return kMu0 * turns * turns * radius * (std::log(8.0 * radius / gmd) - 2.0);
}

double GroverRectangle(double turns, double w, double h, double gmd)
{
    const double bracket = w * std::log(2.0 * w / gmd) + h * std::log(2.0 * h / gmd) + 2.0 * std::hypot(w, h) -
                           w * std::asinh(w / h) - h * std::asinh(h / w) - 2.0 * (w + h);
    return kMu0 / std::numbers::pi * turns * turns * bracket;
}

double WheelerSingleLayer(double turns, double radius, double length)
{
    const double r = radius / kInch;
    const double l = length / kInch;
    return r * r * turns * turns / (9.0 * r + 10.0 * l) * kMicro;
}

double WheelerMultilayer(double turns, double radius, double length, double depth)
{
    const double r = radius / kInch;
    const double l = length / kInch;
    const double c = depth / kInch;
    return 0.8 * r * r * turns * turns / (6.0 * r + 9.0 * l + 10.0 * c) * kMicro;
}

double WheelerFlatSpiral(double turns, double meanRadius, double depth)
{
    const double r = meanRadius / kInch;
    const double c = depth / kInch;
    return r * r * turns * turns / (8.0 * r + 11.0 * c) * kMicro;
}

double MohanCurrentSheet(Outline outline, double turns, double dOut, double dIn)
{
    struct Coefficients {
        double c1, c2, c3, c4;
    };
    const Coefficients c =
        outline == Outline::square ? Coefficients{1.27, 2.07, 0.18, 0.13} : Coefficients{1.00, 2.46, 0.00, 0.20};
    const double avg = 0.5 * (dOut + dIn);
    const double rho = (dOut - dIn) / (dOut + dIn);
    return kMu0 * turns * turns * avg * c.c1 / 2.0 * (std::log(c.c2 / rho) + c.c3 * rho + c.c4 * rho * rho);
}

double MohanModifiedWheelerSquare(double turns, double dOut, double dIn)
{
    const double avg = 0.5 * (dOut + dIn);
    const double rho = (dOut - dIn) / (dOut + dIn);
    return 2.34 * kMu0 * turns * turns * avg / (1.0 + 2.75 * rho);
}

}  // namespace loopcalc::models
