// SPDX-License-Identifier: MIT
// The calculation log through the real window: menu item, check mark,
// Calculate buttons, and the bytes that reach Log.txt.
#include "filetrouble.h"
#include "logrecords.h"
#include "mainwindow.h"
#include "messagecatcher.h"
#include "windowfixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using loopcalc::testing::BindSocket;
using loopcalc::testing::FileSizeLimit;
using loopcalc::testing::MessageCatcher;
using loopcalc::testing::StartAsAFreshProcess;
using loopcalc::testing::WindowFixture;

namespace {

/// A shape's record as the file holds it, from its page's starting texts.
QByteArray Record(const char* shape, const char* separator = ".")
{
    using namespace loopcalc::testing;
    return QByteArray::fromStdString(InFile(WithSeparator(StartRecord(shape), separator)));
}

const QByteArray kCircular = Record("circular");
const QByteArray kRectangular = Record("rectangular");
const QByteArray kSpiral = Record("spiral");
const QByteArray kFlat = Record("flat-rectangular");

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
        StartAsAFreshProcess();
        QVERIFY(m_ui.open());
    }
    void cleanup()
    {
        alarm(0);
        m_limit.reset();
        if (m_pipeReader >= 0) {
            ::close(m_pipeReader);
            m_pipeReader = -1;
        }
        m_ui.close();
        QLocale::setDefault(QLocale::c());
    }

    void switchOnWritesTheHeaderAndEveryPageItsRecord()
    {
        toggleLog();
        QVERIFY(logItem()->isChecked());
        QCOMPARE(m_ui->nLogFlag(), qint16(1));
        const QByteArray header = FileBytes(logPath());
        QVERIFY(header.startsWith("Log Calculation\r\n "));
        QVERIFY(header.endsWith("\r\n\r\n"));
        QCOMPARE(header.count("\r\n"), 3);

        for (const auto& page : loopcalc::testing::kPages) {
            m_ui.press(page.button);
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

        m_ui.toggleLogByKeys();
        m_ui.press("cmdCalculate2");
        toggleLog();
        QVERIFY(!logItem()->isChecked());
        QCOMPARE(m_ui->nLogFlag(), qint16(0));
        m_ui.press("cmdCalculate3");  // off: not recorded
        m_ui.toggleLogByKeys();
        // A refusal writes nothing.
        MessageCatcher catcher;
        m_ui.retype("txtTurns1", "0.5");
        m_ui.press("cmdCalculate1");
        QCOMPARE(catcher.seen.size(), 1);
        m_ui.press("cmdCalculate1");

        int headers = 0;
        const QByteArray rest = WithoutHeaders(FileBytes(logPath()), &headers);
        QCOMPARE(headers, 2);
        QCOMPARE(rest, QByteArray("earlier\r\ncontent \xB5\r\n") + kCircular + kFlat);
    }

    void recordsUseTheLocaleWhereTheCodePageHoldsIt_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("dateLine");
        QTest::addColumn<QByteArray>("record");
        const QByteArray comma = Record("spiral", ",");
        QTest::newRow("English") << "en_US"
                                 << R"(\d\d?/\d\d?/\d\d( \d\d?:\d\d:\d\d [AP]M)?)" << kSpiral;
        QTest::newRow("German") << "de_DE"
                                << R"(\d\d\.\d\d\.\d\d( \d\d:\d\d:\d\d)?)" << comma;
        QTest::newRow("French") << "fr_FR"
                                << R"(\d\d/\d\d/\d{4}( \d\d:\d\d:\d\d)?)" << comma;
        // Neither the decimal separator nor the digits of the date fit the
        // code page: "." and the ISO date and time instead of "?".
        QTest::newRow("Arabic (Egypt)") << "ar_EG"
                                        << R"(\d{4}-\d\d-\d\d( \d\d:\d\d:\d\d)?)" << kSpiral;
        QTest::newRow("Persian") << "fa_IR"
                                 << R"(\d{4}-\d\d-\d\d( \d\d:\d\d:\d\d)?)" << kSpiral;
    }

    void recordsUseTheLocaleWhereTheCodePageHoldsIt()
    {
        QFETCH(QString, locale);
        QFETCH(QString, dateLine);
        QFETCH(QByteArray, record);
        QLocale::setDefault(QLocale(locale));
        QVERIFY(m_ui.open(m_ui.folder()));
        toggleLog();
        m_ui.press("cmdCalculate4");
        const QByteArray bytes = FileBytes(logPath());
        const QList<QByteArray> lines = bytes.split('\n');
        QVERIFY(lines.size() > 3);
        QCOMPARE(lines[0], QByteArray("Log Calculation\r"));
        const QRegularExpression date("^ " + dateLine + "\r$");
        QVERIFY2(date.match(QString::fromLatin1(lines[1])).hasMatch(), lines[1].constData());
        int headers = 0;
        QCOMPARE(WithoutHeaders(bytes, &headers), record);
    }

    void aLogThatCannotBeWrittenIsReportedAndStaysOff_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("Log.txt is a folder") << "folder";
        QTest::newRow("full device") << "full";
        QTest::newRow("missing folder") << "missing";
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("named pipe with a reader") << "pipe-read";
        QTest::newRow("null device") << "null";
        QTest::newRow("socket") << "socket";
        // A full disk: the header does not fit.
        QTest::newRow("file-size limit reached") << "limit";
    }

    void aLogThatCannotBeWrittenIsReportedAndStaysOff()
    {
        QFETCH(QString, kind);
        QString folder = m_ui.folder();
        if (kind == "folder") {
            QVERIFY(QDir(folder).mkdir("Log.txt"));
        } else if (kind == "full" || kind == "null") {
            QVERIFY(QFile::link("/dev/" + kind, logPath()));
        } else if (kind.startsWith("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(logPath()).constData(), 0600), 0);
            if (kind == "pipe-read") {
                m_pipeReader = ::open(QFile::encodeName(logPath()).constData(), O_RDONLY | O_NONBLOCK);
                QVERIFY(m_pipeReader >= 0);
            }
        } else if (kind == "socket") {
            QVERIFY(BindSocket(logPath()));
        } else if (kind == "limit") {
            QFile existing(logPath());
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("earlier\r\n");
            existing.close();
            m_limit.emplace(rlim_t(existing.size() + 10));
        } else {
            folder += "/not-there";
        }
        QVERIFY(m_ui.open(folder));

        MessageCatcher catcher;
        toggleLog();
        QCOMPARE(catcher.seen.size(), 1);
        QCOMPARE(catcher.seen[0].icon, QMessageBox::Critical);
        QCOMPARE(catcher.seen[0].caption, QStringLiteral("Inductance Calculation"));
        QVERIFY2(catcher.seen[0].text.startsWith("Cannot write the calculation log " +
                                                 QDir::toNativeSeparators(folder + "/Log.txt") + ": "),
                 qPrintable(catcher.seen[0].text));
        QVERIFY(!logItem()->isChecked());
        QCOMPARE(m_ui->nLogFlag(), qint16(0));
        QVERIFY(kind != "missing" || !QDir(folder).exists());
        QVERIFY(kind != "limit" || FileBytes(logPath()) == "earlier\r\n");
        QVERIFY2(m_pipeReader < 0 || ::read(m_pipeReader, nullptr, 0) == 0, "nothing reached the pipe");
        // The program goes on: calculations work, and the next choice tries again.
        m_ui.press("cmdCalculate1");
        QCOMPARE(m_ui.text("txtInductance1"), QStringLiteral(" 5.85 µH"));
        toggleLog();
        QCOMPARE(catcher.seen.size(), 2);
    }

    void aRecordThatDoesNotFitSwitchesTheLogOff_data()
    {
        QTest::addColumn<int>("room");
        QTest::newRow("no room") << 0;
        QTest::newRow("the title fits") << 40;
        QTest::newRow("all but the last line end") << int(kSpiral.size()) - 1;
    }

    void aRecordThatDoesNotFitSwitchesTheLogOff()
    {
        QFETCH(int, room);
        m_ui.toggleLogByKeys();
        m_ui.press("cmdCalculate1");
        const QByteArray before = FileBytes(logPath());
        MessageCatcher catcher;
        {
            FileSizeLimit limit(rlim_t(before.size() + room));
            m_ui.press("cmdCalculate4");
            // The calculation itself is unaffected.
            QCOMPARE(m_ui.text("txtInductance3"), QStringLiteral(" 4.619 µH"));
            QCOMPARE(catcher.seen.size(), 1);
            QCOMPARE(catcher.seen[0].icon, QMessageBox::Critical);
            QCOMPARE(catcher.seen[0].text,
                     "Cannot write the calculation log " + QDir::toNativeSeparators(logPath()) + ": File too large");
            QVERIFY(!logItem()->isChecked());
            QCOMPARE(m_ui->nLogFlag(), qint16(0));
            // Whole or not at all: the cut record is taken out again.
            QCOMPARE(FileBytes(logPath()), before);
            m_ui.press("cmdCalculate1");
        }
        QCOMPARE(catcher.seen.size(), 1);
        QCOMPARE(FileBytes(logPath()), before);
        // Switched on again, the log goes on after the last whole record.
        toggleLog();
        m_ui.press("cmdCalculate1");
        int headers = 0;
        QCOMPARE(WithoutHeaders(FileBytes(logPath()), &headers), kFlat + kFlat);
        QCOMPARE(headers, 2);
    }

    void exitWithTheLogOnLeavesEveryLineOnDisk()
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LOOPCALC_LOG_EXIT_PROBE"), m_ui.folder());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 0);
        int headers = 0;
        QCOMPARE(WithoutHeaders(FileBytes(logPath()), &headers), kCircular + kSpiral);
        QCOMPARE(headers, 1);
    }

private:
    QString logPath() const { return m_ui.logPath(); }
    QAction* logItem() const { return m_ui.child<QAction>("mnuLog"); }
    void toggleLog() const { m_ui.choose("mnuLog"); }

    int m_pipeReader = -1;
    std::optional<FileSizeLimit> m_limit;
    WindowFixture m_ui;
};

namespace {

/// The child of exitWithTheLogOnLeavesEveryLineOnDisk: logs two
/// calculations, then chooses "Exit", which ends the process at once.
int ExitProbe(int argc, char* argv[], const QString& folder)
{
    QApplication app(argc, argv);
    WindowFixture ui;
    if (!ui.open(folder)) {
        return 2;
    }
    ui.choose("mnuLog");
    ui.press("cmdCalculate2");
    ui.press("cmdCalculate4");
    ui.choose("mnuExit");
    return 3;
}

}  // namespace

int main(int argc, char* argv[])
{
    const QString probe = qEnvironmentVariable("LOOPCALC_LOG_EXIT_PROBE");
    if (!probe.isEmpty()) {
        return ExitProbe(argc, argv, probe);
    }
    // The same on any desktop: the system's reasons in English and the exit
    // probe's records with ".", whatever the developer's own locale is.
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    WindowLogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowlog_test.moc"
