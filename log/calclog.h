// SPDX-License-Identifier: MIT
// The calculation log: Log.txt in the program's folder, opened for appending
// while the log is on, one header per switch-on and one record per
// successful calculation.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>
#include <string_view>

namespace loopcalc {

/// The log file and its on/off state. Lines go to the file as code page 1252
/// bytes, each ended by CR LF, without a byte-order mark. The header and each
/// record reach the file whole, by one write, and are forced onto the disk at
/// once, so a crash loses nothing already shown; a header or record that is
/// cut short (a full disk, a file-size limit) is taken out again.
///
/// Only a regular file (or a new one) holds the log: a named pipe, a device,
/// a socket or a folder called Log.txt is refused, and opening never waits.
/// Failures never end the program: a file-size limit or a vanished reader
/// makes a write fail rather than raising a signal that would, and switching
/// on, writing a record or switching off reports a message naming the file
/// and the system's reason.
class CalcLog {
public:
    using Clock = std::function<QDateTime()>;

    /// \param folder  the folder that holds Log.txt, normally the program's own
    /// \param clock   the current local date and time, for the header
    /// \param locale  the user's date and time formats, for the header
    explicit CalcLog(QString folder = QCoreApplication::applicationDirPath(), Clock clock = &QDateTime::currentDateTime,
                     const QLocale& locale = QLocale());
    /// Closes the file if the log is still on.
    ~CalcLog();

    CalcLog(const CalcLog&) = delete;
    CalcLog& operator=(const CalcLog&) = delete;

    /// The folder followed by "/Log.txt".
    [[nodiscard]] QString path() const;
    /// True from a successful switchOn() until switchOff(), close() or a
    /// record that could not be written.
    [[nodiscard]] bool isOn() const;

    /// Opens the file for appending (creating it when missing), writes the
    /// header ("Log Calculation", a blank and the date line, an empty line)
    /// and forces it onto the disk. Does nothing while already on.
    /// On failure the log stays off, a file that this call created is removed
    /// again, an existing file keeps exactly its earlier content, and *error
    /// (when given) receives "Cannot write the calculation log <path>: <reason>".
    bool switchOn(QString* error);

    /// Writes out a record still being built, closes the file; the log is off
    /// afterwards in every case. Returns false, with *error worded as for
    /// switchOn(), when the last bytes could not be written out.
    bool switchOff(QString* error);

    /// Adds one line (UTF-8, without its line end) to the record being built
    /// while the log is on; nothing reaches the file before endRecord().
    void writeLine(std::string_view utf8);

    /// The record is complete: writes its lines with one write and forces
    /// them onto the disk. A record that does not reach the file whole is
    /// taken out of it again, the log switches off, and false is returned
    /// with *error worded as for switchOn().
    bool endRecord(QString* error);

    /// Switches off without a message, for "&Exit" and the end of the program.
    void close();

private:
    [[nodiscard]] QString failure(const QString& reason) const;
    /// Appends the bytes whole or not at all, and forces them onto the disk.
    [[nodiscard]] bool appendWhole(const QByteArray& bytes);

    QString m_folder;
    Clock m_clock;
    QLocale m_locale;
    int m_fd = -1;
    QByteArray m_record;
    QString m_lastReason;
};

}  // namespace loopcalc
