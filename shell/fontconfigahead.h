// SPDX-License-Identifier: MIT
// The system's font configuration read on a second thread at start.
#pragma once

#include <thread>

namespace loopcalc::shell {

/// Reads the system's font configuration (some sixty files of rules, the
/// largest single cost before the window's first paint) on a second thread
/// while the application connects to the display, instead of after it.
/// Made before the QApplication; wait() before the first font is asked for,
/// or the toolkit reads the configuration a second time beside it. From
/// then on, every thread of the program allocates from the one heap. Not
/// done when a desktop started the program with a start-up notice, which
/// the application takes out of the environment meanwhile.
class FontConfigAhead {
public:
    FontConfigAhead();
    ~FontConfigAhead();
    FontConfigAhead(const FontConfigAhead&) = delete;
    FontConfigAhead& operator=(const FontConfigAhead&) = delete;
    FontConfigAhead(FontConfigAhead&&) = delete;
    FontConfigAhead& operator=(FontConfigAhead&&) = delete;

    /// Returns once the configuration is read; at once when no thread
    /// could be started, and the toolkit reads it itself.
    void wait();

private:
    std::thread m_thread;
};

}  // namespace loopcalc::shell
