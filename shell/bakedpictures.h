// SPDX-License-Identifier: MIT
// The main window's drawings made when the program is built: each framed,
// stretched picture of the pages at the size its box has at 96 dpi, at
// scales 1 and 2, exactly as its box would draw it from its source, white
// paper included. Showing one is a copy of pixels, where drawing from the
// source parses it, lays out its text and fills its shapes. (The logo is
// not among them: it lies on the frame the style draws, and its text comes
// out a shade different depending on what the window drew before it.)
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <utility>
#include <vector>

namespace loopcalc::shell {

/// What a drawing was made for: its resource and its framed box's size in
/// logical pixels and scale.
struct BakedPictureKey {
    QString resource;
    QSize box;
    int scale = 1;

    friend bool operator==(const BakedPictureKey&, const BakedPictureKey&) = default;
};

/// The drawing made ahead of time for key, under the box's border, with the
/// key's scale as its device pixel ratio, or a null image when none was
/// made for it.
[[nodiscard]] QImage BakedPicture(const BakedPictureKey& key);

/// The compiled-in file holding pictures (the build step writes it).
[[nodiscard]] QByteArray BakedPicturesFile(const std::vector<std::pair<BakedPictureKey, QImage>>& pictures);

}  // namespace loopcalc::shell
