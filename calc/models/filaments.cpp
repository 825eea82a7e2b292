// SPDX-License-Identifier: MIT
#include "filaments.h"

#include <cmath>
#include <numbers>

namespace loopcalc::models {

double CoaxialLoopMutual(double r1, double r2, double axial)
{
    // k'² = ((r1 − r2)² + d²) / ((r1 + r2)² + d²) is formed from the distances
    // themselves, not as 1 − k², so that it keeps its digits for loops far apart.
    const double sum = (r1 + r2) * (r1 + r2) + axial * axial;
    const double diff = (r1 - r2) * (r1 - r2) + axial * axial;
    if (!(diff > 0.0) || !(sum > 0.0)) {
        return 0.0;
    }
    const double k2 = 4.0 * r1 * r2 / sum;
    const double kp = std::sqrt(diff / sum);
    // AGM of 1 and k': K = π / (2 a∞) and K − E = K Σ 2^(n−1) c_n² with c0 = k.
    // The n = 0 term is exactly the −k K of Maxwell's formula, so
    // M = µ0 √(r1 r2) K (2/k) Σ_{n≥1} 2^(n−1) c_n², a sum of positive terms.
    double a = 0.5 * (1.0 + kp);
    double b = std::sqrt(kp);
    double c = k2 / (2.0 * (1.0 + kp));
    double weight = 1.0;
    double series = c * c;
    for (int i = 0; i < 64 && weight * c * c > 1e-18 * series; ++i) {
        const double next = 0.5 * (a + b);
        c = c * c / (4.0 * next);
        b = std::sqrt(a * b);
        a = next;
        weight *= 2.0;
        series += weight * c * c;
    }
    const double bigK = std::numbers::pi / (2.0 * a);
    return kMu0 * std::sqrt(r1 * r2) * bigK * (2.0 / std::sqrt(k2)) * series;
}

double RoundWireRingSelf(double r, double a)
{
    return kMu0 * r * (std::log(8.0 * r / a) - 1.75);
}

double StripRingSelf(double r, double w)
{
    return kMu0 * r * (std::log(8.0 * r / w) - 0.5);
}

double LnDistanceOverStripGmd(double u)
{
    if (u > 4.0) {
        // The series of ln(d/g) in (w/d)²; the exact form below loses digits to
        // cancellation here, and five terms are exact to 1e-10.
        const double v = 1.0 / (u * u);
        return v * (1.0 / 12 + v * (1.0 / 60 + v * (1.0 / 168 + v * (1.0 / 360 + v / 660))));
    }
    return std::log(u) - LnStripGmd(1.0, u);
}

double LnStripGmd(double w, double distance)
{
    const double u = distance / w;
    if (u > 4.0) {
        return std::log(distance) - LnDistanceOverStripGmd(u);
    }
    // (1/w²) ∫∫ ln|x − y| over two segments of width w: the second difference of
    // F(t) = t² ln|t| / 2 − 3t²/4, in units of w.
    const auto f = [](double t) { return t == 0.0 ? 0.0 : 0.5 * t * t * std::log(std::fabs(t)) - 0.75 * t * t; };
    return f(u + 1.0) - 2.0 * f(u) + f(u - 1.0) + std::log(w);
}

namespace {

// ∂²/∂x² ∂²/∂y² of this function is ln √(x² + y²); it is even in x and in y.
double SquareKernel(double x, double y)
{
    const double r2 = x * x + y * y;
    if (r2 == 0.0) {
        return 0.0;
    }
    double t =
        (-x * x * x * x + 6.0 * x * x * y * y - y * y * y * y) / 48.0 * std::log(r2) - 25.0 / 48.0 * x * x * y * y;
    if (x != 0.0) {
        t += x * x * x * y * std::atan(y / x) / 6.0;
    }
    if (y != 0.0) {
        t += x * y * y * y * std::atan(x / y) / 6.0;
    }
    return t;
}

}  // namespace

double LnSquaresGmd(int i, int j)
{
    // The second differences of the kernel across both squares, in units of s.
    constexpr double weight[3] = {1.0, -2.0, 1.0};
    double sum = 0.0;
    for (int a = -1; a <= 1; ++a) {
        for (int b = -1; b <= 1; ++b) {
            sum += weight[a + 1] * weight[b + 1] * SquareKernel(i + a, j + b);
        }
    }
    return sum;
}

namespace {

// ∫∫ ds ds' / √((s − s')² + d²) is the second difference of this function.
double Phi(double s, double d)
{
    return s * std::asinh(s / d) - std::hypot(s, d);
}

}  // namespace

double ParallelMutual(double a1, double b1, double a2, double b2, double d)
{
    const double sum = Phi(b2 - a1, d) - Phi(b2 - b1, d) - Phi(a2 - a1, d) + Phi(a2 - b1, d);
    return kMu0 / (4.0 * std::numbers::pi) * sum;
}

double CentredParallelMutual(double l1, double l2, double d)
{
    // Phi is even, so the four terms of ParallelMutual pair up.
    return kMu0 / (2.0 * std::numbers::pi) * (Phi(0.5 * (l1 + l2), d) - Phi(0.5 * (l1 - l2), d));
}

double RoundWireSelf(double l, double a)
{
    return CentredParallelMutual(l, l, RoundWireGmd(a));
}

double BarSelf(double l, double w, double t)
{
    const double wt = w + t;
    return kMu0 * l / (2.0 * std::numbers::pi) * (std::log(2.0 * l / wt) + 0.50049 + wt / (3.0 * l));
}

double RectangularTurnSelf(double w, double h, double gmd)
{
    return 2.0 * (CentredParallelMutual(w, w, gmd) + CentredParallelMutual(h, h, gmd)) -
           2.0 * (CentredParallelMutual(w, w, h) + CentredParallelMutual(h, h, w));
}

double RectangularTurnsMutual(double w1, double h1, double w2, double h2, double axial)
{
    const double sameY = std::hypot(0.5 * (h1 - h2), axial);
    const double oppositeY = std::hypot(0.5 * (h1 + h2), axial);
    const double sameX = std::hypot(0.5 * (w1 - w2), axial);
    const double oppositeX = std::hypot(0.5 * (w1 + w2), axial);
    return 2.0 * (CentredParallelMutual(w1, w2, sameY) - CentredParallelMutual(w1, w2, oppositeY)) +
           2.0 * (CentredParallelMutual(h1, h2, sameX) - CentredParallelMutual(h1, h2, oppositeX));
}

double RectangleGmd(double b, double c)
{
    return 0.2235 * (b + c);
}

double RoundWireGmd(double a)
{
    return a * std::exp(-0.25);
}

}  // namespace loopcalc::models
