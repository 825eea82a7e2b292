// SPDX-License-Identifier: MIT
// The page a calculator sees when it runs from the command line.
#pragma once

#include "shapes.h"
#include "silentport.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace loopcalc::cli {

/// A FormPort over one shape's input boxes, held as a small fixed array of
/// text views: no map and no copies, so that a batch can reuse one port for
/// every row. The views must outlive each calculation that reads them.
///
/// "." is the decimal separator, whatever the user's locale, so that a script
/// means the same everywhere; a batch from a decimal-comma spreadsheet adds
/// "," (setDecimalSeparator). The port never logs, and box rewrites,
/// focus moves, messages and beeps are dropped: the caller reports the
/// returned Outcome itself.
class TerminalPort final : public SilentPort {
public:
    static constexpr std::size_t kMaxFields = 8;

    /// Selects the shape whose boxes the port holds and sets every box to
    /// its initial text.
    void setShape(const Shape& shape);
    [[nodiscard]] const Shape* shape() const { return m_shape; }

    /// Sets the text of the shape's field at that index (index into
    /// Shape::fields).
    void setField(std::size_t index, std::string_view text);
    /// Sets the text of the field with that option name; false when the
    /// shape has no such field.
    bool setField(std::string_view option, std::string_view text);

    /// The separator the boxes read besides "."; "." alone by default.
    void setDecimalSeparator(std::string_view separator) { m_decimalSeparator = separator; }

    /// Runs the shape's Calculate handler on the boxes as they are.
    Outcome calculate();

    [[nodiscard]] std::string text(std::string_view box) const override;
    void setText(std::string_view box, const std::string& text) override;
    void setFocus(std::string_view box) override;
    [[nodiscard]] std::string decimalSeparator() const override;
    [[nodiscard]] double number(std::string_view box) const override;

private:
    /// The box's text; empty for the result box and boxes of other pages.
    [[nodiscard]] std::string_view view(std::string_view box) const;
    /// view() for a box named by other characters than the table's own.
    [[nodiscard]] std::string_view viewByName(std::string_view box) const;

    const Shape* m_shape = nullptr;
    std::array<std::string_view, kMaxFields> m_texts{};
    std::string_view m_decimalSeparator = ".";
};

}  // namespace loopcalc::cli
