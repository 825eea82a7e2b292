// SPDX-License-Identifier: MIT
// The calculators' view of the main window: its boxes, focus, messages,
// beep and log.
#pragma once

#include "formport.h"

class QLineEdit;

namespace loopcalc::shell {

class MainWindow;

/// Gives the calculators the real widgets of the main window. Boxes are
/// found by their objectName; a name that names no box reads as an empty
/// text and ignores writes and focus moves, so a calculator always goes on
/// with its next step.
class QtFormPort final : public FormPort {
public:
    explicit QtFormPort(MainWindow& window);

    [[nodiscard]] std::string text(std::string_view box) const override;
    void setText(std::string_view box, const std::string& text) override;
    void setFocus(std::string_view box) override;
    /// A modal box with an OK button only, the application's title as its
    /// caption and the critical or warning icon.
    void showMessage(const std::string& text, MessageIcon icon) override;
    void beep() override;
    /// The decimal point of the user's locale.
    [[nodiscard]] std::string decimalSeparator() const override;
    [[nodiscard]] std::string logDecimalSeparator() const override;
    /// True while the window's log flag is not 0.
    [[nodiscard]] bool logging() const override;
    void logLine(const std::string& line) override;
    void endLogRecord() override;

private:
    [[nodiscard]] QLineEdit* box(std::string_view name) const;

    MainWindow& m_window;
};

}  // namespace loopcalc::shell
