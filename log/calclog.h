// SPDX-License-Identifier: MIT
// The calculation log: Log.txt in the program's folder, opened for appending
// while the log is on, one header per switch-on and one record per
// successful calculation.
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QString>

#include <functional>
#include <string_view>

namespace loopcalc {

/// The log file and its on/off state. Lines go to the file as code page 1252
/// bytes, each ended by CR LF, without a byte-order mark. Every line is
/// written straight through to the file, and the header and each record are
/// forced onto the disk when complete, so a crash loses nothing already shown.
///
/// Failures never end the program: switching on or off reports a message
/// naming the file and the system's reason, and a record line that cannot
/// be written is left out while the log stays on.
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
    /// True from a successful switchOn() until switchOff() or close().
    [[nodiscard]] bool isOn() const;

    /// Opens the file for appending (creating it when missing), writes the
    /// header ("Log Calculation", a blank and the date line, an empty line)
    /// and forces it onto the disk. Does nothing while already on.
    /// On failure the log stays off, a file that this call created is removed
    /// again, an existing file keeps exactly its earlier content, and *error
    /// (when given) receives "Cannot write the calculation log <path>: <reason>".
    bool switchOn(QString* error);

    /// Forces what was written onto the disk and closes the file; the log is
    /// off afterwards in every case. Returns false, with *error worded as for
    /// switchOn(), when the last bytes could not be written out.
    bool switchOff(QString* error);

    /// Appends one line (UTF-8, without its line end) while the log is on. A
    /// line that cannot be written completely is taken out again and skipped
    /// without a message; the log stays on.
    void writeLine(std::string_view utf8);

    /// A record is complete: forces the lines written so far onto the disk.
    void endRecord();

    /// Switches off without a message, for "&Exit" and the end of the program.
    void close();

private:
    [[nodiscard]] QString failure(const QString& reason) const;
    [[nodiscard]] bool writeWhole(const QByteArray& bytes);
    [[nodiscard]] bool sync();

    QString m_folder;
    Clock m_clock;
    QLocale m_locale;
    QFile m_file;
    bool m_on = false;
    QString m_lastReason;
};

}  // namespace loopcalc
