// SPDX-License-Identifier: MIT
// The calculation log through the real window: menu item, check mark,
// Calculate buttons, and the bytes that reach Log.txt.
#include "mainwindow.h"
#include "messagecatcher.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

using loopcalc::shell::MainWindow;
using loopcalc::testing::MessageCatcher;

namespace {

const QByteArray kCircular = "\r\nCircular Wire Wound Air Coil\r\n\r\nRadius = 10 mm\r\nTurns = 11.5\r\n"
                             "Wire Radius = 0.127 mm\r\nInductance =  5.78 \xB5H\r\n\r\n";
const QByteArray kRectangular = "\r\nRectangular Wire Wound Coil\r\n\r\nWidth = 21 mm\r\nHeight = 10 mm\r\nTurns = 11\r\n"
                                "Wire Radius = 0.127 mm\r\nInductance =  5.85 \xB5H\r\n\r\n";
const QByteArray kSpiral = "\r\nFlat Spiral Air Coil\r\n\r\nOuter Radius = 8.5 mm\r\nInner Radius = 7.25 mm\r\n"
                           "Turns = 12\r\nInductance =  4.619 \xB5H\r\n\r\n";
const QByteArray kFlat = "\r\nFlat Rectangular Air Coil\r\n\r\nWidth = 21 mm\r\nHeight = 10 mm\r\nTurns = 11\r\n"
                         "Wire Radius = 0.127 mm\r\nInductance =  5.85 \xB5H\r\n\r\n";

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Takes the headers out of the log, checking each as it goes, so the rest
/// can be compared byte for byte.
QByteArray WithoutHeaders(QByteArray bytes, int* headers)
{
    *headers = 0;
    const QByteArray title = "Log Calculation\r\n ";
    for (qsizetype at = bytes.indexOf(title); at >= 0; at = bytes.indexOf(title)) {
        const qsizetype dateEnd = bytes.indexOf("\r\n\r\n", at + title.size());
        if (dateEnd < 0) {
            break;
        }
        bytes.remove(at, dateEnd + 4 - at);
        ++*headers;
    }
    return bytes;
}

}  // namespace

class WindowLogTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_window = std::make_unique<MainWindow>(nullptr, m_dir->path());
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        m_dir.reset();
    }

    void switchOnWritesTheHeaderAndEveryPageItsRecord()
    {
        toggleLog();
        QVERIFY(logItem()->isChecked());
        QCOMPARE(m_window->nLogFlag(), qint16(1));
        const QByteArray header = FileBytes(logPath());
        QVERIFY(header.startsWith("Log Calculation\r\n "));
        QVERIFY(header.endsWith("\r\n\r\n"));
        QCOMPARE(header.count("\r\n"), 3);

        for (const char* button : {"cmdCalculate2", "cmdCalculate3", "cmdCalculate4", "cmdCalculate1"}) {
            QTest::mouseClick(m_window->findChild<QPushButton*>(button), Qt::LeftButton);
        }
        // On disk while the log is still open: nothing waits in a buffer.
        QCOMPARE(FileBytes(logPath()), header + kCircular + kRectangular + kSpiral + kFlat);
    }

    void offAndOnAgainGivesTwoHeadersAndRecordsOnlyWhileOn()
    {
        QFile existing(logPath());
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("earlier\r\ncontent \xB5\r\n");
        existing.close();

        toggleLog();
        click("cmdCalculate2");
        toggleLog();
        QVERIFY(!logItem()->isChecked());
        QCOMPARE(m_window->nLogFlag(), qint16(0));
        click("cmdCalculate3");  // off: not recorded
        toggleLog();
        // A refusal writes nothing.
        MessageCatcher catcher;
        m_window->findChild<QLineEdit*>("txtTurns1")->setText("0.5");
        click("cmdCalculate1");
        QCOMPARE(catcher.seen.size(), 1);
        click("cmdCalculate1");

        int headers = 0;
        const QByteArray rest = WithoutHeaders(FileBytes(logPath()), &headers);
        QCOMPARE(headers, 2);
        QCOMPARE(rest, QByteArray("earlier\r\ncontent \xB5\r\n") + kCircular + kFlat);
    }

    void recordsUseTheLocaleDecimalSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        toggleLog();
        click("cmdCalculate4");
        QLocale::setDefault(QLocale::c());
        int headers = 0;
        QVERIFY(WithoutHeaders(FileBytes(logPath()), &headers).contains("Outer Radius = 8,5 mm\r\n"
                                                                         "Inner Radius = 7,25 mm\r\n"));
    }

    void aLogThatCannotBeWrittenIsReportedAndStaysOff_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("Log.txt is a folder") << "folder";
        QTest::newRow("full device") << "full";
        QTest::newRow("missing folder") << "missing";
    }

    void aLogThatCannotBeWrittenIsReportedAndStaysOff()
    {
        QFETCH(QString, kind);
        QString folder = m_dir->path();
        if (kind == "folder") {
            QVERIFY(QDir(folder).mkdir("Log.txt"));
        } else if (kind == "full") {
            QVERIFY(QFile::link("/dev/full", logPath()));
        } else {
            folder += "/not-there";
        }
        m_window = std::make_unique<MainWindow>(nullptr, folder);
        m_window->show();

        MessageCatcher catcher;
        toggleLog();
        QCOMPARE(catcher.seen.size(), 1);
        QCOMPARE(catcher.seen[0].icon, QMessageBox::Critical);
        QCOMPARE(catcher.seen[0].caption, QStringLiteral("Inductance Calculation"));
        QVERIFY2(catcher.seen[0].text.startsWith("Cannot write the calculation log " +
                                                 QDir::toNativeSeparators(folder + "/Log.txt") + ": "),
                 qPrintable(catcher.seen[0].text));
        QVERIFY(!logItem()->isChecked());
        QCOMPARE(m_window->nLogFlag(), qint16(0));
        QVERIFY(kind != "missing" || !QDir(folder).exists());
        // The program goes on: calculations work, and the next choice tries again.
        click("cmdCalculate1");
        QCOMPARE(m_window->findChild<QLineEdit*>("txtInductance1")->text(), QStringLiteral(" 5.85 µH"));
        toggleLog();
        QCOMPARE(catcher.seen.size(), 2);
    }

    void exitWithTheLogOnLeavesEveryLineOnDisk()
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LOOPCALC_LOG_EXIT_PROBE"), m_dir->path());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 0);
        int headers = 0;
        QCOMPARE(WithoutHeaders(FileBytes(logPath()), &headers), kCircular + kSpiral);
        QCOMPARE(headers, 1);
    }

private:
    QString logPath() const { return m_dir->path() + "/Log.txt"; }
    QAction* logItem() const { return m_window->findChild<QAction*>("mnuLog"); }
    void toggleLog() { logItem()->trigger(); }
    void click(const char* button) { m_window->findChild<QPushButton*>(button)->click(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
};

namespace {

/// The child of exitWithTheLogOnLeavesEveryLineOnDisk: logs two
/// calculations, then chooses "Exit", which ends the process at once.
int ExitProbe(int argc, char* argv[], const QString& folder)
{
    QApplication app(argc, argv);
    MainWindow window(nullptr, folder);
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnuLog"))->trigger();
    window.findChild<QPushButton*>(QStringLiteral("cmdCalculate2"))->click();
    window.findChild<QPushButton*>(QStringLiteral("cmdCalculate4"))->click();
    window.findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    return 3;
}

}  // namespace

int main(int argc, char* argv[])
{
    const QString probe = qEnvironmentVariable("LOOPCALC_LOG_EXIT_PROBE");
    if (!probe.isEmpty()) {
        return ExitProbe(argc, argv, probe);
    }
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    WindowLogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowlog_test.moc"
