// SPDX-License-Identifier: MIT
// The main window's design: every control's place, size, texts and kind.
// A window's look is told by structs named ...Design (ControlDesign,
// PageDesign, TabControlDesign here, FormulaDesign beside the formula
// windows), all in loopcalc::shell; the namespace loopcalc::design is the
// coil design aids (turns for a target, tuning, studies).
#pragma once

#include <span>
#include <string_view>

namespace loopcalc::shell {

/// What a control is, which also fixes its font and colours.
enum class ControlKind {
    Frame,       ///< group frame with a blue caption, Arial 7.8 pt
    PlainFrame,  ///< frame without caption
    Label,       ///< Arial 10.8 pt
    Input,       ///< input box, centred text, Arial 10.8 pt
    Result,      ///< read-only result box, centred text, Arial 10.8 pt
    Button,      ///< Calculate button, light blue face, Arial 12 pt bold
    Drawing,     ///< page drawing, stretched, flat single-line border
    Logo,        ///< stretched picture without border
    Note,        ///< word-wrapped label in the window's default font
    Banner,      ///< red label, Arial 12 pt bold
};

/// One control. Positions are Left, Top, Width, Height in twips, relative to
/// the parent: the named frame, or else the page's tab control (its rows
/// included) or, for the window's own controls, the client area.
struct ControlDesign {
    ControlKind kind;
    std::string_view name;
    std::string_view parent;  ///< empty: the page or the client area
    int left;
    int top;
    int width;
    int height;
    std::string_view text;  ///< caption, result text or picture resource (UTF-8); an input box's is in the shape table
    std::string_view toolTip;
};

/// One page of the tab control: the page of the shape table's row at the
/// same place, which gives the page its caption, its boxes' initial texts
/// and its Calculate button's handler.
struct PageDesign {
    std::span<const ControlDesign> controls;
    /// The controls that take the focus, in Tab order after the tab control.
    std::span<const std::string_view> tabOrder;
    /// The box that receives the focus when the page is selected.
    std::string_view firstBox;
};

/// The tab control on the client area, in twips.
struct TabControlDesign {
    std::string_view name;
    int left;
    int top;
    int width;
    int height;
    int rowHeight;
    std::string_view toolTip;
    int startPage;
};

[[nodiscard]] const TabControlDesign& MainTabControl();
/// The pages in page order, one for each row of the shape table.
[[nodiscard]] std::span<const PageDesign> MainPages();
/// The controls directly on the client area besides the tab control.
[[nodiscard]] std::span<const ControlDesign> MainWindowControls();

/// The client area (menu bar excluded), in twips.
inline constexpr int kClientWidth = 8640;
inline constexpr int kClientHeight = 6804;

}  // namespace loopcalc::shell
