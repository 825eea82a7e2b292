// SPDX-License-Identifier: MIT
// Builds the main window's widgets from its design (mainwindowdesign.h) and
// the shape table (shapes.h): the tab control with a row for each shape,
// each page's controls, and the controls on the client area below the tabs.
#pragma once

#include "mainwindowdesign.h"

#include <QPalette>

#include <span>

class QWidget;

namespace loopcalc::shell {

class TabRows;

/// What every built control shares: the window's logical resolution and the
/// palette of the controls inside a blue-captioned frame, which keep the
/// ordinary text colour.
struct BuildContext {
    double dpi;
    QPalette plain;
};

/// The context for controls on client: its text colour, nothing else set,
/// so that everything else still follows the parent.
[[nodiscard]] BuildContext ContextFor(const QWidget& client, double dpi);

/// The tab control on client with one row for each shape, captioned from
/// the shape table, in page order. Its pages are empty: every row comes
/// first, because each row pushes the page area down and the controls of a
/// page are placed below all rows.
[[nodiscard]] TabRows* BuildTabControl(QWidget* client, double dpi);

/// Builds the controls of one page of the tab control from the page's
/// design; an input box starts with the text the shape table gives it.
void BuildPage(TabRows& tabs, int index, const BuildContext& context);

/// Builds a list of controls inside root, frames before their contents;
/// rootOffsetY (pixels) is the part of root's coordinates that lies above
/// root (the tab rows above a page).
void BuildControls(std::span<const ControlDesign> controls, QWidget* root, int rootOffsetY,
                   const BuildContext& context);

}  // namespace loopcalc::shell
