// SPDX-License-Identifier: MIT
#include "turnsplot.h"

#include "designwords.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace loopcalc::shell {

QList<double> TurnsPlot::tickValues(double low, double high, int count)
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
    const QList<double> ticks = tickValues(0.0, top * m_unitScale, 5);
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
        parts << tr("classic %1").arg(HenriesText(*classic));
    }
    if (const auto reference = valueAt(m_reference, *m_readout)) {
        parts << tr("reference %1").arg(HenriesText(*reference));
    }
    if (parts.isEmpty()) {
        return {};
    }
    return tr("%1: %2").arg(TurnsWords(*m_readout, 1), parts.join(QStringLiteral(", ")));
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

}  // namespace loopcalc::shell
