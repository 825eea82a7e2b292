// SPDX-License-Identifier: MIT
// The small set of operations a calculator needs from the page it runs on.
#pragma once

#include "numberreading.h"

#include <string>
#include <string_view>

namespace loopcalc {

enum class MessageIcon { Error, Warning };

/// What a calculator sees of its page. The window, the command line and the
/// tests each implement it. Boxes are named by their control names
/// ("txtRadius2", ...). A step that cannot be carried out (a focus move the
/// window refuses, a log line that cannot be written) is the port's business:
/// the calculator never checks and always goes on with its next step.
class FormPort {
public:
    virtual ~FormPort() = default;

    /// The box's current text (UTF-8).
    [[nodiscard]] virtual std::string text(std::string_view box) const = 0;
    virtual void setText(std::string_view box, const std::string& text) = 0;
    virtual void setFocus(std::string_view box) = 0;
    /// A modal message with an OK button; returns when the user has closed it.
    virtual void showMessage(const std::string& text, MessageIcon icon) = 0;
    virtual void beep() = 0;
    /// The user's decimal separator ("." or "," ...), used to read the boxes.
    [[nodiscard]] virtual std::string decimalSeparator() const = 0;
    /// The box's text as a number (ReadNumber with decimalSeparator()), 0
    /// when it is not one. A port that holds its texts as views reads them
    /// where they are, without a copy.
    [[nodiscard]] virtual double number(std::string_view box) const
    {
        return ReadNumber(text(box), decimalSeparator());
    }
    /// The separator that the log's numbers carry: the user's, unless the
    /// log file cannot hold it.
    [[nodiscard]] virtual std::string logDecimalSeparator() const { return decimalSeparator(); }
    /// True while the calculation log is on.
    [[nodiscard]] virtual bool logging() const = 0;
    /// Appends one line (UTF-8, without its line end) to the log.
    virtual void logLine(const std::string& line) = 0;
    /// A record is complete: the log makes what it holds durable.
    virtual void endLogRecord() = 0;
};

}  // namespace loopcalc
