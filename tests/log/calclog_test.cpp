// SPDX-License-Identifier: MIT
#include "calclog.h"

#include "fakeformport.h"
#include "shapes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace loopcalc {
namespace {

const QDateTime kEvening(QDate(2026, 12, 7), QTime(17, 45, 9));
const std::string kEveningHeader = "Log Calculation\r\n 12/7/26 5:45:09 PM\r\n\r\n";

/// A page whose log lines go to a CalcLog, as the window's port sends them.
class LoggingPort : public testing::FakeFormPort {
public:
    explicit LoggingPort(CalcLog& target) : m_log(target) {}
    [[nodiscard]] bool logging() const override { return m_log.isOn(); }
    void logLine(const std::string& line) override { m_log.writeLine(line); }
    void endLogRecord() override { m_log.endRecord(); }

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

/// Lets writes beyond `bytes` in any file fail with "File too large" while
/// it lives, instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

class CalcLogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString folder() const { return m_dir.path(); }
    QString logPath() const { return m_dir.filePath(QStringLiteral("Log.txt")); }
    CalcLog makeLog() const { return CalcLog(folder(), [] { return kEvening; }, QLocale(QStringLiteral("en_US"))); }

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
    CalcLog log(folder(), [&] { return times.at(call++); }, QLocale(QStringLiteral("de_DE")));
    ASSERT_TRUE(log.switchOn(nullptr));
    log.writeLine("first");
    EXPECT_TRUE(log.switchOff(nullptr));
    EXPECT_FALSE(log.isOn());
    log.writeLine("while off");
    log.endRecord();
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
    const std::pair<std::string_view, std::string> records[] = {
        {"circular", "\r\nCircular Wire Wound Air Coil\r\n\r\nRadius = 10 mm\r\nTurns = 11.5\r\n"
                     "Wire Radius = 0.127 mm\r\nInductance =  5.78 \xB5H\r\n\r\n"},
        {"rectangular", "\r\nRectangular Wire Wound Coil\r\n\r\nWidth = 21 mm\r\nHeight = 10 mm\r\nTurns = 11\r\n"
                        "Wire Radius = 0.127 mm\r\nInductance =  5.85 \xB5H\r\n\r\n"},
        {"spiral", "\r\nFlat Spiral Air Coil\r\n\r\nOuter Radius = 8.5 mm\r\nInner Radius = 7.25 mm\r\n"
                   "Turns = 12\r\nInductance =  4.619 \xB5H\r\n\r\n"},
        {"flat-rectangular", "\r\nFlat Rectangular Air Coil\r\n\r\nWidth = 21 mm\r\nHeight = 10 mm\r\nTurns = 11\r\n"
                             "Wire Radius = 0.127 mm\r\nInductance =  5.85 \xB5H\r\n\r\n"},
    };
    CalcLog log = makeLog();
    ASSERT_TRUE(log.switchOn(nullptr));
    std::string expected = kEveningHeader;
    for (const auto& [name, record] : records) {
        const Shape* shape = FindShape(name);
        ASSERT_NE(shape, nullptr) << name;
        LoggingPort port(log);
        for (const ShapeField& field : shape->fields)
            port.boxes[std::string(field.box)] = field.initialText;
        EXPECT_EQ(shape->calculate(port).kind, Outcome::Kind::Result) << name;
        expected += record;

        // A refused input between two records writes nothing.
        port.boxes[std::string(shape->fields.front().box)] = "0";
        EXPECT_EQ(shape->calculate(port).kind, Outcome::Kind::Refused) << name;
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
    EXPECT_EQ(FileBytes(logPath()), kEveningHeader + "\r\nCircular Wire Wound Air Coil\r\n\r\nRadius = 10 mm\r\n"
                                                      "Turns = 11,5\r\nWire Radius = 0,127 mm\r\n"
                                                      "Inductance =  5.78 \xB5H\r\n\r\n");
}

TEST_F(CalcLogTest, ALineThatCannotBeWrittenIsLeftOutAndTheNextOnesFollow)
{
    CalcLog log = makeLog();
    ASSERT_TRUE(log.switchOn(nullptr));
    const auto headerSize = static_cast<rlim_t>(kEveningHeader.size());
    {
        FileSizeLimit limit(headerSize + 12);
        log.writeLine("a line longer than the room left");  // partly fits, then fails
        log.writeLine("fits");
        log.writeLine("too long now");
        log.endRecord();
    }
    log.writeLine("after");
    EXPECT_TRUE(log.isOn());
    EXPECT_EQ(FileBytes(logPath()), kEveningHeader + "fits\r\nafter\r\n");
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

    CalcLog log(folderGiven, [] { return kEvening; }, QLocale(QStringLiteral("en_US")));
    QString error;
    EXPECT_FALSE(log.switchOn(&error));
    EXPECT_FALSE(log.isOn());
    const std::string prefix = "Cannot write the calculation log " + log.path().toStdString() + ": ";
    if (failure.reason != nullptr)
        EXPECT_EQ(error.toStdString(), prefix + failure.reason);
    else
        EXPECT_TRUE(error.toStdString().starts_with(prefix) && error.size() > qsizetype(prefix.size())) << error.toStdString();
    log.writeLine("not written");
    log.endRecord();
    EXPECT_EQ(Entries(dir.path()), before) << "nothing is created where nothing could be opened";

    failure.repair(dir.path());
    ASSERT_TRUE(log.switchOn(&error)) << error.toStdString();
    log.writeLine("written");
    EXPECT_TRUE(log.switchOff(&error));
    EXPECT_EQ(FileBytes(log.path()), kEveningHeader + "written\r\n");
}

TEST(CalcLogFailure, SwitchOnReportsTheFileAndTheReasonAndTheLogStaysUsable)
{
    const Failure failures[] = {
        {"folder that does not exist",
         [](const QString& dir) { return dir + QStringLiteral("/missing"); },
         [](const QString& dir) { QDir(dir).mkdir(QStringLiteral("missing")); },
         "No such file or directory"},
        {"Log.txt that is a folder",
         [](const QString& dir) {
             QDir(dir).mkdir(QStringLiteral("Log.txt"));
             return dir;
         },
         [](const QString& dir) { QDir(dir).rmdir(QStringLiteral("Log.txt")); },
         nullptr},
        {"full device",
         [](const QString& dir) {
             QFile::link(QStringLiteral("/dev/full"), dir + QStringLiteral("/Log.txt"));
             return dir;
         },
         [](const QString& dir) { QFile::remove(dir + QStringLiteral("/Log.txt")); },
         "No space left on device"},
    };
    ASSERT_TRUE(QFileInfo::exists(QStringLiteral("/dev/full")));
    for (const Failure& failure : failures)
        CheckFailure(failure);
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
                      QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                     | QFileDevice::ExeOwner);
                  },
                  "Permission denied"});
}

}  // namespace
}  // namespace loopcalc
