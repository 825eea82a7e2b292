// SPDX-License-Identifier: MIT
#include "calclog.h"

#include "codepage1252.h"
#include "dateline.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace loopcalc {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

/// A write beyond the per-process file-size limit raises SIGXFSZ, and one to
/// a pipe whose reader has gone raises SIGPIPE; by default either ends the
/// program. Ignored, the write fails with its reason instead. A handler that
/// someone else installed is left alone.
void LetWritesFailInsteadOfSignalling()
{
    for (const int signal : {SIGXFSZ, SIGPIPE}) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            struct sigaction ignore {};
            ignore.sa_handler = SIG_IGN;
            sigemptyset(&ignore.sa_mask);
            (void)::sigaction(signal, &ignore, nullptr);
        }
    }
}

QString NotRegularReason(mode_t mode)
{
    if (S_ISDIR(mode)) {
        return QStringLiteral("Is a folder, not a regular file");
    }
    if (S_ISFIFO(mode)) {
        return QStringLiteral("Is a named pipe, not a regular file");
    }
    if (S_ISSOCK(mode)) {
        return QStringLiteral("Is a socket, not a regular file");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return QStringLiteral("Is a device, not a regular file");
    }
    return QStringLiteral("Not a regular file");
}

/// Opens the file for appending; -1 with *reason on failure. *created tells
/// whether this call made the file.
int OpenForAppending(const QByteArray& name, bool* created, QString* reason)
{
    *created = false;
    // Refused before it is opened: a named pipe could keep open() waiting
    // for a reader, and no pipe, device or socket can hold the log.
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        *reason = NotRegularReason(info.st_mode);
        return -1;
    }
    // Never waiting, also when the name is swapped for a named pipe in
    // between: a pipe without a reader fails at once.
    constexpr int kFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    constexpr mode_t kMode = 0666;  // less the user's umask
    int fd = -1;
    do {
        fd = ::open(name.constData(), kFlags | O_CREAT | O_EXCL, kMode);
        if (fd >= 0) {
            *created = true;
        } else if (errno == EEXIST) {
            // There already, or a link to a file yet to be made.
            fd = ::open(name.constData(), kFlags | O_CREAT, kMode);
        }
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        *reason = qt_error_string(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        *reason = NotRegularReason(info.st_mode);
        ::close(fd);
        return -1;
    }
    // A regular file never blocks; the writes wait for the disk as usual.
    (void)::fcntl(fd, F_SETFL, O_APPEND);
    return fd;
}

}  // namespace

CalcLog::CalcLog(QString folder, Clock clock, const QLocale& locale)
    : m_folder(std::move(folder))
    , m_clock(std::move(clock))
    , m_locale(locale)
{
}

CalcLog::~CalcLog()
{
    close();
}

QString CalcLog::path() const
{
    return m_folder + QStringLiteral("/Log.txt");
}

bool CalcLog::isOn() const
{
    return m_fd >= 0;
}

QString CalcLog::failure(const QString& reason) const
{
    return QStringLiteral("Cannot write the calculation log %1: %2").arg(QDir::toNativeSeparators(path()), reason);
}

bool CalcLog::appendWhole(const QByteArray& bytes)
{
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) {
        m_lastReason = qt_error_string(errno);
        return false;
    }
    // Deleted while the log was on: what went in now would be lost with the
    // last handle on it.
    if (info.st_nlink == 0) {
        m_lastReason = QStringLiteral("Removed while the log was on");
        return false;
    }
    const off_t before = info.st_size;
    // One write for everything. A regular file takes less only at a limit
    // (a full disk, the file-size limit) or when a signal cuts in; the rest
    // is offered once more, which then goes in or gives the system's reason.
    int error = 0;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        done += n;
    }
    // Some file systems cannot force anything onto a disk; that is no failure.
    if (error == 0 && ::fsync(m_fd) != 0 && errno != EINVAL && errno != ENOTSUP) {
        error = errno;
    }
    if (error == 0) {
        return true;
    }
    m_lastReason = qt_error_string(error);
    // Whole or not at all: what went in of these bytes is cut off again.
    while (::ftruncate(m_fd, before) != 0 && errno == EINTR) {
    }
    return false;
}

bool CalcLog::switchOn(QString* error)
{
    if (isOn()) {
        return true;
    }
    LetWritesFailInsteadOfSignalling();
    m_record.clear();
    const QByteArray name = QFile::encodeName(path());
    bool created = false;
    m_fd = OpenForAppending(name, &created, &m_lastReason);
    if (m_fd >= 0) {
        QByteArray header = ToCodePage1252("Log Calculation") + kLineEnd;
        header += ' ' + ToCodePage1252(DateLineText(m_clock(), m_locale).toStdString()) + kLineEnd;
        header += kLineEnd;
        if (appendWhole(header)) {
            return true;
        }
        ::close(m_fd);
        m_fd = -1;
        if (created) {
            (void)::unlink(name.constData());
        }
    }
    if (error != nullptr) {
        *error = failure(m_lastReason);
    }
    return false;
}

bool CalcLog::switchOff(QString* error)
{
    if (!isOn()) {
        return true;
    }
    const QByteArray pending = std::exchange(m_record, {});
    bool ok = pending.isEmpty() || appendWhole(pending);
    if (::close(std::exchange(m_fd, -1)) != 0 && ok && errno != EINTR) {
        m_lastReason = qt_error_string(errno);
        ok = false;
    }
    if (!ok && error != nullptr) {
        *error = failure(m_lastReason);
    }
    return ok;
}

void CalcLog::writeLine(std::string_view utf8)
{
    if (isOn()) {
        m_record += ToCodePage1252(utf8) + kLineEnd;
    }
}

bool CalcLog::endRecord(QString* error)
{
    const QByteArray record = std::exchange(m_record, {});
    if (!isOn() || record.isEmpty() || appendWhole(record)) {
        return true;
    }
    // The first record that cannot be written switches the log off.
    ::close(std::exchange(m_fd, -1));
    if (error != nullptr) {
        *error = failure(m_lastReason);
    }
    return false;
}

void CalcLog::close()
{
    (void)switchOff(nullptr);
}

}  // namespace loopcalc
