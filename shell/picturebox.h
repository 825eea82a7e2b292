// SPDX-License-Identifier: MIT
// A picture box that paints an SVG picture from the resources.
#pragma once

#include "vectorpicture.h"

#include <QWidget>

#include <memory>

class QPainter;

namespace loopcalc::shell {

/// Shows one picture, drawn from its vector source at the screen's own
/// resolution so it stays sharp at any scale factor; the main window's
/// drawings, and its logo's first paint, come made ahead of time for scales
/// 1 and 2 (bakedpictures.h).
/// Stretched pictures fill the whole box; the others are drawn at the picture's own size from
/// the top-left corner, and the box takes that size. A stretched picture is
/// read from its source only when first needed, so that the pictures of
/// hidden pages cost nothing at start-up.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Fit { Stretch, OwnSize };

    PictureBox(QString resource, Fit fit, QWidget* parent = nullptr);

    /// True when the picture could be loaded.
    [[nodiscard]] bool isValid() const { return renderer().isValid(); }
    /// The picture's own size in pixels.
    [[nodiscard]] QSize pictureSize() const { return renderer().defaultSize(); }
    [[nodiscard]] QSize sizeHint() const override;

    /// Draws a flat single-line border round the picture.
    void setFramed(bool framed);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    VectorPicture& renderer() const;
    /// Draws the drawing made for this box when the program was built, if
    /// there is one for its size, the painter's scale and, unframed, its
    /// place and backdrop; false if not.
    bool drawBaked(QPainter& painter) const;

    QString m_resource;
    mutable std::unique_ptr<VectorPicture> m_renderer;
    Fit m_fit;
    bool m_framed = false;
    bool m_painted = false;
};

}  // namespace loopcalc::shell
