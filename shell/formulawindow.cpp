// SPDX-License-Identifier: MIT
#include "formulawindow.h"

#include "accessibility.h"
#include "picturebox.h"
#include "twips.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

namespace loopcalc::shell {

namespace {

constexpr FormulaDesign kCircular{"frmUla1",   "Formula for Circular Wirewound Coil",
                                  8004,        4608,
                                  6636,        5448,
                                  "Image1",    180,
                                  108,         ":/formula-circular.svg",
                                  {6492, 4000}};
constexpr FormulaDesign kRectangular{
    "frmUla",     " Formula for both Rectangular Wirewound and Flat Rectangular Aircoil",
    13224,        4464,
    4536,         6012,
    "Image3",     132,
    156,          ":/formula-rectangular.svg",
    {10752, 3936}};
constexpr FormulaDesign kSpiral{"frmUla2", "Formula for Spiral Aircoil", 5568,        4800, 7320, 6012, "Image1", 132,
                                96,        ":/formula-spiral.svg",       {4560, 4236}};

}  // namespace

const FormulaDesign& DesignOf(FormulaKind kind)
{
    switch (kind) {
    case FormulaKind::CircularWire: return kCircular;
    case FormulaKind::Rectangular: return kRectangular;
    case FormulaKind::FlatSpiral: break;
    }
    return kSpiral;
}

OuterSize frmUla1_Form_Resize(OuterSize size)
{
    return ApplyMinimumSize(size, kCircular.minimum);
}

OuterSize frmUla_Form_Resize(OuterSize size)
{
    return ApplyMinimumSize(size, kRectangular.minimum);
}

OuterSize frmUla2_Form_Resize(OuterSize size)
{
    return ApplyMinimumSize(size, kSpiral.minimum);
}

QPoint KeepOnScreen(const QRect& client, const QMargins& frame, const QRect& available)
{
    const QRect outer = client.marginsAdded(frame);
    int dx = std::min(0, available.right() - outer.right());
    int dy = std::min(0, available.bottom() - outer.bottom());
    dx = std::max(dx, available.left() - outer.left());
    dy = std::max(dy, available.top() - outer.top());
    return client.topLeft() + QPoint(dx, dy);
}

FormulaWindow::FormulaWindow(FormulaKind kind)
    : QWidget(nullptr, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
    , m_kind(kind)
{
    const FormulaDesign& design = DesignOf(kind);
    setObjectName(QString::fromLatin1(design.objectName));
    setWindowTitle(QString::fromLatin1(design.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(design.clientWidth, design.clientHeight));

    m_picture = new PictureBox(QString::fromLatin1(design.picture), PictureBox::Fit::OwnSize, this);
    m_picture->setObjectName(QString::fromLatin1(design.pictureBoxName));
    m_picture->move(TwipsToPixels(design.pictureLeft), TwipsToPixels(design.pictureTop));
    ExposeToAssistiveTechnology(this);

    placeOnScreen();
}

void FormulaWindow::placeOnScreen()
{
    const FormulaDesign& design = DesignOf(m_kind);
    const QScreen* screen = QGuiApplication::primaryScreen();
    QRect client(TwipsToPixels(design.placeLeft), TwipsToPixels(design.placeTop), width(), height());
    if (screen != nullptr) {
        client.translate(screen->geometry().topLeft());
        // Before the window is shown it has no frame yet: both are equal.
        const QRect outer = frameGeometry();
        const QRect inner = geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                             outer.bottom() - inner.bottom());
        client.moveTopLeft(KeepOnScreen(client, frame, screen->availableGeometry()));
    }
    setGeometry(client);
}

void FormulaWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        // The frame is known once the window is on the screen.
        m_placed = true;
        placeOnScreen();
    }
}

void FormulaWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyMinimumSize();
}

void FormulaWindow::applyMinimumSize()
{
    if (isMinimized() || isMaximized() || isFullScreen()) {
        return;
    }
    const QSize outer = frameGeometry().size();
    const OuterSize current{PixelsToTwips(outer.width()), PixelsToTwips(outer.height())};
    OuterSize wanted = current;
    switch (m_kind) {
    case FormulaKind::CircularWire: wanted = frmUla1_Form_Resize(current); break;
    case FormulaKind::Rectangular: wanted = frmUla_Form_Resize(current); break;
    case FormulaKind::FlatSpiral: wanted = frmUla2_Form_Resize(current); break;
    }
    if (wanted == current) {
        return;
    }
    // The window has a fixed size, so the minimum is set as its new size.
    const QSize frame = outer - size();
    setFixedSize(TwipsToPixelsAtLeast(wanted.width) - frame.width(),
                 TwipsToPixelsAtLeast(wanted.height) - frame.height());
}

}  // namespace loopcalc::shell
