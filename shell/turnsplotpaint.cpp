// SPDX-License-Identifier: MIT
// Painting the plot: axes and grid, the two curves, the turns and target
// markers, the legend and the pointer's readout.
#include "turnsplot.h"

#include "designwords.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <tuple>
#include <utility>

namespace loopcalc::shell {

namespace {

const QColor kClassicColour(31, 95, 191);
const QColor kReferenceColour(208, 69, 27);
const QColor kTurnsColour(110, 110, 110);
const QColor kTargetColour(34, 139, 34);
const QColor kGridColour(225, 225, 225);

/// Tick marks at 1, 2 or 5 times a power of ten, about `count` of them.

}  // namespace

void TurnsPlot::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = plotArea();
    if (!m_message.isEmpty() || m_classic.isEmpty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_message);
        return;
    }
    drawAxes(painter, area);
    painter.save();
    painter.setClipRect(area.adjusted(-1, -1, 1, 1));
    drawMarkers(painter, area);
    drawCurve(painter, m_classic, kClassicColour, false);
    drawCurve(painter, m_reference, kReferenceColour, true);
    painter.restore();
    drawLegendAndReadout(painter, area);
    if (hasFocus()) {
        QPen focus(palette().color(QPalette::Highlight), 1, Qt::DotLine);
        painter.setPen(focus);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}

void TurnsPlot::drawAxes(QPainter& painter, const QRectF& area) const
{
    const QFontMetricsF metrics(font());
    const QColor text = palette().color(QPalette::Text);
    painter.setPen(QPen(kGridColour, 1));
    const QList<double> yTicks = tickValues(0.0, m_topHenries * m_unitScale, 5);
    const QList<double> xTicks = tickValues(m_firstTurns, m_lastTurns, 8);
    for (const double tick : yTicks) {
        const double y = yOf(tick / m_unitScale);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    for (const double tick : xTicks) {
        const double x = xOf(tick);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    painter.setPen(QPen(text, 1));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    const double gap = metrics.height() * 0.3;
    for (const double tick : yTicks) {
        const double y = yOf(tick / m_unitScale);
        const QString label = QString::number(tick, 'g', 4);
        painter.drawText(QRectF(0, y - metrics.height() / 2, area.left() - gap, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    for (const double tick : xTicks) {
        const double x = xOf(tick);
        painter.drawText(QRectF(x - 40, area.bottom() + gap, 80, metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(tick, 'g', 6));
    }
    // Axis titles with their units.
    painter.drawText(QRectF(area.left(), area.bottom() + gap + metrics.height(), area.width(), metrics.height() * 1.4),
                     Qt::AlignHCenter | Qt::AlignVCenter, tr("Turns"));
    painter.save();
    painter.translate(metrics.height() * 0.2, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, 0, area.height(), metrics.height() * 1.2),
                     Qt::AlignHCenter | Qt::AlignTop, tr("Inductance (%1)").arg(m_unitName));
    painter.restore();
}

void TurnsPlot::drawCurve(QPainter& painter, const QList<QPointF>& curve, const QColor& colour, bool dots) const
{
    if (curve.isEmpty()) {
        return;
    }
    QPainterPath path;
    path.moveTo(xOf(curve.front().x()), yOf(curve.front().y()));
    for (const QPointF& point : curve) {
        path.lineTo(xOf(point.x()), yOf(point.y()));
    }
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    if (dots) {
        painter.setBrush(colour);
        painter.setPen(Qt::NoPen);
        for (const QPointF& point : curve) {
            painter.drawEllipse(QPointF(xOf(point.x()), yOf(point.y())), 2.5, 2.5);
        }
    }
}

void TurnsPlot::drawMarkers(QPainter& painter, const QRectF& area) const
{
    if (m_turns && *m_turns >= m_firstTurns && *m_turns <= m_lastTurns) {
        const double x = xOf(*m_turns);
        painter.setPen(QPen(kTurnsColour, 1.5, Qt::DashLine));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        const QString label = TurnsWords(*m_turns, 1);
        const double labelWidth = QFontMetricsF(font()).horizontalAdvance(label);
        // The label stands right of the line, or left of it near the right edge.
        const double labelX = x + 4 + labelWidth <= area.right() ? x + 4 : x - 4 - labelWidth;
        painter.drawText(QPointF(labelX, area.bottom() - 4), label);
    }
    if (m_target) {
        const double y = yOf(*m_target);
        painter.setPen(QPen(kTargetColour, 1.5, Qt::DashLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.drawText(QPointF(area.left() + 4, y - 4), tr("target %1").arg(HenriesText(*m_target)));
    }
    if (m_readout) {
        const double x = xOf(*m_readout);
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        for (const auto& [curve, colour] : {std::pair{&m_classic, kClassicColour}, {&m_reference, kReferenceColour}}) {
            if (const auto value = valueAt(*curve, *m_readout)) {
                painter.setPen(QPen(colour, 2));
                painter.setBrush(palette().color(QPalette::Base));
                painter.drawEllipse(QPointF(x, yOf(*value)), 4, 4);
            }
        }
    }
}

void TurnsPlot::drawLegendAndReadout(QPainter& painter, const QRectF& area) const
{
    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    double x = area.left();
    const double y = line * 0.4;
    for (const auto& [name, colour, shown] : {std::tuple{tr("classic"), kClassicColour, !m_classic.isEmpty()},
                                              std::tuple{tr("reference"), kReferenceColour, !m_reference.isEmpty()}}) {
        if (!shown) {
            continue;
        }
        painter.setPen(QPen(colour, 2));
        painter.drawLine(QPointF(x, y + line / 2), QPointF(x + line * 1.2, y + line / 2));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(x + line * 1.5, y, metrics.horizontalAdvance(name) + 2, line),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        x += line * 2.5 + metrics.horizontalAdvance(name);
    }
    const QString readout = readoutText();
    if (!readout.isEmpty()) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(area.left(), y + line, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(readout, Qt::ElideRight, area.width()));
    }
}

}  // namespace loopcalc::shell
