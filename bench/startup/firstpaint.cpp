// SPDX-License-Identifier: MIT
#include "firstpaint.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

// Under callgrind, the count of instructions stops at the first paint.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

namespace loopcalc::bench {

namespace {

double NowNs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

/// Milliseconds since the process started.
double ElapsedMs()
{
    bool ok = false;
    const double t0 = qEnvironmentVariable("LOOPCALC_T0_NS").toDouble(&ok);
    if (ok && t0 > 0.0) {
        return (NowNs(CLOCK_REALTIME) - t0) / 1e6;
    }
    // Field 22 of /proc/self/stat: start time in clock ticks after boot.
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1.0;
    }
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeField = 22 - 3;  // counted after "pid (comm) "
    if (fields.size() <= kStartTimeField) {
        return -1.0;
    }
    const double ticks = fields.at(kStartTimeField).toDouble();
    const double startMs = ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    return NowNs(CLOCK_BOOTTIME) / 1e6 - startMs;
}

class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(QWidget& window)
        : m_window(window)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The paint and the flush to the screen finish before a queued
            // call runs. The process ends there, so that its peak memory is
            // that of the first paint, not of work queued behind it.
            QTimer::singleShot(0, this, [] {
                CALLGRIND_TOGGLE_COLLECT;
                std::printf("startup_ms=%.2f\n", ElapsedMs());
                std::fflush(stdout);
                std::_Exit(EXIT_SUCCESS);
            });
        }
        return false;
    }

private:
    QWidget& m_window;
    bool m_seen = false;
};

}  // namespace

int RunUntilFirstPaint(QWidget& window)
{
    FirstPaintWatcher watcher(window);
    window.show();
    return QApplication::exec();
}

}  // namespace loopcalc::bench
