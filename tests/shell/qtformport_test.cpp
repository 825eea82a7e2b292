// SPDX-License-Identifier: MIT
// The calculators' port onto the real main window.
#include "mainwindow.h"
#include "realinput.h"
#include "tabrows.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using loopcalc::FormPort;
using loopcalc::shell::MainWindow;
using loopcalc::testing::TypeKey;

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

void QtFormPortTest::logsWhileTheLogMenuIsOn()
{
    QTemporaryDir folder;
    MainWindow window(nullptr, folder.path());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* file = window.findChild<QMenu*>(QStringLiteral("mnuFile"));
    const auto toggleLog = [&window, file]() {
        TypeKey(&window, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file->windowHandle(), Qt::Key_L);
        QTRY_VERIFY(!file->isVisible());
    };
    FormPort& port = window.port();
    QVERIFY(!port.logging());
    // With no log open, lines go nowhere and nothing breaks.
    port.logLine("Before = 1 mm");
    port.endLogRecord();
    toggleLog();
    QVERIFY(port.logging());
    port.logLine("During = 2 mm");
    port.endLogRecord();
    toggleLog();
    QVERIFY(!port.logging());
    port.logLine("After = 3 mm");
    port.endLogRecord();

    QFile log(folder.filePath(QStringLiteral("Log.txt")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray bytes = log.readAll();
    QVERIFY(bytes.contains("During = 2 mm\r\n"));
    QVERIFY(!bytes.contains("Before"));
    QVERIFY(!bytes.contains("After"));
}

QTEST_MAIN(QtFormPortTest)
#include "qtformport_test.moc"
