// SPDX-License-Identifier: MIT
// Closes the modal message boxes a test provokes, recording what they said.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace loopcalc::testing {

class MessageCatcher : public QObject {
public:
    struct Seen {
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString caption;
    };

    MessageCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageCatcher::poll);
        m_timer.start(10);
    }

    QList<Seen> seen;

private:
    void poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen.append({box->text(), box->icon(), box->windowTitle()});
        box->accept();
    }

    QTimer m_timer;
};

}  // namespace loopcalc::testing
