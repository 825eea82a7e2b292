// SPDX-License-Identifier: MIT
// The formula windows, the About box and the entry filter, reached through
// the real main window's menus and boxes.
#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using loopcalc::shell::MainWindow;

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
        QTest::newRow("flat spiral") << "mnuFsc" << "mnuFsc" << "frmUla2";
        QTest::newRow("circular") << "mnuCwc" << "mnuCwc" << "frmUla1";
        QTest::newRow("rectangular shared") << "mnuFrc" << "mnuRwC" << "frmUla";
        QTest::newRow("about") << "mnuAbout" << "mnuAbout" << "frmAbout";
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
        auto* turns = m_window->findChild<QLineEdit*>("txtTurns1");
        turns->setText("12");
        m_window->findChild<QPushButton*>("cmdCalculate1")->click();
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
        auto* edit = m_window->findChild<QLineEdit*>(box);
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, "1a-E ,.2.3456789");
        const QString expected = QStringLiteral("1.2.3456789").left(limit);
        QCOMPARE(edit->text(), expected);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, "9");
        QCOMPARE(edit->text(), expected.left(limit - 1) + "9");
    }

    void resultBoxesTakeNoTyping()
    {
        auto* result = m_window->findChild<QLineEdit*>("txtInductance2");
        const QString before = result->text();
        QTest::keyClicks(result, "123");
        QCOMPARE(result->text(), before);
    }

private:
    void choose(const QString& item) { m_window->findChild<QAction*>(item)->trigger(); }
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
