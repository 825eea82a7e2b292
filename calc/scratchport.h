// SPDX-License-Identifier: MIT
// A copy of a page's boxes that a calculator can run on without touching
// the page: what it would have written, focused or said is only noted.
#pragma once

#include "calculators.h"
#include "shapes.h"
#include "silentport.h"

#include <string>
#include <vector>

namespace loopcalc {

/// The boxes of one shape, copied. The calculator's box rewrites change the
/// copy, its first focus move names the box it refused, and its messages,
/// beeps and log lines go nowhere. After each calculation the boxes read as
/// copied again, rewrites undone.
class ScratchPort final : public SilentPort {
public:
    /// texts: one per field of the shape, in the shape's field order.
    ScratchPort(const Shape& shape, std::vector<std::string> texts, std::string decimalSeparator);

    [[nodiscard]] const Shape& shape() const { return *m_shape; }
    /// The copied text of a field.
    [[nodiscard]] const std::string& fieldText(std::size_t index) const { return m_original[index]; }

    /// Runs the shape's calculator on the copied texts.
    Outcome calculate();
    /// Runs it with the turns box holding that number instead.
    Outcome calculateWithTurns(double turns);
    /// The box the last calculation moved the focus to (the box it refused),
    /// empty when it moved none.
    [[nodiscard]] const std::string& focusedBox() const { return m_focused; }

    [[nodiscard]] std::string text(std::string_view box) const override;
    void setText(std::string_view box, const std::string& text) override;
    void setFocus(std::string_view box) override;
    [[nodiscard]] std::string decimalSeparator() const override;

private:
    Outcome restoredAfter(Outcome outcome);
    [[nodiscard]] std::size_t indexOf(std::string_view box) const;

    const Shape* m_shape;
    std::vector<std::string> m_original;
    std::vector<std::string> m_texts;
    std::string m_separator;
    std::string m_focused;
};

}  // namespace loopcalc
