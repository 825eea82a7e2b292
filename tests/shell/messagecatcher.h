// SPDX-License-Identifier: MIT
// Closes the modal message boxes a test provokes, recording what they said
// and, when given a window, the state of the window behind them.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <utility>

namespace loopcalc::testing {

/// A watchdog closes whatever other modal window is left after ten seconds
/// and says so in `timedOut`, so that no test can hang.
class MessageCatcher : public QObject {
public:
    struct Seen {
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString caption;
        QMessageBox::StandardButtons buttons;
        QString focus;                 ///< the window's focused control
        QMap<QString, QString> boxes;  ///< the texts of the boxes asked for
    };

    explicit MessageCatcher(const QWidget* window = nullptr, QStringList boxes = {})
        : m_window(window)
        , m_boxes(std::move(boxes))
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageCatcher::poll);
        m_timer.start(10);
        m_clock.start();
    }

    QList<Seen> seen;
    bool timedOut = false;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            if (m_clock.elapsed() > 10000) {
                timedOut = true;
                modal->close();
            }
            return;
        }
        Seen message{box->text(), box->icon(), box->windowTitle(), box->standardButtons(), {}, {}};
        if (m_window != nullptr) {
            const QWidget* focus = m_window->focusWidget();
            message.focus = focus != nullptr ? focus->objectName() : QString();
            for (const QString& name : std::as_const(m_boxes)) {
                message.boxes.insert(name, m_window->findChild<QLineEdit*>(name)->text());
            }
        }
        seen.append(message);
        box->accept();
    }

    const QWidget* m_window;
    QStringList m_boxes;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

}  // namespace loopcalc::testing
