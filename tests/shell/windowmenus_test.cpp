// SPDX-License-Identifier: MIT
// The formula windows, the About box and the entry filter, reached through
// the real main window's menus and boxes.
#include "windowfixture.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using loopcalc::testing::ClickOn;
using loopcalc::testing::LocaleForTheTest;
using loopcalc::testing::TypeKey;
using loopcalc::testing::TypeText;
using loopcalc::testing::VisibleWindows;
using loopcalc::testing::WindowFixture;

class WindowMenusTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_ui.open()); }
    void cleanup() { m_ui.close(); }

    void eachMenuItemOpensOneWindowOfItsKind_data()
    {
        // clang-format off
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("window");
        QTest::newRow("flat spiral") << "mnuFsc" << "mnuFsc" << "frmUla2";
        QTest::newRow("circular") << "mnuCwc" << "mnuCwc" << "frmUla1";
        QTest::newRow("rectangular shared") << "mnuFrc" << "mnuRwC" << "frmUla";
        QTest::newRow("about") << "mnuAbout" << "mnuAbout" << "frmAbout";
        // clang-format on
    }

    void eachMenuItemOpensOneWindowOfItsKind()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, window);
        m_ui.choose(first);
        m_ui.choose(second);
        QCOMPARE(VisibleWindows(window).size(), 1);
        QWidget* shown = VisibleWindows(window).front();
        QVERIFY(shown->parentWidget() == nullptr);
        QVERIFY(!shown->isModal());

        // The main window stays usable while it is open.
        m_ui.retype("txtTurns1", "12");
        auto* calculate = m_ui.child<QPushButton>("cmdCalculate1");
        QVERIFY(calculate->isVisible());
        ClickOn(calculate);
        QCOMPARE(m_ui.text("txtInductance1"), QStringLiteral(" 6.97 µH"));

        // Closing destroys it; the next choice creates it anew.
        QPointer<QWidget> closed = shown;
        shown->close();
        QTRY_VERIFY(closed.isNull());
        m_ui.choose(first);
        QCOMPARE(VisibleWindows(window).size(), 1);
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
        m_ui.retype(box, QString());
        auto* edit = m_ui.box(box);
        TypeText(edit, "1a-E ,.2.3456789");
        const QString expected = QStringLiteral("1.2.3456789").left(limit);
        QCOMPARE(edit->text(), expected);
        TypeKey(edit, Qt::Key_Backspace);
        TypeText(edit, "9");
        QCOMPARE(edit->text(), expected.left(limit - 1) + "9");
    }

private:
    WindowFixture m_ui;
};

QTEST_MAIN(WindowMenusTest)
#include "windowmenus_test.moc"
