// SPDX-License-Identifier: MIT
// Trouble a log file meets on a real system, made on purpose: a full disk,
// a socket where the file should be, and the signals that a failed write
// raises in a fresh process.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace loopcalc::testing {

/// A per-process file-size limit while it lives: writes beyond `bytes` fail
/// with "File too large", and the system sends SIGXFSZ with them.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
};

/// A Unix socket bound at `path`; the name stays when the socket is closed.
inline bool BindSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(),
                std::min<std::size_t>(static_cast<std::size_t>(name.size()), sizeof address.sun_path - 1));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

/// As in a fresh process: SIGXFSZ and SIGPIPE end the program unless the log
/// guards against them. A switch-on that blocks ends the test after a minute
/// (alarm(0) stops the clock).
inline void StartAsAFreshProcess()
{
    std::signal(SIGXFSZ, SIG_DFL);
    std::signal(SIGPIPE, SIG_DFL);
    alarm(60);
}

}  // namespace loopcalc::testing
