// SPDX-License-Identifier: MIT
// The calculators' port onto the real main window.
#include "mainwindow.h"
#include "tabrows.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <memory>

using loopcalc::FormPort;
using loopcalc::shell::MainWindow;

class QtFormPortTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsAndWritesBoxesByName_data();
    void readsAndWritesBoxesByName();
    void unknownNamesAreHarmless();
    void writesResultBoxesTheUserCannot();
    void movesTheFocus();
    void loggingFollowsTheWindowsFlag();
    void decimalSeparatorIsTheLocales_data();
    void decimalSeparatorIsTheLocales();

private:
    std::unique_ptr<MainWindow> m_window;
};

void QtFormPortTest::init()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // The pages other than the start page are built after the first paint.
    QTRY_VERIFY(m_window->pagesComplete());
}

void QtFormPortTest::cleanup()
{
    m_window.reset();
}

void QtFormPortTest::readsAndWritesBoxesByName_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "txtRadius2"
                           << "42";
    QTest::newRow("non-ASCII") << "txtTurns3" << QString::fromUtf8("1,5 µ");
    QTest::newRow("empty") << "txtTrace1"
                           << "";
}

void QtFormPortTest::readsAndWritesBoxesByName()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    FormPort& port = m_window->port();
    port.setText(box.toStdString(), text.toStdString());
    QCOMPARE(m_window->findChild<QLineEdit*>(box)->text(), text);
    QCOMPARE(QString::fromStdString(port.text(box.toStdString())), text);
}

void QtFormPortTest::unknownNamesAreHarmless()
{
    FormPort& port = m_window->port();
    QCOMPARE(port.text("txtNoSuchBox"), std::string());
    // A label is not a box.
    QCOMPARE(port.text("lblRFID"), std::string());
    port.setText("txtNoSuchBox", "1");
    port.setFocus("txtNoSuchBox");
    QCOMPARE(m_window->focusWidget()->objectName(), QStringLiteral("SSTab1"));
}

void QtFormPortTest::writesResultBoxesTheUserCannot()
{
    FormPort& port = m_window->port();
    port.setText("txtInductance1", " 1.23 nH");
    QLineEdit* result = m_window->findChild<QLineEdit*>(QStringLiteral("txtInductance1"));
    QCOMPARE(result->text(), QStringLiteral(" 1.23 nH"));
    QVERIFY(result->isReadOnly());
}

void QtFormPortTest::movesTheFocus()
{
    FormPort& port = m_window->port();
    port.setFocus("txtTrace1");
    QCOMPARE(m_window->focusWidget()->objectName(), QStringLiteral("txtTrace1"));
    port.setFocus("txtHeight1");
    QCOMPARE(m_window->focusWidget()->objectName(), QStringLiteral("txtHeight1"));
}

void QtFormPortTest::loggingFollowsTheWindowsFlag()
{
    FormPort& port = m_window->port();
    QVERIFY(!port.logging());
    m_window->setNLogFlag(1);
    QVERIFY(port.logging());
    m_window->setNLogFlag(-1);
    QVERIFY(port.logging());
    m_window->setNLogFlag(0);
    QVERIFY(!port.logging());
    // With no log open, lines go nowhere and nothing breaks.
    port.logLine("Width = 21 mm");
    port.endLogRecord();
}

void QtFormPortTest::decimalSeparatorIsTheLocales_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("separator");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << ".";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << ",";
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << ",";
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan) << ".";
}

void QtFormPortTest::decimalSeparatorIsTheLocales()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, separator);
    const QLocale saved;
    QLocale::setDefault(locale);
    const std::string got = m_window->port().decimalSeparator();
    QLocale::setDefault(saved);
    QCOMPARE(QString::fromStdString(got), separator);
}

QTEST_MAIN(QtFormPortTest)
#include "qtformport_test.moc"
