// SPDX-License-Identifier: MIT
// The typed-key rule of the input boxes: digits, the point and backspace,
// up to a length fixed per box.
#pragma once

#include <QObject>
#include <QtGlobal>

#include <span>
#include <string_view>

class QWidget;
class QKeyEvent;

namespace loopcalc::shell {

/// What happens to one typed character.
enum class KeyVerdict { Pass, Swallow };

/// The character code of backspace; it passes at any length.
inline constexpr int kBackspaceCode = 8;

/// The rule for one typed character code (a printable or control character,
/// as the box would receive it) in a box whose whole text currently holds
/// `currentLength` characters, selected or not. Any key but backspace is
/// swallowed once the text holds `lengthLimit` characters; below it only
/// backspace, "." and the digits 0 to 9 pass, and the user's own decimal
/// separator (`decimalSeparator`, the comma in many locales) as well: the
/// calculators read it, and the keypad's decimal key types it.
[[nodiscard]] constexpr KeyVerdict FilterTypedKey(int keyCode, qsizetype currentLength, int lengthLimit,
                                                  int decimalSeparator = '.')
{
    if (keyCode != kBackspaceCode && currentLength >= lengthLimit) {
        return KeyVerdict::Swallow;
    }
    const bool accepted = keyCode == kBackspaceCode || keyCode == '.' || keyCode == decimalSeparator ||
                          (keyCode >= '0' && keyCode <= '9');
    return accepted ? KeyVerdict::Pass : KeyVerdict::Swallow;
}

/// The decimal separator of the user's locale as one character code, or "."
/// where the locale has none of a single character.
[[nodiscard]] int LocaleDecimalSeparator();

/// The character a key event would type into a line edit, as the rule sees
/// it, or -1 for a key that types none (arrows, Home, End, Delete, function
/// keys) or that the window rather than the box acts on (Tab, Enter, Esc).
/// Control plus a letter gives its control character (Ctrl+C is 3,
/// Ctrl+V 22, Ctrl+X 24), whatever text the platform attached to it.
[[nodiscard]] int TypedCharacter(const QKeyEvent& event);

/// Event filter that applies the rule to one QLineEdit before the box sees
/// the key. A swallowed key leaves the text and the selection as they were.
/// The clipboard shortcuts are swallowed too, also where they arrive as
/// standard key sequences rather than control characters, so that the box
/// never copies, cuts or pastes from the keyboard. Text that arrives by
/// other means (the context menu's Paste, setText) is not filtered.
class EntryFilter : public QObject {
    Q_OBJECT
public:
    EntryFilter(int lengthLimit, QObject* parent);

    [[nodiscard]] int lengthLimit() const { return m_lengthLimit; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_lengthLimit;
};

/// Finds the input boxes of the shape table by objectName below `window` and
/// gives each its filter with the table's length limit, owned by the box.
/// Boxes it cannot find are skipped; a box that already has its filter does
/// not get a second one.
void InstallEntryFilters(QWidget* window);

}  // namespace loopcalc::shell
