// SPDX-License-Identifier: MIT
// Runs a window until it has been painted once, then reports how long the
// process took to get there.
#pragma once

class QWidget;

namespace loopcalc::bench {

/// Shows window, runs the event loop until the window's first paint has
/// finished, prints "startup_ms=<milliseconds since process start>" and
/// ends the process there (status 0); returns only if the loop ends first. The start is LOOPCALC_T0_NS (wall-clock
/// nanoseconds, taken by the caller just before starting the process) when
/// set, else the process's start time from /proc.
int RunUntilFirstPaint(QWidget& window);

}  // namespace loopcalc::bench
