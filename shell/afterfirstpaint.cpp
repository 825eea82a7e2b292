// SPDX-License-Identifier: MIT
#include "afterfirstpaint.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace loopcalc::shell {

namespace {

/// Watches the window for its first paint, queues the step behind it and
/// goes away once the step has run.
class FirstPaintStep : public QObject {
public:
    FirstPaintStep(QWidget& window, std::function<void()> step)
        : QObject(&window)
        , m_window(window)
        , m_step(std::move(step))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Paint) {
            m_window.removeEventFilter(this);
            // Queued: the paint and its flush to the screen finish first.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_step();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& m_window;
    std::function<void()> m_step;
};

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> step)
{
    new FirstPaintStep(window, std::move(step));
}

}  // namespace loopcalc::shell
