// SPDX-License-Identifier: MIT
// A page held in memory that records every step a calculator takes.
#pragma once

#include "formport.h"

#include <map>
#include <string>
#include <vector>

namespace loopcalc::testing {

class FakeFormPort : public FormPort {
public:
    std::map<std::string, std::string, std::less<>> boxes;
    std::string separator = ".";
    bool logOn = false;
    std::vector<std::string> events;  ///< "text X=Y", "focus X", "message error: M", "beep"
    std::vector<std::string> log;

    [[nodiscard]] std::string text(std::string_view box) const override
    {
        const auto it = boxes.find(box);
        return it == boxes.end() ? std::string() : it->second;
    }
    void setText(std::string_view box, const std::string& text) override
    {
        boxes[std::string(box)] = text;
        events.push_back("text " + std::string(box) + "=" + text);
    }
    void setFocus(std::string_view box) override { events.push_back("focus " + std::string(box)); }
    void showMessage(const std::string& text, MessageIcon icon) override
    {
        events.push_back(std::string("message ") + (icon == MessageIcon::Error ? "error" : "warning") + ": " + text);
    }
    void beep() override { events.push_back("beep"); }
    [[nodiscard]] std::string decimalSeparator() const override { return separator; }
    [[nodiscard]] bool logging() const override { return logOn; }
    void logLine(const std::string& line) override { log.push_back(line); }
    void endLogRecord() override { log.emplace_back("<end of record>"); }
};

}  // namespace loopcalc::testing
