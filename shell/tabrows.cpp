// SPDX-License-Identifier: MIT
#include "tabrows.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <qdrawutil.h>

namespace loopcalc::shell {

TabRows::TabRows(int rowHeight, QWidget* parent)
    : QWidget(parent)
    , m_rowHeight(rowHeight)
{
    // A tab control takes the focus from the Tab key and from a click.
    setFocusPolicy(Qt::StrongFocus);
}

QWidget* TabRows::addPage(const QString& caption)
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("%1_page%2").arg(objectName()).arg(count()));
    // A reader names the page as its row.
    page->setAccessibleName(caption);
    m_pages.append(page);
    m_captions.append(caption);
    page->setVisible(m_current < 0);
    if (m_current < 0) {
        m_current = 0;
    }
    layoutPages();
    update();
    return page;
}

QWidget* TabRows::page(int index) const
{
    return index >= 0 && index < count() ? m_pages.at(index) : nullptr;
}

QString TabRows::caption(int index) const
{
    return index >= 0 && index < count() ? m_captions.at(index) : QString();
}

void TabRows::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current) {
        return;
    }
    emit pageAboutToShow(index);
    const int previous = m_current;
    m_current = index;
    // Show the new page before hiding the old one, so that a focus pushed
    // out of the old page does not land on a hidden widget, and before the
    // announcement, so that its handler can move the focus into the page.
    m_pages.at(index)->show();
    if (previous >= 0) {
        m_pages.at(previous)->hide();
    }
    update();
    if (QAccessible::isActive()) {
        // Tell assistive technology; the rows' page tabs come first among
        // their accessible children.
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(index);
        QAccessible::updateAccessibility(&selection);
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(index);
            QAccessible::updateAccessibility(&focus);
        }
    }
    emit currentIndexChanged(index);
}

QRect TabRows::rowRect(int index) const
{
    return {0, index * m_rowHeight, width(), m_rowHeight};
}

void TabRows::layoutPages()
{
    const QRect area(0, pageTop(), width(), height() - pageTop());
    for (QWidget* page : std::as_const(m_pages)) {
        page->setGeometry(area);
    }
}

void TabRows::resizeEvent(QResizeEvent* /*event*/)
{
    layoutPages();
}

void TabRows::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QPalette& pal = palette();

    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, pageTop(), width(), height() - pageTop());
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);

    for (int i = 0; i < count(); ++i) {
        const QRect row = rowRect(i);
        const bool current = i == m_current;
        // The current row is drawn in the light base colour so it stands out
        // from the others, raised buttons in the darker button colour.
        const QBrush fill = current ? pal.base() : pal.button();
        qDrawShadePanel(&painter, row, pal, false, 1, &fill);
        painter.setPen(pal.color(QPalette::ButtonText));
        painter.drawText(row, Qt::AlignCenter | Qt::TextSingleLine, m_captions.at(i));
        if (current && hasFocus()) {
            // A dotted frame round the caption, drawn whether the focus
            // came by mouse or keyboard: it shows where the arrow keys act.
            const int textWidth = fontMetrics().horizontalAdvance(m_captions.at(i));
            const int margin = 4;
            QRect focusRect(0, 0, textWidth + 2 * margin, fontMetrics().height() + 2);
            focusRect.moveCenter(row.center());
            focusRect = focusRect.intersected(row.adjusted(2, 2, -3, -3));
            painter.setPen(QPen(pal.color(QPalette::ButtonText), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(focusRect);
        }
    }
}

void TabRows::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int y = event->position().toPoint().y();
    if (y >= 0 && y < pageTop()) {
        setCurrentIndex(y / m_rowHeight);
    }
}

void TabRows::step(int delta, bool wrap)
{
    if (count() == 0) {
        return;
    }
    int next = m_current + delta;
    if (wrap) {
        next = (next + count()) % count();
    }
    setCurrentIndex(next);
}

void TabRows::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    // Keys a page's widget left unhandled arrive here too; only the
    // Ctrl combinations act for them, the row keys need the focus here.
    const bool own = hasFocus();
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_PageDown:
        if (ctrl) {
            step(+1, true);
            return;
        }
        break;
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
        if (ctrl) {
            step(-1, true);
            return;
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        if (own) {
            step(-1, false);
            return;
        }
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (own) {
            step(+1, false);
            return;
        }
        break;
    case Qt::Key_Home:
        if (own) {
            setCurrentIndex(0);
            return;
        }
        break;
    case Qt::Key_End:
        if (own) {
            setCurrentIndex(count() - 1);
            return;
        }
        break;
    default: break;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace loopcalc::shell
