// SPDX-License-Identifier: MIT
// The minimum-size rule the windows apply when their size changes.
#pragma once

namespace loopcalc::shell {

/// An outer window size (caption and frame included), in twips.
struct OuterSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const OuterSize&, const OuterSize&) = default;
};

/// The height is raised to the minimum first, then the width; each test is
/// strict (a size equal to the minimum stays) and stands by itself.
/// Applying the rule to its own result changes nothing.
[[nodiscard]] constexpr OuterSize ApplyMinimumSize(OuterSize size, OuterSize minimum)
{
    if (size.height < minimum.height) {
        size.height = minimum.height;
    }
    if (size.width < minimum.width) {
        size.width = minimum.width;
    }
    return size;
}

}  // namespace loopcalc::shell
