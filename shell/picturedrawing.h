// SPDX-License-Identifier: MIT
// How a stretched picture box draws its picture, shared by the box and by
// the build step that draws the main window's pictures ahead of time.
#pragma once

#include <QRect>

class QPainter;

namespace loopcalc::shell {

class VectorPicture;

/// Draws what a stretched picture box shows beneath its border, on a
/// painter already set to smooth edges: a framed box is white paper with
/// the picture stretched over all but its outermost pixel, an unframed one
/// has the picture stretched over the whole box, on what lies beneath.
void DrawStretchedPicture(QPainter& painter, VectorPicture& picture, QRect box, bool framed);

}  // namespace loopcalc::shell
