// SPDX-License-Identifier: MIT
// Inductance against turns, drawn with QPainter: the classic formula and the
// reference, the current turns and the target as lines, axes with units and
// the values under the mouse pointer.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <optional>

namespace loopcalc::shell {

/// "plotTurns". Points are (turns, henries), in rising turns. The pointer's
/// readout also follows the Left and Right keys (one turn a step; Home and
/// End go to the ends), so that the values can be read without a mouse.
class TurnsPlot : public QWidget {
    Q_OBJECT
public:
    explicit TurnsPlot(QWidget* parent = nullptr);

    void setCurves(QList<QPointF> classic, QList<QPointF> reference);
    /// The page's turns and the target inductance, drawn as lines.
    void setMarkers(std::optional<double> turns, std::optional<double> targetHenries);
    /// Shown instead of the axes while there is nothing to draw.
    void setMessage(const QString& message);

    [[nodiscard]] const QList<QPointF>& classic() const { return m_classic; }
    [[nodiscard]] const QList<QPointF>& reference() const { return m_reference; }
    /// The turns the readout is at, or nothing.
    [[nodiscard]] std::optional<double> readoutTurns() const { return m_readout; }
    /// "7.5 turns: classic 1.42 µH, reference 1.01 µH", or empty.
    [[nodiscard]] QString readoutText() const;
    /// The plotted turns for a widget position, and back.
    [[nodiscard]] double turnsAt(double x) const;
    [[nodiscard]] double xOf(double turns) const;
    [[nodiscard]] double yOf(double henries) const;
    /// The area inside the axes.
    [[nodiscard]] QRectF plotArea() const;
    /// The unit the vertical axis is labelled in: "nH", "µH" or "mH".
    [[nodiscard]] QString unitName() const { return m_unitName; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    /// The value of a curve at a number of turns, on the straight line
    /// between its points; nothing outside its span.
    [[nodiscard]] static std::optional<double> valueAt(const QList<QPointF>& curve, double turns);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// Round axis values from low to high, about count of them.
    [[nodiscard]] static QList<double> tickValues(double low, double high, int count);
    void rescale();
    void setReadout(std::optional<double> turns);
    void drawAxes(QPainter& painter, const QRectF& area) const;
    void drawCurve(QPainter& painter, const QList<QPointF>& curve, const QColor& colour, bool dots) const;
    void drawMarkers(QPainter& painter, const QRectF& area) const;
    void drawLegendAndReadout(QPainter& painter, const QRectF& area) const;

    QList<QPointF> m_classic;
    QList<QPointF> m_reference;
    std::optional<double> m_turns;
    std::optional<double> m_target;
    std::optional<double> m_readout;
    QString m_message;
    double m_firstTurns = 1.0;
    double m_lastTurns = 10.0;
    double m_topHenries = 1e-6;
    double m_unitScale = 1e6;  ///< henries to the axis unit
    QString m_unitName;
};

}  // namespace loopcalc::shell
