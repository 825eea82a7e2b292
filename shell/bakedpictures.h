// SPDX-License-Identifier: MIT
// The main window's drawings made when the program is built: each framed,
// stretched picture of the pages at the size its box has at 96 dpi, at
// scales 1 and 2, exactly as its box would draw it from its source, white
// paper included; and the logo below the pages as the window's first paint
// shows it, on the frame beneath it. Showing one is a copy of pixels, where
// drawing from the source parses it, lays out its text and fills its shapes.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <utility>
#include <vector>

class QWidget;

namespace loopcalc::shell {

/// What a drawing was made for: its resource and its box's size in logical
/// pixels and scale. A framed drawing is its own white paper and the same
/// anywhere; an unframed one (the logo) lies on what is drawn beneath it, and
/// where it lies in its window changes how its edges round at scale 2, so
/// its key also holds its place in the window (logical pixels) and what it
/// lies on (Backdrop).
struct BakedPictureKey {
    QString resource;
    QSize box;
    int scale = 1;
    QPoint place;
    QString backdrop;

    friend bool operator==(const BakedPictureKey&, const BakedPictureKey&) = default;
};

/// The drawing made ahead of time for key, under the box's border, with the
/// key's scale as its device pixel ratio, or a null image when none was
/// made for it.
[[nodiscard]] QImage BakedPicture(const BakedPictureKey& key);

/// What an unframed box lying in widget's place is drawn on, as far as the
/// window's own drawing goes: the style (beneath any proxy) and the colour of
/// the window's background.
[[nodiscard]] QString Backdrop(const QWidget& widget);

/// The compiled-in file holding pictures (the build step writes it).
[[nodiscard]] QByteArray BakedPicturesFile(const std::vector<std::pair<BakedPictureKey, QImage>>& pictures);

}  // namespace loopcalc::shell
