// SPDX-License-Identifier: MIT
// The main window as a user gets it, for the window's tests: shown, active
// and with every page built, its log in a scratch folder of its own, and the
// steps a user takes in it (a page by its tab, a button, a box retyped, a
// menu item) given as real input at on-screen positions.
#pragma once

#include "mainwindow.h"
#include "realinput.h"
#include "tabrows.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace loopcalc::testing {

/// The four pages as the user meets them, in page order: the row's caption,
/// the box that takes the focus when the page is chosen, the Calculate
/// button, the result box and what Calculate shows there for the starting
/// texts.
struct PageFacts {
    const char* name;
    const char* caption;
    const char* firstBox;
    const char* button;
    const char* result;
    const char* startResult;
};
// clang-format off
inline constexpr PageFacts kPages[] = {
    {"circular", "Circular Wire Coil", "txtRadius2", "cmdCalculate2", "txtInductance2", " 5.78 µH"},
    {"rectangular", "Rectangular Wire Coil", "txtWidth4", "cmdCalculate3", "txtInductance4", " 5.85 µH"},
    {"spiral", "Flat Spiral Air Coil", "txtOuterRadius3", "cmdCalculate4", "txtInductance3", " 4.619 µH"},
    {"flat rectangular", "Flat Rectangular Air Coil ", "txtWidth1", "cmdCalculate1", "txtInductance1", " 5.85 µH"},
};
// clang-format on

/// The row captions, in page order.
inline QStringList PageCaptions()
{
    QStringList captions;
    for (const PageFacts& page : kPages) {
        captions << QString::fromUtf8(page.caption);
    }
    return captions;
}

class WindowFixture {
public:
    /// What open() waits for: the window active with every page built (the
    /// pages but the start page are built after the first paint), or nothing.
    enum class Wait { ForAllPages, Not };

    /// A new window in place of any before it, logging into `logFolder`, or
    /// into a new scratch folder when that is empty. False when the wait
    /// failed.
    [[nodiscard]] bool open(const QString& logFolder = QString(), Wait wait = Wait::ForAllPages)
    {
        HidePlatformNotices();
        m_window.reset();
        if (logFolder.isEmpty()) {
            m_scratch = std::make_unique<QTemporaryDir>();
        }
        m_folder = logFolder.isEmpty() ? m_scratch->path() : logFolder;
        m_window = std::make_unique<shell::MainWindow>(nullptr, m_folder);
        m_window->show();
        m_window->activateWindow();
        return wait == Wait::Not || (QTest::qWaitForWindowActive(m_window.get()) &&
                                     QTest::qWaitFor([this] { return m_window->pagesComplete(); }));
    }
    /// The window goes, then its scratch folder.
    void close()
    {
        m_window.reset();
        m_scratch.reset();
    }

    [[nodiscard]] shell::MainWindow* window() const { return m_window.get(); }
    shell::MainWindow* operator->() const { return m_window.get(); }
    [[nodiscard]] shell::TabRows* tabs() const { return m_window->tabControl(); }
    /// The window's log folder, and the Log.txt in it.
    [[nodiscard]] QString folder() const { return m_folder; }
    [[nodiscard]] QString logPath() const { return m_folder + QStringLiteral("/Log.txt"); }

    /// A control by its name; a missing one is a warning and nullptr.
    template <typename T = QWidget>
    [[nodiscard]] T* child(const QString& name) const
    {
        T* widget = m_window->findChild<T*>(name);
        if (widget == nullptr) {
            qWarning("no control %s", qPrintable(name));
        }
        return widget;
    }
    [[nodiscard]] QLineEdit* box(const QString& name) const { return child<QLineEdit>(name); }
    [[nodiscard]] QString text(const QString& name) const { return box(name)->text(); }
    /// objectName of the control with the keyboard focus.
    [[nodiscard]] QString focused() const
    {
        const QWidget* widget = m_window->focusWidget();
        return widget != nullptr ? widget->objectName() : QString();
    }

    /// A click on the page's row of the tab control.
    void selectPage(int page) const
    {
        m_window->activateWindow();
        ClickAt(tabs(), tabs()->rowRect(page).center());
        QCOMPARE(tabs()->currentIndex(), page);
    }
    /// A click on the shown page's row: the tab control takes the keyboard
    /// focus, and the page stays.
    void focusTabs() const
    {
        m_window->activateWindow();
        ClickAt(tabs(), tabs()->rowRect(tabs()->currentIndex()).center());
        QCOMPARE(focused(), tabs()->objectName());
    }
    /// The page holding `widget` selected by its row, unless it is shown.
    void showPageOf(const QWidget* widget) const
    {
        for (int page = 0; page < tabs()->count(); ++page) {
            if (tabs()->page(page)->isAncestorOf(widget) && tabs()->currentIndex() != page) {
                selectPage(page);
            }
        }
    }
    /// The button's page selected if need be, then a click on the button.
    void press(const QString& button) const
    {
        auto* target = child<QPushButton>(button);
        showPageOf(target);
        QVERIFY(target->isVisible());
        ClickOn(target);
    }
    /// A click into the box (on its page), what it holds taken out key by key
    /// and the text typed.
    void retype(const QString& name, const QString& text) const
    {
        QLineEdit* edit = box(name);
        showPageOf(edit);
        m_window->activateWindow();
        ClickOn(edit);
        QTRY_VERIFY(edit->hasFocus());
        TypeKey(edit, Qt::Key_End);
        for (qsizetype i = edit->text().size(); i > 0; --i) {
            TypeKey(edit, Qt::Key_Backspace);
        }
        TypeText(edit, text);
        QCOMPARE(edit->text(), text);
    }
    /// A menu item with the mouse: on the menu bar itself, or in the menu that
    /// the bar opens.
    void choose(const QString& item) const
    {
        m_window->activateWindow();
        QMenuBar* bar = m_window->menuBar();
        auto* action = child<QAction>(item);
        if (bar->actions().contains(action)) {
            ClickAt(bar, bar->actionGeometry(action).center());
            return;
        }
        for (QAction* entry : bar->actions()) {
            QMenu* menu = entry->menu();
            if (menu != nullptr && menu->actions().contains(action)) {
                ClickAt(bar, bar->actionGeometry(entry).center());
                QTRY_VERIFY(menu->isVisible());
                ClickAt(menu, menu->actionGeometry(action).center());
                QTRY_VERIFY(!menu->isVisible());
                return;
            }
        }
        QFAIL(qPrintable("no menu holds " + item));
    }
    /// "&Log Calculations" by the keyboard: Alt+F, then L.
    void toggleLogByKeys() const
    {
        auto* file = child<QMenu>(QStringLiteral("mnuFile"));
        TypeKey(m_window.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file->windowHandle(), Qt::Key_L);
        QTRY_VERIFY(!file->isVisible());
    }

private:
    std::unique_ptr<QTemporaryDir> m_scratch;
    QString m_folder;
    std::unique_ptr<shell::MainWindow> m_window;
};

}  // namespace loopcalc::testing
