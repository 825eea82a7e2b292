// SPDX-License-Identifier: MIT
// Numeric reference models beside the classic formulas: for each coil shape
// an independent reference inductance and the published closed forms, each
// either a value in henries or the reason why it does not apply.
//
// Units: lengths in metres, inductances in henries, low frequency (uniform
// current in every conductor, no skin or proximity effect, no feed lines, no
// nearby metal, no self-resonance).
//
// Geometry conventions
// - Flat rectangular (printed): width and height run centre trace to centre
//   trace of the outermost turn; the trace size is the trace width; the gap is
//   the edge-to-edge spacing of neighbouring turns (default: the trace width);
//   the copper is 0.035 mm thick unless given. The conductor is an inward
//   rectangular spiral of round(4N) straight segments. It starts at a corner,
//   runs along the width, then the height, and each side after the first two
//   is shorter by one pitch (trace + gap) than the side two before it. The
//   feed line and the crossover are left out. Reference: the partial-inductance
//   method (Greenhouse 1974): the partial self-inductance of every segment as
//   a rectangular bar plus the signed mutual inductance of every pair of
//   parallel segments at the geometric mean distance of two coplanar strips;
//   perpendicular segments do not couple.
// - Flat spiral: the outer and inner radius bound the winding. N turns lie at
//   the pitch (outer − inner)/N; turn k is a ring of radius
//   inner + (k + ½)·pitch. The conductor is a round wire (wire radius, default
//   half the pitch: closely wound) or a printed strip of width `trace`.
//   Reference: the rings' self-inductances plus Maxwell's exact mutual
//   inductances of coaxial circular filaments; for strips the mutuals are
//   corrected to the strips' geometric mean distance.
// - Circular wire coil: the radius is the winding's mean radius. Winding
//   `bundle` (default): turns at the pitch 2a in a square-packed cross-section
//   of ⌈√N⌉ turns along the axis per layer, layers outward, the layers centred
//   on the radius, a partly filled last (outermost) layer starting at the same
//   end as the others. `layer`: one layer at the pitch 2a. Reference: the sum
//   of the round-wire rings' self-inductances and Maxwell's mutual inductance
//   of every pair of turns.
// - Rectangular wire coil: the same two windings around the width × height
//   centre line, each turn a closed rectangle (layers outward grow each side
//   by 2·2a). Reference: partial self-inductances of straight round wires plus
//   the mutual inductances of parallel sides (Grover; Ruehli 1972).
// - Fractional turns: a linear interpolation between the whole numbers of
//   turns around N at the same outline (below 1 turn, between 0 and 1). The
//   flat rectangular spiral takes round(4N) segments instead, so it follows
//   quarter turns.
//
// Inputs that no model takes: a value that is not finite, a length that is
// not positive or lies outside 1 nm to 1 km, turns not above 0 or above the
// shape's limit (kMaxTurns...). Then every model of the list carries the same
// reason. The models never throw on numbers, never loop without end, and
// answer every accepted input within 100 ms: above the sizes kExact... the
// turn-by-turn sum gives way to a published method, and the reference's note
// says so. A circular layer: Nagaoka's current sheet less Rosa's round-wire
// corrections (within 10⁻⁶ of the sum at the switch-over). A bundle: its
// cross-section as a uniform current in 16 × 16 blocks at their geometric
// mean distances (Maxwell, Lyle) plus Rosa's correction for square-packed
// round wire (within 0.05 % of the sum, 0.25 % when the inner turns almost
// reach the axis). The flat rectangular coil: its turns as concentric
// rectangles in 128 strips across the band of turns, with the correction from
// the strips to the traces (within 0.2 % of the sum). The flat spiral: the
// current sheet (Mohan 1999).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopcalc::models {

enum class Winding { bundle, layer };

/// The largest number of turns each shape accepts.
inline constexpr double kMaxTurnsCircular = 1e6;
inline constexpr double kMaxTurnsRectangular = 1e5;
inline constexpr double kMaxTurnsSpiral = 1e5;
inline constexpr double kMaxTurnsFlatRectangular = 1e4;

/// Above these numbers of turns the reference is a published method, not a
/// sum over turns (segments for the flat rectangular coil).
inline constexpr long long kExactTurnsCircularBundle = 7000;
inline constexpr long long kExactTurnsCircularLayer = 300000;
inline constexpr long long kExactTurnsRectangularBundle = 3000;
inline constexpr long long kExactTurnsRectangularLayer = 100000;
inline constexpr long long kExactTurnsSpiral = 700;
inline constexpr long long kExactTurnsFlatRectangular = 200;

struct CircularCoil {
    double radius = 0;  ///< mean winding radius
    double turns = 0;
    double wireRadius = 0;  ///< a: the pitch is 2a
    Winding winding = Winding::bundle;
};

struct RectangularCoil {
    double width = 0;  ///< centre line of the winding
    double height = 0;
    double turns = 0;
    double wireRadius = 0;
    Winding winding = Winding::bundle;
};

struct SpiralCoil {
    double outerRadius = 0;
    double innerRadius = 0;
    double turns = 0;
    std::optional<double> wireRadius = std::nullopt;  ///< round wire; default half the pitch
    std::optional<double> trace = std::nullopt;       ///< printed strip width instead of a wire
};

struct FlatRectangularCoil {
    double width = 0;  ///< centre to centre of the outermost turn
    double height = 0;
    double turns = 0;
    double trace = 0;                          ///< trace width
    std::optional<double> gap = std::nullopt;  ///< edge to edge; default the trace width
    double thickness = 0.035e-3;               ///< copper thickness
};

/// One line of a table of models.
struct ModelResult {
    std::string_view id;  ///< stable key for columns: "reference", "maxwell-gmd", ...
    std::string name;     ///< "reference", then the closed form's name, e.g. "Wheeler 1928"
    std::optional<double> henries;
    std::string reason;  ///< why there is no value (empty when there is one)
    std::string note;    ///< how the value was obtained, in a few words
};

/// The models of each shape: always the same list in the same order, the
/// reference first. A model that does not apply has no value and a reason.
[[nodiscard]] std::vector<ModelResult> CircularCoilModels(const CircularCoil& coil);
[[nodiscard]] std::vector<ModelResult> RectangularCoilModels(const RectangularCoil& coil);
[[nodiscard]] std::vector<ModelResult> SpiralCoilModels(const SpiralCoil& coil);
[[nodiscard]] std::vector<ModelResult> FlatRectangularCoilModels(const FlatRectangularCoil& coil);

/// The ids of each shape's list, in order (column headings for a batch).
[[nodiscard]] std::vector<std::string_view> CircularCoilModelIds();
[[nodiscard]] std::vector<std::string_view> RectangularCoilModelIds();
[[nodiscard]] std::vector<std::string_view> SpiralCoilModelIds();
[[nodiscard]] std::vector<std::string_view> FlatRectangularCoilModelIds();

/// The reference alone, the first line of the list above.
[[nodiscard]] ModelResult CircularCoilReference(const CircularCoil& coil);
[[nodiscard]] ModelResult RectangularCoilReference(const RectangularCoil& coil);
[[nodiscard]] ModelResult SpiralCoilReference(const SpiralCoil& coil);
[[nodiscard]] ModelResult FlatRectangularCoilReference(const FlatRectangularCoil& coil);

/// (value − reference) / reference in per cent, or nothing when either has no
/// value or the reference is not positive.
[[nodiscard]] std::optional<double> PercentFromReference(double henries, const ModelResult& reference);

}  // namespace loopcalc::models
