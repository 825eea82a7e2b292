// SPDX-License-Identifier: MIT
#include "picturebox.h"

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

void PictureBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRect target = rect();
    if (m_framed) {
        painter.fillRect(target, Qt::white);
        target.adjust(1, 1, -1, -1);
    }
    if (isValid()) {
        renderer().render(&painter, m_fit == Fit::Stretch ? QRectF(target) : QRectF(target.topLeft(), pictureSize()));
    }
    if (m_framed) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace loopcalc::shell
