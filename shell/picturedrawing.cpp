// SPDX-License-Identifier: MIT
#include "picturedrawing.h"

#include "vectorpicture.h"

#include <QPainter>

namespace loopcalc::shell {

void DrawStretchedPicture(QPainter& painter, VectorPicture& picture, QRect box, bool framed)
{
    QRect target = box;
    if (framed) {
        painter.fillRect(target, Qt::white);
        target.adjust(1, 1, -1, -1);
    }
    if (picture.isValid()) {
        picture.render(painter, QRectF(target));
    }
}

}  // namespace loopcalc::shell
