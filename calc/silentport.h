// SPDX-License-Identifier: MIT
// The part of a port that a calculator running away from the user shares:
// the command line's and the design window's copies of a page.
#pragma once

#include "formport.h"

#include <string>

namespace loopcalc {

/// A port on which a calculator says nothing: its messages and beeps go
/// nowhere and it never logs. The caller reports the returned Outcome itself.
class SilentPort : public FormPort {
public:
    void showMessage(const std::string& /*text*/, MessageIcon /*icon*/) final {}
    void beep() final {}
    [[nodiscard]] bool logging() const final { return false; }
    void logLine(const std::string& /*line*/) final {}
    void endLogRecord() final {}
};

}  // namespace loopcalc
