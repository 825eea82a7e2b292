// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include "bakedpictures.h"
#include "picturedrawing.h"

#include <QPainter>

#include <utility>

namespace loopcalc::shell {

PictureBox::PictureBox(QString resource, Fit fit, QWidget* parent)
    : QWidget(parent)
    , m_resource(std::move(resource))
    , m_fit(fit)
{
    if (m_fit == Fit::OwnSize && isValid()) {
        setFixedSize(pictureSize());
    }
}

VectorPicture& PictureBox::renderer() const
{
    if (!m_renderer) {
        m_renderer = ReadVectorPicture(m_resource);
    }
    return *m_renderer;
}

QSize PictureBox::sizeHint() const
{
    return isValid() ? pictureSize() : QSize(1, 1);
}

void PictureBox::setFramed(bool framed)
{
    m_framed = framed;
    update();
}

bool PictureBox::drawBaked(QPainter& painter) const
{
    // Where the box lies on the device painted, at what scale: the window,
    // or a picture of it.
    const QTransform device = painter.deviceTransform();
    const qreal scale = device.m11();
    if (m_fit != Fit::Stretch || device.type() > QTransform::TxScale || device.m22() != scale ||
        (scale != 1.0 && scale != 2.0)) {
        return false;
    }
    BakedPictureKey key{m_resource, size(), static_cast<int>(scale), {}, {}};
    if (!m_framed) {
        // An unframed picture's text comes out a shade different depending
        // on what was drawn before it. Qt fills the text's letters as outlines
        // read from the font file, and the file's reader keeps the fraction
        // of a pixel by which the last letter it read, in any size, was
        // shifted (a widget's letters lie at quarter pixels, each read once,
        // when first drawn): the outlines come shifted by it. Only the first
        // drawing of a text reads its letters' widths first, which sets that
        // shift back to none. So the drawing made ahead of time is what the
        // box's first paint shows; every later paint draws from the source,
        // as before.
        if (m_painted) {
            return false;
        }
        const QPointF place = device.map(QPointF(0, 0)) / scale;
        key.place = place.toPoint();
        if (QPointF(key.place) != place) {
            return false;
        }
        key.backdrop = Backdrop(*this);
    }
    const QImage baked = BakedPicture(key);
    if (baked.isNull()) {
        return false;
    }
    painter.drawImage(QPoint(0, 0), baked);
    return true;
}

void PictureBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!drawBaked(painter)) {
        if (m_fit == Fit::Stretch) {
            DrawStretchedPicture(painter, renderer(), rect(), m_framed);
        } else {
            QRect target = rect();
            if (m_framed) {
                painter.fillRect(target, Qt::white);
                target.adjust(1, 1, -1, -1);
            }
            if (isValid()) {
                renderer().render(painter, QRectF(target.topLeft(), pictureSize()));
            }
        }
    }
    if (m_framed) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    m_painted = true;
}

}  // namespace loopcalc::shell
