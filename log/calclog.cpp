// SPDX-License-Identifier: MIT
#include "calclog.h"

#include "codepage1252.h"
#include "dateline.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <utility>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace loopcalc {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

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
    return m_on;
}

QString CalcLog::failure(const QString& reason) const
{
    return QStringLiteral("Cannot write the calculation log %1: %2").arg(QDir::toNativeSeparators(path()), reason);
}

bool CalcLog::writeWhole(const QByteArray& bytes)
{
    // Straight to the descriptor, opened for appending: no buffer can keep a
    // line back, and the system's reason for a short write is not lost. A
    // regular file that took only part of the bytes is cut back, so a failed
    // line leaves no fragment for the next one to follow.
    const int fd = m_file.handle();
    const bool regular = QFileInfo(m_file.fileName()).isFile();
    const qint64 before = regular ? m_file.size() : 0;
    qint64 done = 0;
    while (done < bytes.size()) {
        const auto chunk = bytes.size() - done;
#ifdef Q_OS_WIN
        const qint64 n = ::_write(fd, bytes.constData() + done, static_cast<unsigned>(qMin<qint64>(chunk, 1 << 30)));
#else
        const qint64 n = ::write(fd, bytes.constData() + done, static_cast<std::size_t>(chunk));
#endif
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            m_lastReason = qt_error_string(n < 0 ? errno : EIO);
            if (regular && done > 0) {
                (void)m_file.resize(before);
            }
            m_file.unsetError();
            return false;
        }
        done += n;
    }
    return true;
}

bool CalcLog::sync()
{
    const int fd = m_file.handle();
#ifdef Q_OS_WIN
    const int result = _commit(fd);
#else
    const int result = ::fsync(fd);
#endif
    // A device or pipe has nothing to force onto a disk.
    if (result == 0 || errno == EINVAL || errno == ENOTSUP) {
        return true;
    }
    m_lastReason = qt_error_string(errno);
    return false;
}

bool CalcLog::switchOn(QString* error)
{
    if (m_on) {
        return true;
    }
    const QFileInfo info(path());
    const bool existed = info.exists() || info.isSymLink();
    m_file.setFileName(path());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        if (error != nullptr) {
            *error = failure(m_file.errorString());
        }
        return false;
    }

    const bool regular = QFileInfo(path()).isFile();
    const qint64 before = regular ? m_file.size() : 0;
    QByteArray header = ToCodePage1252("Log Calculation") + kLineEnd;
    header += ' ' + ToCodePage1252(DateLineText(m_clock(), m_locale).toStdString()) + kLineEnd;
    header += kLineEnd;
    if (writeWhole(header) && sync()) {
        m_on = true;
        return true;
    }

    if (error != nullptr) {
        *error = failure(m_lastReason);
    }
    // A header that did not reach the disk is taken out again: an existing
    // file keeps exactly what it held before.
    if (existed && regular && m_file.size() > before) {
        (void)m_file.resize(before);
    }
    m_file.close();
    m_file.unsetError();
    if (!existed) {
        QFile::remove(path());
    }
    return false;
}

bool CalcLog::switchOff(QString* error)
{
    if (!m_on) {
        return true;
    }
    m_on = false;
    bool ok = sync();
    m_file.unsetError();
    m_file.close();
    if (ok && m_file.error() != QFileDevice::NoError) {
        m_lastReason = m_file.errorString();
        ok = false;
    }
    m_file.unsetError();
    if (!ok && error != nullptr) {
        *error = failure(m_lastReason);
    }
    return ok;
}

void CalcLog::writeLine(std::string_view utf8)
{
    if (m_on) {
        (void)writeWhole(ToCodePage1252(utf8) + kLineEnd);
    }
}

void CalcLog::endRecord()
{
    if (m_on) {
        (void)sync();
    }
}

void CalcLog::close()
{
    (void)switchOff(nullptr);
}

}  // namespace loopcalc
