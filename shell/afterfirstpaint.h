// SPDX-License-Identifier: MIT
// Work that can wait until a window is on the screen.
#pragma once

#include <functional>

class QWidget;

namespace loopcalc::shell {

/// Runs step once, after the first paint of window has been handed to the
/// screen (from the event loop, right after that paint). Work that the first
/// picture does not need goes here, so that the window appears sooner.
void AfterFirstPaint(QWidget& window, std::function<void()> step);

}  // namespace loopcalc::shell
