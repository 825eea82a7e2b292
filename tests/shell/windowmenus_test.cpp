// SPDX-License-Identifier: MIT
// The formula windows, the About box and the entry filter, reached through
// the real main window's menus and boxes.
#include "mainwindow.h"
#include "realinput.h"
#include "tabrows.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <memory>

using loopcalc::shell::MainWindow;
using loopcalc::testing::ClickAt;
using loopcalc::testing::ClickOn;
using loopcalc::testing::TypeKey;
using loopcalc::testing::TypeText;

namespace {

int TopLevelCount(const QString& name)
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            ++count;
        }
    }
    return count;
}

/// The toolkit's default locale while it lives.
class LocaleForTheTest {
public:
    explicit LocaleForTheTest(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleForTheTest() { QLocale::setDefault(m_saved); }
    LocaleForTheTest(const LocaleForTheTest&) = delete;
    LocaleForTheTest& operator=(const LocaleForTheTest&) = delete;

private:
    QLocale m_saved;
};

}  // namespace

class WindowMenusTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QTRY_VERIFY(m_window->pagesComplete());
    }
    void cleanup() { m_window.reset(); }

    void eachMenuItemOpensOneWindowOfItsKind_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("window");
        QTest::newRow("flat spiral") << "mnuFsc"
                                     << "mnuFsc"
                                     << "frmUla2";
        QTest::newRow("circular") << "mnuCwc"
                                  << "mnuCwc"
                                  << "frmUla1";
        QTest::newRow("rectangular shared") << "mnuFrc"
                                            << "mnuRwC"
                                            << "frmUla";
        QTest::newRow("about") << "mnuAbout"
                               << "mnuAbout"
                               << "frmAbout";
    }

    void eachMenuItemOpensOneWindowOfItsKind()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, window);
        choose(first);
        choose(second);
        QCOMPARE(TopLevelCount(window), 1);
        QWidget* shown = visibleTopLevel(window);
        QVERIFY(shown != nullptr);
        QVERIFY(shown->parentWidget() == nullptr);
        QVERIFY(!shown->isModal());

        // The main window stays usable while it is open.
        retype("txtTurns1", "12");
        auto* calculate = m_window->findChild<QPushButton*>("cmdCalculate1");
        QVERIFY(calculate->isVisible());
        ClickOn(calculate);
        QCOMPARE(m_window->findChild<QLineEdit*>("txtInductance1")->text(), QStringLiteral(" 6.97 µH"));

        // Closing destroys it; the next choice creates it anew.
        QPointer<QWidget> closed = shown;
        shown->close();
        QTRY_VERIFY(closed.isNull());
        choose(first);
        QCOMPARE(TopLevelCount(window), 1);
    }

    void theInputBoxesFilterTypedKeys_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("limit");
        QTest::newRow("txtRadius2") << "txtRadius2" << 6;
        QTest::newRow("txtTurns2") << "txtTurns2" << 4;
        QTest::newRow("txtWireRad4") << "txtWireRad4" << 6;
        QTest::newRow("txtTurns4") << "txtTurns4" << 5;
        QTest::newRow("txtTurns3") << "txtTurns3" << 4;
        QTest::newRow("txtTrace1") << "txtTrace1" << 6;
    }

    void theInputBoxesFilterTypedKeys()
    {
        QFETCH(QString, box);
        QFETCH(int, limit);
        // The rule of a decimal-point locale, whatever the machine's is.
        const LocaleForTheTest point(QLocale::c());
        retype(box, QString());
        auto* edit = m_window->findChild<QLineEdit*>(box);
        TypeText(edit, "1a-E ,.2.3456789");
        const QString expected = QStringLiteral("1.2.3456789").left(limit);
        QCOMPARE(edit->text(), expected);
        TypeKey(edit, Qt::Key_Backspace);
        TypeText(edit, "9");
        QCOMPARE(edit->text(), expected.left(limit - 1) + "9");
    }

    // A decimal-comma user typing "22,5" gets 22.5, never 225 or 22 without
    // a word.
    void aDecimalCommaIsReadAsTheLocalesSeparator()
    {
        const LocaleForTheTest comma(QLocale(QLocale::German, QLocale::Germany));
        const auto inductanceFor = [this](const QString& width) {
            retype("txtWidth1", width);
            ClickOn(m_window->findChild<QPushButton*>("cmdCalculate1"));
            return m_window->findChild<QLineEdit*>("txtInductance1")->text();
        };
        const QString withPoint = inductanceFor("22.5");
        QCOMPARE(inductanceFor("22,5"), withPoint);
        QVERIFY(inductanceFor("225") != withPoint);
        QVERIFY(inductanceFor("22") != withPoint);
    }

    void resultBoxesTakeNoTyping()
    {
        auto* result = m_window->findChild<QLineEdit*>("txtInductance2");
        showPageOf(result);
        const QString before = result->text();
        ClickOn(result);
        TypeText(result, "123");
        QCOMPARE(result->text(), before);
    }

private:
    /// The item with the mouse: on the menu bar itself, or in the menu that
    /// the bar opens.
    void choose(const QString& item)
    {
        m_window->activateWindow();
        QMenuBar* bar = m_window->menuBar();
        auto* action = m_window->findChild<QAction*>(item);
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
    /// The box's page by its tab, a click into the box, what it holds taken
    /// out key by key and the text typed.
    void retype(const QString& box, const QString& text)
    {
        auto* edit = m_window->findChild<QLineEdit*>(box);
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
    void showPageOf(const QWidget* widget)
    {
        loopcalc::shell::TabRows* tabs = m_window->tabControl();
        for (int page = 0; page < tabs->count(); ++page) {
            if (tabs->page(page)->isAncestorOf(widget) && tabs->currentIndex() != page) {
                ClickAt(tabs, tabs->rowRect(page).center());
            }
        }
    }
    static QWidget* visibleTopLevel(const QString& name)
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == name && widget->isVisible()) {
                return widget;
            }
        }
        return nullptr;
    }

    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(WindowMenusTest)
#include "windowmenus_test.moc"
