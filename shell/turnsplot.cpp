// SPDX-License-Identifier: MIT
#include "turnsplot.h"

#include "designstudy.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace loopcalc::shell {

namespace {

const QColor kClassicColour(31, 95, 191);
const QColor kReferenceColour(208, 69, 27);
const QColor kTurnsColour(110, 110, 110);
const QColor kTargetColour(34, 139, 34);
const QColor kGridColour(225, 225, 225);

/// Tick marks at 1, 2 or 5 times a power of ten, about `count` of them.
QList<double> Ticks(double low, double high, int count)
{
    QList<double> ticks;
    const double span = high - low;
    if (!(span > 0.0) || !std::isfinite(span)) {
        return ticks;
    }
    const double rough = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough) {
            break;
        }
    }
    for (double tick = std::ceil(low / step - 1e-9) * step; tick <= high + step * 1e-9; tick += step) {
        ticks.append(std::abs(tick) < step * 1e-9 ? 0.0 : tick);
    }
    return ticks;
}

QString Henries(double henries)
{
    return QString::fromStdString(design::FormatHenries(henries));
}

QString TurnsText(double turns)
{
    return QString::number(turns, 'f', std::abs(turns - std::round(turns)) < 1e-9 ? 0 : 1);
}

}  // namespace

TurnsPlot::TurnsPlot(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("plotTurns"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Inductance against turns"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    rescale();
}

QSize TurnsPlot::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 26, line * 20};
}

QSize TurnsPlot::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 16, line * 12};
}

void TurnsPlot::setCurves(QList<QPointF> classic, QList<QPointF> reference)
{
    m_classic = std::move(classic);
    m_reference = std::move(reference);
    m_message.clear();
    rescale();
    update();
}

void TurnsPlot::setMarkers(std::optional<double> turns, std::optional<double> targetHenries)
{
    m_turns = turns;
    m_target = targetHenries;
    rescale();
    update();
}

void TurnsPlot::setMessage(const QString& message)
{
    m_message = message;
    m_classic.clear();
    m_reference.clear();
    m_readout.reset();
    setAccessibleDescription(message);
    update();
}

void TurnsPlot::rescale()
{
    double first = 1.0;
    double last = 10.0;
    double top = 0.0;
    bool any = false;
    for (const QList<QPointF>* curve : {&m_classic, &m_reference}) {
        for (const QPointF& point : *curve) {
            first = any ? std::min(first, point.x()) : point.x();
            last = any ? std::max(last, point.x()) : point.x();
            top = std::max(top, point.y());
            any = true;
        }
    }
    if (m_target) {
        top = std::max(top, *m_target);
    }
    if (!(last > first)) {
        last = first + 1.0;
    }
    if (!(top > 0.0) || !std::isfinite(top)) {
        top = 1e-6;
    }
    m_firstTurns = first;
    m_lastTurns = last;
    // The unit in which the top of the axis reads below 1000.
    if (top < 1e-6) {
        m_unitScale = 1e9;
        m_unitName = QStringLiteral("nH");
    } else if (top < 1e-3) {
        m_unitScale = 1e6;
        m_unitName = QStringLiteral("µH");
    } else {
        m_unitScale = 1e3;
        m_unitName = QStringLiteral("mH");
    }
    // The axis ends on the first tick at or above the highest value.
    const QList<double> ticks = Ticks(0.0, top * m_unitScale, 5);
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : top * m_unitScale;
    m_topHenries = std::ceil(top * m_unitScale / step * (1.0 - 1e-9)) * step / m_unitScale;
    if (m_readout) {
        setReadout(std::clamp(*m_readout, m_firstTurns, m_lastTurns));
    }
}

QRectF TurnsPlot::plotArea() const
{
    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    const double left = metrics.horizontalAdvance(QStringLiteral("0000.0")) + line * 1.6;
    const double top = line * 2.6;
    const double bottom = line * 2.8;
    const double right = line * 1.2;
    return QRectF(left, top, std::max(1.0, width() - left - right), std::max(1.0, height() - top - bottom));
}

double TurnsPlot::xOf(double turns) const
{
    const QRectF area = plotArea();
    return area.left() + (turns - m_firstTurns) / (m_lastTurns - m_firstTurns) * area.width();
}

double TurnsPlot::turnsAt(double x) const
{
    const QRectF area = plotArea();
    return m_firstTurns + (x - area.left()) / area.width() * (m_lastTurns - m_firstTurns);
}

double TurnsPlot::yOf(double henries) const
{
    const QRectF area = plotArea();
    return area.bottom() - henries / m_topHenries * area.height();
}

std::optional<double> TurnsPlot::valueAt(const QList<QPointF>& curve, double turns)
{
    if (curve.isEmpty() || turns < curve.front().x() || turns > curve.back().x()) {
        return std::nullopt;
    }
    const auto after = std::lower_bound(curve.begin(), curve.end(), turns,
                                        [](const QPointF& point, double value) { return point.x() < value; });
    if (after == curve.begin()) {
        return after->y();
    }
    const QPointF& b = *after;
    const QPointF& a = *(after - 1);
    return a.y() + (b.y() - a.y()) * (turns - a.x()) / (b.x() - a.x());
}

QString TurnsPlot::readoutText() const
{
    if (!m_readout) {
        return {};
    }
    QStringList parts;
    if (const auto classic = valueAt(m_classic, *m_readout)) {
        parts << tr("classic %1").arg(Henries(*classic));
    }
    if (const auto reference = valueAt(m_reference, *m_readout)) {
        parts << tr("reference %1").arg(Henries(*reference));
    }
    if (parts.isEmpty()) {
        return {};
    }
    return tr("%1 turns: %2").arg(TurnsText(*m_readout), parts.join(QStringLiteral(", ")));
}

void TurnsPlot::setReadout(std::optional<double> turns)
{
    if (turns == m_readout) {
        return;
    }
    m_readout = turns;
    setAccessibleDescription(readoutText());
    update();
}

void TurnsPlot::mouseMoveEvent(QMouseEvent* event)
{
    const QRectF area = plotArea();
    const QPointF at = event->position();
    if (m_classic.isEmpty() || at.x() < area.left() || at.x() > area.right()) {
        setReadout(std::nullopt);
        return;
    }
    setReadout(turnsAt(at.x()));
}

void TurnsPlot::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (!hasFocus()) {
        setReadout(std::nullopt);
    }
}

void TurnsPlot::keyPressEvent(QKeyEvent* event)
{
    if (m_classic.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double start = m_readout.value_or(m_turns.value_or(m_firstTurns));
    switch (event->key()) {
    case Qt::Key_Left: setReadout(std::max(m_firstTurns, std::ceil(start - 1.0 - 1e-9))); break;
    case Qt::Key_Right: setReadout(std::min(m_lastTurns, std::floor(start + 1.0 + 1e-9))); break;
    case Qt::Key_Home: setReadout(m_firstTurns); break;
    case Qt::Key_End: setReadout(m_lastTurns); break;
    default: QWidget::keyPressEvent(event); return;
    }
    QAccessibleValueChangeEvent change(this, readoutText());
    QAccessible::updateAccessibility(&change);
}

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
    const QList<double> yTicks = Ticks(0.0, m_topHenries * m_unitScale, 5);
    const QList<double> xTicks = Ticks(m_firstTurns, m_lastTurns, 8);
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
        const QString label = tr("%1 turns").arg(TurnsText(*m_turns));
        const double labelWidth = QFontMetricsF(font()).horizontalAdvance(label);
        // The label stands right of the line, or left of it near the right edge.
        const double labelX = x + 4 + labelWidth <= area.right() ? x + 4 : x - 4 - labelWidth;
        painter.drawText(QPointF(labelX, area.bottom() - 4), label);
    }
    if (m_target) {
        const double y = yOf(*m_target);
        painter.setPen(QPen(kTargetColour, 1.5, Qt::DashLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.drawText(QPointF(area.left() + 4, y - 4), tr("target %1").arg(Henries(*m_target)));
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
