// SPDX-License-Identifier: MIT
// The calculators' port onto the real main window.
#include "windowfixture.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

using loopcalc::FormPort;

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
    void logsWhileTheLogMenuIsOn();

private:
    loopcalc::testing::WindowFixture m_ui;
};

void QtFormPortTest::init()
{
    QVERIFY(m_ui.open());
}

void QtFormPortTest::cleanup()
{
    m_ui.close();
}

void QtFormPortTest::readsAndWritesBoxesByName_data()
{
    // clang-format off
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "txtRadius2" << "42";
    QTest::newRow("non-ASCII") << "txtTurns3" << QString::fromUtf8("1,5 µ");
    QTest::newRow("empty") << "txtTrace1" << "";
    // clang-format on
}

void QtFormPortTest::readsAndWritesBoxesByName()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    FormPort& port = m_ui->port();
    port.setText(box.toStdString(), text.toStdString());
    QCOMPARE(m_ui.text(box), text);
    QCOMPARE(QString::fromStdString(port.text(box.toStdString())), text);
}

void QtFormPortTest::unknownNamesAreHarmless()
{
    FormPort& port = m_ui->port();
    QCOMPARE(port.text("txtNoSuchBox"), std::string());
    // A label is not a box.
    QCOMPARE(port.text("lblRFID"), std::string());
    port.setText("txtNoSuchBox", "1");
    port.setFocus("txtNoSuchBox");
    QCOMPARE(m_ui.focused(), QStringLiteral("SSTab1"));
}

void QtFormPortTest::writesResultBoxesTheUserCannot()
{
    FormPort& port = m_ui->port();
    port.setText("txtInductance1", " 1.23 nH");
    QLineEdit* result = m_ui.box(QStringLiteral("txtInductance1"));
    QCOMPARE(result->text(), QStringLiteral(" 1.23 nH"));
    QVERIFY(result->isReadOnly());
}

void QtFormPortTest::movesTheFocus()
{
    FormPort& port = m_ui->port();
    port.setFocus("txtTrace1");
    QCOMPARE(m_ui.focused(), QStringLiteral("txtTrace1"));
    port.setFocus("txtHeight1");
    QCOMPARE(m_ui.focused(), QStringLiteral("txtHeight1"));
}

void QtFormPortTest::logsWhileTheLogMenuIsOn()
{
    FormPort& port = m_ui->port();
    QVERIFY(!port.logging());
    // With no log open, lines go nowhere and nothing breaks.
    port.logLine("Before = 1 mm");
    port.endLogRecord();
    m_ui.toggleLogByKeys();
    QVERIFY(port.logging());
    port.logLine("During = 2 mm");
    port.endLogRecord();
    m_ui.toggleLogByKeys();
    QVERIFY(!port.logging());
    port.logLine("After = 3 mm");
    port.endLogRecord();

    QFile log(m_ui.logPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray bytes = log.readAll();
    QVERIFY(bytes.contains("During = 2 mm\r\n"));
    QVERIFY(!bytes.contains("Before"));
    QVERIFY(!bytes.contains("After"));
}

QTEST_MAIN(QtFormPortTest)
#include "qtformport_test.moc"
