// SPDX-License-Identifier: MIT
// How far the classic formulas and the published closed forms lie from the
// numeric references, over the ranges these coils are built in: printed NFC
// antennas, 125 kHz wire coils and flat spirals. For each row it prints, as a
// Markdown table, the number of coils and the median, 90th percentile, least
// and greatest of (formula − reference) / reference in per cent; then the
// references against measured coils.
//   loopcalc-accuracy
#include "display.h"
#include "formulas.h"
#include "models/models.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace loopcalc;
using namespace loopcalc::models;

constexpr double kMillimetre = 1e-3;
constexpr double kCentimetresPerMillimetre = 0.1;  // the classic formulas take centimetres

/// The differences from the reference of one formula over one range.
struct Row {
    std::string coil;
    std::string range;
    std::vector<double> percents;
};

/// The rows in the order they were first named.
class Table {
public:
    void add(const std::string& coil, const std::string& range, double henries, const ModelResult& reference)
    {
        if (const auto percent = PercentFromReference(henries, reference)) {
            row(coil, range).percents.push_back(*percent);
        }
    }

    /// Every closed form of a list (the lines after the reference) into its row.
    void addClosedForms(const std::vector<ModelResult>& lines, const std::string& coil, const std::string& range)
    {
        for (std::size_t i = 1; i < lines.size(); ++i) {
            if (lines[i].henries) {
                add(coil + ": " + lines[i].name, range, *lines[i].henries, lines.front());
            }
        }
    }

    void print(const char* title) const
    {
        std::printf("%s\n\n", title);
        std::printf("| coil | range | coils | median | 90th percentile | least | greatest |\n");
        std::printf("|---|---|---:|---:|---:|---:|---:|\n");
        for (const Row& r : rows_) {
            std::vector<double> d = r.percents;
            if (d.empty()) {
                continue;
            }
            std::sort(d.begin(), d.end());
            std::printf("| %s | %s | %zu | %+.1f %% | %+.1f %% | %+.1f %% | %+.1f %% |\n", r.coil.c_str(),
                        r.range.c_str(), d.size(), quantile(d, 0.5), quantile(d, 0.9), d.front(), d.back());
        }
        std::printf("\n");
    }

private:
    /// Linear between the order statistics (the usual sample quantile).
    static double quantile(const std::vector<double>& sorted, double p)
    {
        const double position = p * static_cast<double>(sorted.size() - 1);
        const auto below = static_cast<std::size_t>(position);
        const std::size_t above = std::min(below + 1, sorted.size() - 1);
        return sorted[below] + (position - static_cast<double>(below)) * (sorted[above] - sorted[below]);
    }

    Row& row(const std::string& coil, const std::string& range)
    {
        for (Row& r : rows_) {
            if (r.coil == coil && r.range == range) {
                return r;
            }
        }
        rows_.push_back(Row{coil, range, {}});
        return rows_.back();
    }

    std::vector<Row> rows_;
};

double Cm(double millimetres)
{
    return millimetres * kCentimetresPerMillimetre;
}

// Printed NFC antennas: outlines of 20 to 80 mm (squares and oblongs), 2 to 8
// turns, traces of 0.3 to 1.5 mm, gaps of 0.15 to 0.5 mm, 35 µm copper.
void FlatRectangular(Table& classic, Table& closed)
{
    const std::string range = "20–80 mm, 2–8 turns";
    for (double width = 20; width <= 80; width += 10) {
        for (double height = 20; height <= 80; height += 10) {
            for (int turns = 2; turns <= 8; ++turns) {
                for (const double trace : {0.3, 0.5, 0.9, 1.5}) {
                    for (const double gap : {0.15, 0.3, 0.5}) {
                        const FlatRectangularCoil coil{width * kMillimetre, height * kMillimetre,
                                                       static_cast<double>(turns), trace * kMillimetre,
                                                       gap * kMillimetre};
                        const auto lines = FlatRectangularCoilModels(coil);
                        classic.add("flat rectangular (printed NFC antenna)", range,
                                    RectLoopInductance(turns, Cm(width), Cm(height), Cm(trace)), lines.front());
                        closed.addClosedForms(lines, "flat rectangular", range);
                    }
                }
            }
        }
    }
}

// Rectangular wire coils of 20 to 80 mm, the height a half to the whole of the
// width, wire radius 0.05 to 0.2 mm, wound as a bundle.
void Rectangular(Table& classic, Table& closed)
{
    struct Range {
        const char* name;
        std::vector<int> turns;
    };
    std::vector<int> many;
    for (int n = 50; n <= 300; n += 25) {
        many.push_back(n);
    }
    for (const Range& range :
         {Range{"1 turn", {1}}, Range{"2 turns", {2}}, Range{"8 turns", {8}}, Range{"50–300 turns", many}}) {
        for (const int turns : range.turns) {
            for (double width = 20; width <= 80; width += 10) {
                for (const double aspect : {0.5, 0.75, 1.0}) {
                    for (const double wire : {0.05, 0.1, 0.2}) {
                        const double height = aspect * width;
                        const RectangularCoil coil{width * kMillimetre, height * kMillimetre,
                                                   static_cast<double>(turns), wire * kMillimetre};
                        const auto lines = RectangularCoilModels(coil);
                        classic.add("rectangular wire coil", range.name,
                                    RectLoopInductance(turns, Cm(width), Cm(height), Cm(wire)), lines.front());
                        closed.addClosedForms(lines, "rectangular wire coil", range.name);
                    }
                }
            }
        }
    }
}

// Circular wire coils: 125 kHz coils of 50 to 300 turns on radii of 5 to
// 30 mm, wire radius 0.05 to 0.2 mm, wound as a bundle; and coils of 1 to 300
// turns whose winding is thin (its cross-section at most a tenth of the radius).
void Circular(Table& classic, Table& closed)
{
    for (double radius = 5; radius <= 30; radius += 2.5) {
        for (int turns = 50; turns <= 300; turns += 25) {
            for (const double wire : {0.05, 0.1, 0.2}) {
                const CircularCoil coil{radius * kMillimetre, static_cast<double>(turns), wire * kMillimetre};
                const auto lines = CircularCoilModels(coil);
                classic.add("circular wire coil (125 kHz)", "50–300 turns",
                            CircularCoilInductance(turns, Cm(radius), Cm(wire)), lines.front());
                closed.addClosedForms(lines, "circular wire coil", "50–300 turns");
            }
        }
    }
    for (double radius = 5; radius <= 50; radius += 5) {
        for (const int turns : {1, 2, 3, 4, 6, 9, 12, 16, 25, 36, 50, 100, 200, 300}) {
            for (const double wire : {0.05, 0.1, 0.2}) {
                const double side = std::ceil(std::sqrt(turns)) * 2.0 * wire;
                if (side > 0.1 * radius) {
                    continue;
                }
                const CircularCoil coil{radius * kMillimetre, static_cast<double>(turns), wire * kMillimetre};
                classic.add("circular wire coil, thin winding (side ≤ 0.1 R)", "1–300 turns",
                            CircularCoilInductance(turns, Cm(radius), Cm(wire)), CircularCoilReference(coil));
            }
        }
    }
}

// Flat spirals of 20 mm outer radius, the winding a tenth to nine tenths of
// it deep, 5 to 60 turns: closely wound (the wire's diameter is the pitch)
// and sparse (half the pitch). The classic formula and the reference both
// scale with the size, so their difference depends on the proportions alone.
void Spiral(Table& classic, Table& closed)
{
    const double outer = 20;
    for (int tenths = 1; tenths <= 9; ++tenths) {
        const double inner = outer * (1.0 - 0.1 * tenths);
        for (int turns = 5; turns <= 60; turns += 5) {
            const double pitch = (outer - inner) / turns;
            const double microhenries = SpiralCoilInductance(turns, Cm(outer + inner) / 2.0, Cm(outer - inner));
            for (const auto& [range, wire] :
                 {std::pair{"closely wound", 0.5 * pitch}, std::pair{"sparse", 0.25 * pitch}}) {
                const SpiralCoil coil{outer * kMillimetre, inner * kMillimetre, static_cast<double>(turns),
                                      wire * kMillimetre};
                const auto lines = SpiralCoilModels(coil);
                classic.add("flat spiral (Wheeler, with a²)", range, microhenries * 1e-6, lines.front());
                closed.addClosedForms(lines, "flat spiral", range);
            }
        }
    }
}

// Coils whose inductance was measured, against the reference.
void Measured()
{
    struct Coil {
        const char* what;
        FlatRectangularCoil coil;
        double measured;
    };
    std::printf("The references against measured coils:\n\n");
    std::printf("| coil | measured | reference | difference | classic formula, as the page shows it |\n");
    std::printf("|---|---:|---:|---:|---:|\n");
    for (const Coil& c : {Coil{"printed square 39.1 × 39.1 mm, 9 turns, trace 0.9 mm, gap 0.15 mm, copper 30 µm",
                               {39.1e-3, 39.1e-3, 9, 0.9e-3, 0.15e-3, 0.03e-3},
                               3.915e-6}}) {
        const ModelResult reference = FlatRectangularCoilReference(c.coil);
        if (!reference.henries) {
            continue;
        }
        const double classic =
            RectLoopInductance(c.coil.turns, c.coil.width * 100.0, c.coil.height * 100.0, c.coil.trace * 100.0);
        std::printf("| %s | %.3f µH | %.3f µH | %+.1f %% | %s |\n", c.what, c.measured * 1e6, *reference.henries * 1e6,
                    (*reference.henries - c.measured) / c.measured * 100.0, FormatInductance(classic).text.c_str());
    }
    std::printf("\n");
}

}  // namespace

int main()
{
    Table classic;
    Table closed;
    FlatRectangular(classic, closed);
    Rectangular(classic, closed);
    Circular(classic, closed);
    Spiral(classic, closed);
    classic.print("The classic formulas against the references, (formula − reference) / reference:");
    closed.print("The published closed forms against the references:");
    Measured();
    return 0;
}
