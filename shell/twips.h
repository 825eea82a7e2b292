// SPDX-License-Identifier: MIT
// Window geometry is designed in twips (1/1440 inch); widgets want pixels.
#pragma once

#include <QRect>
#include <QSize>

#include <cmath>

namespace loopcalc::shell {

/// Pixels for a length in twips at a logical resolution: 96 dpi gives
/// 15 twips a pixel. On a high-resolution screen Qt scales logical pixels,
/// so the window keeps its proportions.
[[nodiscard]] inline int TwipsToPixels(int twips, double logicalDpi = 96.0)
{
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

/// Pixels for twips, rounded up, so that a window grown to a size in twips
/// reaches it: the size converted back is not below it.
[[nodiscard]] inline int TwipsToPixelsAtLeast(int twips, double logicalDpi = 96.0)
{
    return static_cast<int>(std::ceil(twips * logicalDpi / 1440.0 - 1e-9));
}

[[nodiscard]] inline int PixelsToTwips(int pixels, double logicalDpi = 96.0)
{
    return static_cast<int>(std::lround(pixels * 1440.0 / logicalDpi));
}

/// A rectangle given as Left, Top, Width, Height in twips.
[[nodiscard]] inline QRect TwipsRect(int left, int top, int width, int height, double logicalDpi = 96.0)
{
    return {TwipsToPixels(left, logicalDpi), TwipsToPixels(top, logicalDpi), TwipsToPixels(width, logicalDpi),
            TwipsToPixels(height, logicalDpi)};
}

[[nodiscard]] inline QSize TwipsSize(int width, int height, double logicalDpi = 96.0)
{
    return {TwipsToPixels(width, logicalDpi), TwipsToPixels(height, logicalDpi)};
}

}  // namespace loopcalc::shell
