// SPDX-License-Identifier: MIT
#include "picturedrawing.h"

#include <QPainter>
#include <QSvgRenderer>

namespace loopcalc::shell {

void DrawStretchedPicture(QPainter& painter, QSvgRenderer& renderer, QRect box, bool framed)
{
    QRect target = box;
    if (framed) {
        painter.fillRect(target, Qt::white);
        target.adjust(1, 1, -1, -1);
    }
    if (renderer.isValid()) {
        renderer.render(&painter, QRectF(target));
    }
}

}  // namespace loopcalc::shell
