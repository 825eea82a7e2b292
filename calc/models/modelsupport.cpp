// SPDX-License-Identifier: MIT
#include "modelsupport.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace loopcalc::models::detail {

namespace {
constexpr double kShortestLength = 1e-9;
constexpr double kLongestLength = 1e3;
}  // namespace

Value Refused(std::string reason)
{
    return Value{std::nullopt, std::move(reason), {}};
}

std::optional<std::string> CheckLength(std::string_view name, double metres)
{
    const std::string what(name);
    if (!std::isfinite(metres)) {
        return "the " + what + " is not a finite number";
    }
    if (!(metres > 0.0)) {
        return "the " + what + " must be greater than 0";
    }
    if (metres < kShortestLength || metres > kLongestLength) {
        return "the " + what + " lies outside 1 nm to 1 km";
    }
    return std::nullopt;
}

std::optional<std::string> CheckTurns(double turns, double maximum)
{
    if (!std::isfinite(turns)) {
        return "the number of turns is not a finite number";
    }
    if (!(turns > 0.0)) {
        return "the number of turns must be greater than 0";
    }
    if (turns > maximum) {
        return "more than " + Count(maximum) + " turns are beyond the models";
    }
    return std::nullopt;
}

std::string Millimetres(double metres)
{
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, metres * 1e3, std::chars_format::general, 3);
    return std::string(buffer, result.ptr) + " mm";
}

std::string Count(double value)
{
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 12);
    return std::string(buffer, result.ptr);
}

std::string Counted(double value, std::string_view one, std::string_view many)
{
    return Count(value).append(" ").append(value == 1.0 ? one : many);
}

Value Interpolated(double turns, const std::function<Value(long long)>& whole)
{
    const double below = std::floor(turns);
    const auto lower = static_cast<long long>(below);
    if (below == turns) {
        return whole(lower);
    }
    Value upper = whole(lower + 1);
    if (!upper.henries) {
        return upper;
    }
    Value low = lower == 0 ? Value{0.0, {}, {}} : whole(lower);
    if (!low.henries) {
        return low;
    }
    const double f = turns - below;
    Value out;
    out.henries = *low.henries + f * (*upper.henries - *low.henries);
    out.note = "interpolated between " + Count(below) + " and " + Count(below + 1) + " turns";
    if (!upper.note.empty()) {
        out.note += "; " + upper.note;
    }
    return out;
}

ModelResult Line(std::string_view id, std::string name, Value value)
{
    return ModelResult{id, std::move(name), value.henries, std::move(value.reason), std::move(value.note)};
}

ModelResult Reference(double turns, const std::optional<std::string>& refused,
                      const std::function<Value(long long)>& whole)
{
    return Line("reference", "reference", refused ? Refused(*refused) : Interpolated(turns, whole));
}

std::vector<std::string_view> Ids(const Names& names)
{
    std::vector<std::string_view> ids;
    ids.reserve(names.size());
    for (const auto& entry : names) {
        ids.push_back(entry.first);
    }
    return ids;
}

std::vector<ModelResult> AllRefused(const Names& models, const std::string& reason)
{
    std::vector<ModelResult> lines;
    lines.reserve(models.size());
    for (const auto& [id, name] : models) {
        lines.push_back(ModelResult{id, name, std::nullopt, reason, {}});
    }
    return lines;
}

}  // namespace loopcalc::models::detail
