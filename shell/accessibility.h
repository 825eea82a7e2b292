// SPDX-License-Identifier: MIT
// What assistive technology (screen readers, magnifiers) learns about the
// main window, without any change to what it shows.
#pragma once

class QWidget;

namespace loopcalc::shell {

/// Tells assistive technology about a window's controls (the main window,
/// a formula window or the About box):
/// - the tab rows are a page tab list with one page tab per row, named by
///   its caption, the current one selected;
/// - each input box is named by its label's caption (its colon left off),
///   each result box "Inductance", and each label is tied to its box;
/// - each picture is a graphic named by what it shows.
/// Installs the interfaces for the program's own widget classes once per
/// process; controls it cannot find are skipped.
void ExposeToAssistiveTechnology(QWidget* window);

}  // namespace loopcalc::shell
