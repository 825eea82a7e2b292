// SPDX-License-Identifier: MIT
// Input as a user gives it: clicks and keys sent to the window at on-screen
// positions, so that whatever covers or clips a control gets them instead.
#pragma once

#include <QApplication>
#include <QList>
#include <QLocale>
#include <QPoint>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace loopcalc::testing {

/// A point of `widget` in its top-level window's coordinates.
inline QPoint InWindow(const QWidget* widget, QPoint pos)
{
    return widget->mapTo(widget->window(), pos);
}

/// The widget a click at `pos` of `widget` would reach: the topmost one
/// there, or nullptr when the point lies outside the window.
inline QWidget* WidgetAt(const QWidget* widget, QPoint pos)
{
    QWidget* top = widget->window();
    const QPoint inTop = InWindow(widget, pos);
    if (!top->rect().contains(inTop)) {
        return nullptr;
    }
    QWidget* hit = top->childAt(inTop);
    return hit != nullptr ? hit : top;
}

/// objectName of a widget, or a word that says there is none.
inline QString NameOf(const QWidget* widget)
{
    if (widget == nullptr) {
        return QStringLiteral("(nothing)");
    }
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

/// A left click at `pos` of `widget`, delivered to its window as a mouse
/// press and release from the platform: the widget gets it only if the
/// user could hit it there.
inline void ClickAt(const QWidget* widget, QPoint pos)
{
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {}, InWindow(widget, pos));
}

/// A left click at the centre of `widget`.
inline void ClickOn(const QWidget* widget)
{
    ClickAt(widget, widget->rect().center());
}

/// A key typed into whatever holds the keyboard focus of `widget`'s window.
inline void TypeKey(const QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(widget->window()->windowHandle(), key, modifiers);
}

/// Text typed key by key into the focused control of `widget`'s window.
inline void TypeText(const QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        QTest::keyClick(widget->window()->windowHandle(), ch.toLatin1());
    }
}

/// The shown top-level windows of that objectName.
inline QList<QWidget*> VisibleWindows(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            found.append(widget);
        }
    }
    return found;
}

/// Drops the offscreen platform's notices that it cannot do what a desktop
/// does for a window (raise it, grab the keyboard, pass on its size hints):
/// every window shown prints some, and in a failed run they buried the
/// failure. Everything else goes on to the test framework's own handler, so
/// call this from a test function or initTestCase, after the framework has
/// installed it.
inline void HidePlatformNotices()
{
    static QtMessageHandler next = nullptr;
    if (next != nullptr) {
        return;
    }
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) {
            return;
        }
        next(type, context, text);
    });
}

/// The user's locale (the toolkit's default) while it lives.
class LocaleForTheTest {
public:
    explicit LocaleForTheTest(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleForTheTest() { QLocale::setDefault(m_saved); }
    LocaleForTheTest(const LocaleForTheTest&) = delete;
    LocaleForTheTest& operator=(const LocaleForTheTest&) = delete;

private:
    QLocale m_saved;
};

}  // namespace loopcalc::testing
