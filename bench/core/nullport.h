// SPDX-License-Identifier: MIT
// A page for timing the calculators: boxes in a small fixed table, every
// other operation a no-op, so that a measurement shows the calculator's own
// cost rather than the port's.
#pragma once

#include "formport.h"
#include "shapes.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace loopcalc::bench {

class NullPort : public FormPort {
public:
    /// The shape's boxes with their initial texts, and its result box empty.
    explicit NullPort(const Shape& shape, bool logOn = false)
        : m_logOn(logOn)
    {
        for (const ShapeField& field : shape.fields) {
            m_boxes[m_count++] = {field.box, std::string(field.initialText)};
        }
        m_boxes[m_count++] = {shape.resultBox, std::string()};
    }

    [[nodiscard]] std::string text(std::string_view box) const override { return m_boxes[find(box)].second; }
    void setText(std::string_view box, const std::string& text) override { m_boxes[find(box)].second = text; }
    void setFocus(std::string_view /*box*/) override {}
    void showMessage(const std::string& /*text*/, MessageIcon /*icon*/) override {}
    void beep() override { ++m_beeps; }
    [[nodiscard]] std::string decimalSeparator() const override { return "."; }
    [[nodiscard]] bool logging() const override { return m_logOn; }
    void logLine(const std::string& line) override { m_logged += line.size(); }
    void endLogRecord() override {}

    [[nodiscard]] int beeps() const { return m_beeps; }

private:
    [[nodiscard]] size_t find(std::string_view box) const
    {
        for (size_t i = 0; i + 1 < m_count; ++i) {
            if (m_boxes[i].first == box) {
                return i;
            }
        }
        return m_count - 1;  // the result box; a name outside the page also lands there
    }

    std::array<std::pair<std::string_view, std::string>, 8> m_boxes;
    size_t m_count = 0;
    bool m_logOn = false;
    int m_beeps = 0;
    size_t m_logged = 0;
};

}  // namespace loopcalc::bench
