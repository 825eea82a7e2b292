// SPDX-License-Identifier: MIT
#include "entryfilter.h"

#include "shapes.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QLocale>

#include <array>

namespace loopcalc::shell {

namespace {

bool IsClipboardShortcut(const QKeyEvent& event)
{
    return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Cut);
}

}  // namespace

int LocaleDecimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 ? separator.at(0).unicode() : '.';
}

int TypedCharacter(const QKeyEvent& event)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Backspace: return kBackspaceCode;
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return -1;
    default: break;
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    // Ctrl+Alt is AltGr on some keyboards and types an ordinary character.
    const bool control = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    if (control && key >= Qt::Key_At && key <= Qt::Key_Underscore) {
        return key - Qt::Key_At;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return -1;
    }
    return text.at(0).unicode();
}

EntryFilter::EntryFilter(int lengthLimit, QObject* parent)
    : QObject(parent)
    , m_lengthLimit(lengthLimit)
{
}

bool EntryFilter::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) {
        return false;
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        // Claim the clipboard shortcuts for the box, so that no window-wide
        // shortcut acts on them; the key press that follows is swallowed.
        if (IsClipboardShortcut(*key)) {
            key->accept();
            return true;
        }
        return false;
    }
    if (IsClipboardShortcut(*key)) {
        return true;
    }
    const int code = TypedCharacter(*key);
    if (code < 0) {
        return false;
    }
    // Read at each key: the user's locale is the one the calculators read with.
    const int separator = LocaleDecimalSeparator();
    if (FilterTypedKey(code, box->text().size(), m_lengthLimit, separator) == KeyVerdict::Swallow) {
        return true;
    }
    // Several characters in one event (a composed key) must all fit.
    const QString text = key->text();
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (FilterTypedKey(text.at(i).unicode(), box->text().size() + i, m_lengthLimit, separator) ==
            KeyVerdict::Swallow) {
            return true;
        }
    }
    return false;
}

void InstallEntryFilters(QWidget* window)
{
    if (window == nullptr) {
        return;
    }
    for (const Shape& shape : Shapes()) {
        for (const ShapeField& field : shape.fields) {
            const QString name = QString::fromLatin1(field.box.data(), static_cast<qsizetype>(field.box.size()));
            auto* box = window->findChild<QLineEdit*>(name);
            if (box == nullptr || box->findChild<EntryFilter*>(QString(), Qt::FindDirectChildrenOnly) != nullptr) {
                continue;
            }
            // Input methods deliver composed text outside key presses; these
            // boxes take plain digits only, so every character comes as a key.
            box->setAttribute(Qt::WA_InputMethodEnabled, false);
            box->installEventFilter(new EntryFilter(field.lengthLimit, box));
        }
    }
}

}  // namespace loopcalc::shell
