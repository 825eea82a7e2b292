// SPDX-License-Identifier: MIT
#include "secondarywindows.h"

namespace loopcalc::shell {

namespace {

// A closed window lingers until its deferred delete runs, with its
// delete-on-close flag already spent; it counts as gone.
template <typename Window>
bool IsGone(const QPointer<Window>& window)
{
    return window.isNull() || !window->testAttribute(Qt::WA_DeleteOnClose);
}

template <typename Window>
Window* IfOpen(const QPointer<Window>& window)
{
    return IsGone(window) ? nullptr : window.data();
}

void BringToFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void ShowFormula(QPointer<FormulaWindow>& window, FormulaKind kind)
{
    if (IsGone(window)) {
        window = new FormulaWindow(kind);
    }
    BringToFront(window);
}

}  // namespace

SecondaryWindows::~SecondaryWindows()
{
    // Delete at once: a close with delete-on-close would only schedule it,
    // and the event loop may already be gone.
    delete m_spiral.data();
    delete m_rectangular.data();
    delete m_circular.data();
    delete m_about.data();
    delete m_design.data();
}

void SecondaryWindows::showFlatSpiral()
{
    ShowFormula(m_spiral, FormulaKind::FlatSpiral);
}

void SecondaryWindows::showFlatRectangular()
{
    ShowFormula(m_rectangular, FormulaKind::Rectangular);
}

void SecondaryWindows::showRectangularWire()
{
    ShowFormula(m_rectangular, FormulaKind::Rectangular);
}

void SecondaryWindows::showCircularWire()
{
    ShowFormula(m_circular, FormulaKind::CircularWire);
}

void SecondaryWindows::showAbout()
{
    if (IsGone(m_about)) {
        m_about = new AboutBox;
    }
    BringToFront(m_about);
}

void SecondaryWindows::showDesign(QWidget* source)
{
    if (IsGone(m_design)) {
        m_design = new DesignWindow(source, m_designPlace);
        QObject::connect(m_design, &DesignWindow::closing, m_design,
                         [this](const QRect& geometry) { m_designPlace = geometry; });
    }
    BringToFront(m_design);
}

FormulaWindow* SecondaryWindows::flatSpiralWindow() const
{
    return IfOpen(m_spiral);
}

FormulaWindow* SecondaryWindows::rectangularWindow() const
{
    return IfOpen(m_rectangular);
}

FormulaWindow* SecondaryWindows::circularWireWindow() const
{
    return IfOpen(m_circular);
}

AboutBox* SecondaryWindows::aboutBox() const
{
    return IfOpen(m_about);
}

DesignWindow* SecondaryWindows::designWindow() const
{
    return IfOpen(m_design);
}

}  // namespace loopcalc::shell
