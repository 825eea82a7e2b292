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

QSvgRenderer& PictureBox::renderer() const
{
    if (!m_renderer) {
        m_renderer = std::make_unique<QSvgRenderer>(m_resource);
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
    const qreal scale = devicePixelRatioF();
    if (m_fit != Fit::Stretch || !m_framed || (scale != 1.0 && scale != 2.0)) {
        return false;
    }
    const QImage baked = BakedPicture({m_resource, size(), static_cast<int>(scale)});
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
                renderer().render(&painter, QRectF(target.topLeft(), pictureSize()));
            }
        }
    }
    if (m_framed) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace loopcalc::shell
