// SPDX-License-Identifier: MIT
// The formula windows, the About box and the design window, each open at
// most once.
#pragma once

#include "aboutbox.h"
#include "designwindow.h"
#include "formulawindow.h"

#include <QPointer>
#include <QRect>

namespace loopcalc::shell {

/// Opens the secondary windows for the main window's menu commands. Each
/// window is created on first use, shown without an owner beside the main
/// window (which stays usable), brought to the front when chosen again and
/// destroyed when the user closes it; the next command creates it anew.
/// Windows still open when this object goes are closed with it.
class SecondaryWindows {
public:
    SecondaryWindows() = default;
    ~SecondaryWindows();
    SecondaryWindows(const SecondaryWindows&) = delete;
    SecondaryWindows& operator=(const SecondaryWindows&) = delete;

    void showFlatSpiral();       ///< frmUla2
    void showFlatRectangular();  ///< frmUla, shared with the rectangular wire coil
    void showRectangularWire();  ///< frmUla
    void showCircularWire();     ///< frmUla1
    void showAbout();            ///< frmAbout
    /// frmDesign, following the main window source. It opens where it
    /// stood when last closed in this session, else beside the source.
    void showDesign(QWidget* source);

    /// The open windows, or nullptr once closed (or never opened).
    [[nodiscard]] FormulaWindow* flatSpiralWindow() const;
    [[nodiscard]] FormulaWindow* rectangularWindow() const;
    [[nodiscard]] FormulaWindow* circularWireWindow() const;
    [[nodiscard]] AboutBox* aboutBox() const;
    [[nodiscard]] DesignWindow* designWindow() const;

private:
    QPointer<FormulaWindow> m_spiral;
    QPointer<FormulaWindow> m_rectangular;
    QPointer<FormulaWindow> m_circular;
    QPointer<AboutBox> m_about;
    QPointer<DesignWindow> m_design;
    QRect m_designPlace;  ///< kept for the session only, never saved
};

}  // namespace loopcalc::shell
