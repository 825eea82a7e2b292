// SPDX-License-Identifier: MIT
#include "calclog.h"

#include "fakeformport.h"
#include "filetrouble.h"
#include "logrecords.h"
#include "shapes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace loopcalc {
namespace {

using testing::BindSocket;
using testing::FileSizeLimit;
using testing::StartAsAFreshProcess;

const QDateTime kEvening(QDate(2026, 12, 7), QTime(17, 45, 9));
const std::string kEveningHeader = "Log Calculation\r\n 12/7/26 5:45:09 PM\r\n\r\n";

/// A page whose log lines go to a CalcLog, as the window's port sends them.
class LoggingPort : public testing::FakeFormPort {
public:
    explicit LoggingPort(CalcLog& target)
        : m_log(target)
    {
    }
    [[nodiscard]] bool logging() const override { return m_log.isOn(); }
    void logLine(const std::string& line) override { m_log.writeLine(line); }
    void endLogRecord() override
    {
        if (!m_log.endRecord(&lastError))
            ++failedRecords;
    }

    QString lastError;
    int failedRecords = 0;

private:
    CalcLog& m_log;
};

std::string FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<cannot read " + path.toStdString() + ">";
    return file.readAll().toStdString();
}

void WriteFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

class CalcLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        StartAsAFreshProcess();
    }
    void TearDown() override { alarm(0); }

    QString folder() const { return m_dir.path(); }
    QString logPath() const { return m_dir.filePath(QStringLiteral("Log.txt")); }
    CalcLog makeLog() const
    {
        return CalcLog(
            folder(), [] { return kEvening; }, QLocale(QStringLiteral("en_US")));
    }

    QTemporaryDir m_dir;
};

TEST_F(CalcLogTest, PathIsTheFolderAndLogTxt)
{
    EXPECT_EQ(CalcLog(QStringLiteral("/opt/x")).path().toStdString(), "/opt/x/Log.txt");
}

TEST_F(CalcLogTest, SwitchOnCreatesTheFileWithItsHeader)
{
    CalcLog log = makeLog();
    EXPECT_FALSE(log.isOn());
    QString error = QStringLiteral("untouched");
    ASSERT_TRUE(log.switchOn(&error));
    EXPECT_TRUE(log.isOn());
    EXPECT_EQ(error.toStdString(), "untouched");
    // On disk before anything else happens: the header is made durable at once.
    EXPECT_EQ(FileBytes(logPath()), kEveningHeader);
}

TEST_F(CalcLogTest, OnOffOnGivesTwoHeadersAndNothingWhileOff)
{
    std::vector<QDateTime> times = {kEvening, QDateTime(QDate(2026, 12, 8), QTime(0, 0, 0))};
    std::size_t call = 0;
    CalcLog log(
        folder(), [&] { return times.at(call++); }, QLocale(QStringLiteral("de_DE")));
    ASSERT_TRUE(log.switchOn(nullptr));
    log.writeLine("first");
    EXPECT_TRUE(log.switchOff(nullptr));
    EXPECT_FALSE(log.isOn());
    log.writeLine("while off");
    EXPECT_TRUE(log.endRecord(nullptr));
    ASSERT_TRUE(log.switchOn(nullptr));
    log.writeLine("second");
    log.close();
    EXPECT_FALSE(log.isOn());
    log.writeLine("after close");
    EXPECT_EQ(FileBytes(logPath()), "Log Calculation\r\n 07.12.26 17:45:09\r\n\r\nfirst\r\n"
                                    "Log Calculation\r\n 08.12.26\r\n\r\nsecond\r\n");
}

TEST_F(CalcLogTest, ExistingContentIsKeptByteForByte)
{
    const std::string earlier("earlier \xB5H\r\nno line end\0\r", 25);
    WriteFile(logPath(), earlier);
    {
        CalcLog log = makeLog();
        ASSERT_TRUE(log.switchOn(nullptr));
        log.writeLine("x");
    }  // the destructor closes
    EXPECT_EQ(FileBytes(logPath()), earlier + kEveningHeader + "x\r\n");
}

TEST_F(CalcLogTest, RecordsOfTheFourCalculatorsAsTheFileHoldsThem)
{
    CalcLog log = makeLog();
    ASSERT_TRUE(log.switchOn(nullptr));
    std::string expected = kEveningHeader;
    for (const Shape& shape : Shapes()) {
        ASSERT_FALSE(testing::StartRecord(shape.name).empty()) << shape.name;
        LoggingPort port(log);
        for (const ShapeField& field : shape.fields)
            port.boxes[std::string(field.box)] = field.initialText;
        EXPECT_EQ(shape.calculate(port).kind, Outcome::Kind::Result) << shape.name;
        expected += testing::InFile(testing::StartRecord(shape.name));

        // A refused input between two records writes nothing.
        port.boxes[std::string(shape.fields.front().box)] = "0";
        EXPECT_EQ(shape.calculate(port).kind, Outcome::Kind::Refused) << shape.name;
    }
    EXPECT_EQ(FileBytes(logPath()), expected);
}

TEST_F(CalcLogTest, NumbersCarryTheUsersDecimalSeparator)
{
    CalcLog log = makeLog();
    ASSERT_TRUE(log.switchOn(nullptr));
    LoggingPort port(log);
    port.separator = ",";
    port.boxes = {{"txtRadius2", "10,0"}, {"txtTurns2", "11,5"}, {"txtWire2", "0,127"}};
    ASSERT_EQ(frmMain_cmdCalculate2_Click(port).kind, Outcome::Kind::Result);
    EXPECT_EQ(FileBytes(logPath()),
              kEveningHeader + testing::InFile(testing::WithSeparator(testing::StartRecord("circular"), ",")));
}

TEST_F(CalcLogTest, ARecordReachesTheFileWholeOrNotAtAllAndAFailureSwitchesOff)
{
    const std::string flat = testing::InFile(testing::StartRecord("flat-rectangular"));
    const std::pair<const char*, std::size_t> rooms[] = {
        {"no room", 0},
        {"the title fits", 30},
        {"all but the last byte", flat.size() - 1},
    };
    for (const auto& [what, room] : rooms) {
        SCOPED_TRACE(what);
        QFile::remove(logPath());
        CalcLog log = makeLog();
        ASSERT_TRUE(log.switchOn(nullptr));
        LoggingPort port(log);
        port.boxes = {{"txtWidth1", "21"}, {"txtHeight1", "10"}, {"txtTurns1", "11"}, {"txtTrace1", "0.127"}};
        ASSERT_EQ(frmMain_cmdCalculate1_Click(port).kind, Outcome::Kind::Result);
        {
            FileSizeLimit limit(static_cast<rlim_t>(kEveningHeader.size() + flat.size() + room));
            // The calculation is unaffected: it shows its result.
            EXPECT_EQ(frmMain_cmdCalculate1_Click(port).text, " 5.85 \xC2\xB5H");
        }
        EXPECT_EQ(port.failedRecords, 1);
        EXPECT_EQ(port.lastError.toStdString(),
                  "Cannot write the calculation log " + logPath().toStdString() + ": File too large");
        EXPECT_FALSE(log.isOn());
        EXPECT_EQ(FileBytes(logPath()), kEveningHeader + flat);
        // Off now: later lines go nowhere, and nothing more is reported.
        log.writeLine("after");
        EXPECT_TRUE(log.endRecord(nullptr));
        EXPECT_EQ(FileBytes(logPath()), kEveningHeader + flat);
    }
}

// Log.txt deleted while the log is on: the records would go to a file that
// no folder holds any more, lost without a word. The next record says so
// and switches the log off; switched on again, it starts a new file.
TEST_F(CalcLogTest, AFileRemovedWhileOnIsReportedAndANewOneStartsOnSwitchOn)
{
    CalcLog log = makeLog();
    ASSERT_TRUE(log.switchOn(nullptr));
    LoggingPort port(log);
    port.boxes = {{"txtWidth1", "21"}, {"txtHeight1", "10"}, {"txtTurns1", "11"}, {"txtTrace1", "0.127"}};
    ASSERT_TRUE(QFile::remove(logPath()));
    EXPECT_EQ(frmMain_cmdCalculate1_Click(port).text, " 5.85 \xC2\xB5H");
    EXPECT_EQ(port.failedRecords, 1);
    EXPECT_EQ(port.lastError.toStdString(),
              "Cannot write the calculation log " + logPath().toStdString() + ": Removed while the log was on");
    EXPECT_FALSE(log.isOn());
    EXPECT_FALSE(QFile::exists(logPath()));
    ASSERT_TRUE(log.switchOn(nullptr));
    ASSERT_EQ(frmMain_cmdCalculate1_Click(port).kind, Outcome::Kind::Result);
    EXPECT_EQ(port.failedRecords, 1);
    const std::string start = kEveningHeader + "\r\nFlat Rectangular Air Coil\r\n";
    EXPECT_EQ(FileBytes(logPath()).substr(0, start.size()), start);
}

TEST_F(CalcLogTest, AHeaderThatCannotBeWrittenLeavesTheFileAsItWas)
{
    const std::string earlier = "earlier\r\n";
    WriteFile(logPath(), earlier);
    CalcLog log = makeLog();
    QString error;
    {
        FileSizeLimit limit(static_cast<rlim_t>(earlier.size() + 20));
        EXPECT_FALSE(log.switchOn(&error));
    }
    EXPECT_FALSE(log.isOn());
    EXPECT_EQ(error.toStdString(), "Cannot write the calculation log " + logPath().toStdString() + ": File too large");
    EXPECT_EQ(FileBytes(logPath()), earlier);

    QFile::remove(logPath());
    {
        FileSizeLimit limit(0);
        EXPECT_FALSE(log.switchOn(&error));
    }
    EXPECT_FALSE(QFileInfo::exists(logPath())) << "a file created for the failed header is removed again";
}

struct Failure {
    const char* what;
    std::function<QString(const QString& dir)> prepare;  ///< returns the folder to give the log
    std::function<void(const QString& dir)> repair;
    const char* reason;  ///< the system's reason, where every platform words it alike
};

/// Switching on fails with a message, creates nothing, and works once the
/// cause is gone.
void CheckFailure(const Failure& failure)
{
    SCOPED_TRACE(failure.what);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folderGiven = failure.prepare(dir.path());
    const QStringList before = Entries(dir.path());

    CalcLog log(
        folderGiven, [] { return kEvening; }, QLocale(QStringLiteral("en_US")));
    QString error;
    EXPECT_FALSE(log.switchOn(&error));
    EXPECT_FALSE(log.isOn());
    const std::string prefix = "Cannot write the calculation log " + log.path().toStdString() + ": ";
    if (failure.reason != nullptr)
        EXPECT_EQ(error.toStdString(), prefix + failure.reason);
    else
        EXPECT_TRUE(error.toStdString().starts_with(prefix) && error.size() > qsizetype(prefix.size()))
            << error.toStdString();
    log.writeLine("not written");
    EXPECT_TRUE(log.endRecord(nullptr));
    EXPECT_EQ(Entries(dir.path()), before) << "nothing is created where nothing could be opened";

    failure.repair(dir.path());
    ASSERT_TRUE(log.switchOn(&error)) << error.toStdString();
    log.writeLine("written");
    EXPECT_TRUE(log.switchOff(&error));
    EXPECT_EQ(FileBytes(log.path()), kEveningHeader + "written\r\n");
}

TEST(CalcLogFailure, SwitchOnReportsTheFileAndTheReasonAndTheLogStaysUsable)
{
    StartAsAFreshProcess();
    int reader = -1;
    const auto removeLog = [&reader](const QString& dir) {
        QFile::remove(dir + QStringLiteral("/Log.txt"));
        if (reader >= 0)
            ::close(reader);
        reader = -1;
    };
    const auto makeFifo = [&reader](const QString& dir, bool withReader) {
        const QByteArray name = QFile::encodeName(dir + QStringLiteral("/Log.txt"));
        EXPECT_EQ(::mkfifo(name.constData(), 0600), 0);
        if (withReader)
            reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
        return dir;
    };
    const auto linkTo = [](const char* target) {
        return [target](const QString& dir) {
            EXPECT_TRUE(QFile::link(QString::fromLatin1(target), dir + QStringLiteral("/Log.txt")));
            return dir;
        };
    };
    const Failure failures[] = {
        {"folder that does not exist", [](const QString& dir) { return dir + QStringLiteral("/missing"); },
         [](const QString& dir) { QDir(dir).mkdir(QStringLiteral("missing")); }, "No such file or directory"},
        {"Log.txt that is a folder",
         [](const QString& dir) {
             QDir(dir).mkdir(QStringLiteral("Log.txt"));
             return dir;
         },
         [](const QString& dir) { QDir(dir).rmdir(QStringLiteral("Log.txt")); }, "Is a folder, not a regular file"},
        // Only a regular file holds the log; opening never waits for a reader.
        {"named pipe without a reader", [&](const QString& dir) { return makeFifo(dir, false); }, removeLog,
         "Is a named pipe, not a regular file"},
        {"named pipe with a reader", [&](const QString& dir) { return makeFifo(dir, true); }, removeLog,
         "Is a named pipe, not a regular file"},
        {"full device", linkTo("/dev/full"), removeLog, "Is a device, not a regular file"},
        {"null device", linkTo("/dev/null"), removeLog, "Is a device, not a regular file"},
        {"terminal", linkTo("/dev/tty"), removeLog, "Is a device, not a regular file"},
        {"socket",
         [](const QString& dir) {
             EXPECT_TRUE(BindSocket(dir + QStringLiteral("/Log.txt")));
             return dir;
         },
         removeLog, "Is a socket, not a regular file"},
        {"link to a folder", linkTo("/"), removeLog, "Is a folder, not a regular file"},
    };
    ASSERT_TRUE(QFileInfo::exists(QStringLiteral("/dev/full")));
    for (const Failure& failure : failures)
        CheckFailure(failure);
    EXPECT_EQ(reader, -1);
    alarm(0);
}

TEST_F(CalcLogTest, ALinkToAFileYetToBeMadeCreatesIt)
{
    ASSERT_TRUE(QFile::link(folder() + QStringLiteral("/kept.txt"), logPath()));
    CalcLog log = makeLog();
    ASSERT_TRUE(log.switchOn(nullptr));
    log.close();
    EXPECT_EQ(FileBytes(folder() + QStringLiteral("/kept.txt")), kEveningHeader);
}

TEST(CalcLogFailure, AFolderWithoutWritePermission)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores permission bits; the other failures cover the path";
    CheckFailure({"folder without write permission",
                  [](const QString& dir) {
                      QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
                      return dir;
                  },
                  [](const QString& dir) {
                      QFile::setPermissions(dir,
                                            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
                  },
                  "Permission denied"});
}

}  // namespace
}  // namespace loopcalc
