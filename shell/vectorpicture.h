// SPDX-License-Identifier: MIT
// Vector pictures, drawn by Qt's SVG library through a small module that is
// loaded when the first picture is read: the main window's first paint shows
// only pictures made at build time, and loading the library at start cost
// about 0.8 million instructions and 130 to 250 KiB of memory (measured side
// by side).
#pragma once

#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;

namespace loopcalc::shell {

/// One vector picture read from a file or resource.
class VectorPicture {
public:
    VectorPicture() = default;
    VectorPicture(const VectorPicture&) = delete;
    VectorPicture& operator=(const VectorPicture&) = delete;
    VectorPicture(VectorPicture&&) = delete;
    VectorPicture& operator=(VectorPicture&&) = delete;
    virtual ~VectorPicture() = default;

    /// True when the picture could be read.
    [[nodiscard]] virtual bool isValid() const = 0;
    /// The picture's own size in pixels.
    [[nodiscard]] virtual QSize defaultSize() const = 0;
    /// Draws the picture stretched over bounds.
    virtual void render(QPainter& painter, const QRectF& bounds) = 0;
};

/// Reads the picture at path with the SVG library itself (the module's
/// code, also compiled into the build step that draws pictures).
[[nodiscard]] std::unique_ptr<VectorPicture> ReadSvgPicture(const QString& path);

/// Reads the picture at path through the module, loading it first if
/// needed; an invalid picture, with a warning, when the module cannot be
/// loaded.
[[nodiscard]] std::unique_ptr<VectorPicture> ReadVectorPicture(const QString& path);

}  // namespace loopcalc::shell
