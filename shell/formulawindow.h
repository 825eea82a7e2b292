// SPDX-License-Identifier: MIT
// The three formula windows: a fixed tool window with one picture each.
#pragma once

#include "minimumsize.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

namespace loopcalc::shell {

class PictureBox;

/// Which formula a window shows.
enum class FormulaKind {
    CircularWire,  ///< frmUla1, the circular wire-wound coil
    Rectangular,   ///< frmUla, both rectangular coils
    FlatSpiral,    ///< frmUla2, the flat spiral air coil
};

/// One formula window's design. Lengths in twips, as Left, Top, Width,
/// Height; the place is the client area's top-left corner on the screen.
struct FormulaDesign {
    const char* objectName;
    const char* caption;
    int clientWidth;
    int clientHeight;
    int placeLeft;
    int placeTop;
    const char* pictureBoxName;
    int pictureLeft;
    int pictureTop;
    const char* picture;  ///< resource path
    OuterSize minimum;    ///< minimum outer size
};

[[nodiscard]] const FormulaDesign& DesignOf(FormulaKind kind);

/// Minimum-size rules of the three windows, on outer sizes in twips.
[[nodiscard]] OuterSize frmUla1_Form_Resize(OuterSize size);
[[nodiscard]] OuterSize frmUla_Form_Resize(OuterSize size);
[[nodiscard]] OuterSize frmUla2_Form_Resize(OuterSize size);

/// The client area's top-left corner, moved left and up as far as needed
/// for the whole window (client plus frame) to lie on `available`, but
/// never past its left or top edge.
[[nodiscard]] QPoint KeepOnScreen(const QRect& client, const QMargins& frame, const QRect& available);

/// A fixed tool window holding one formula picture at its own size. It has
/// no parent; it deletes itself when closed.
class FormulaWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormulaWindow(FormulaKind kind);

    [[nodiscard]] FormulaKind kind() const { return m_kind; }
    [[nodiscard]] PictureBox* pictureBox() const { return m_picture; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyMinimumSize();
    void placeOnScreen();

    FormulaKind m_kind;
    PictureBox* m_picture;
    bool m_placed = false;
};

}  // namespace loopcalc::shell
