// SPDX-License-Identifier: MIT
#include "qtformport.h"

#include "codepage1252.h"
#include "mainwindow.h"
#include "qttext.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

namespace loopcalc::shell {

QtFormPort::QtFormPort(MainWindow& window)
    : m_window(window)
{
}

QLineEdit* QtFormPort::box(std::string_view name) const
{
    return m_window.findChild<QLineEdit*>(QtText(name));
}

std::string QtFormPort::text(std::string_view box) const
{
    const QLineEdit* edit = this->box(box);
    return edit != nullptr ? edit->text().toStdString() : std::string();
}

void QtFormPort::setText(std::string_view box, const std::string& text)
{
    if (QLineEdit* edit = this->box(box)) {
        edit->setText(QString::fromStdString(text));
    }
}

void QtFormPort::setFocus(std::string_view box)
{
    if (QLineEdit* edit = this->box(box)) {
        edit->setFocus(Qt::OtherFocusReason);
    }
}

void QtFormPort::showMessage(const std::string& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Warning,
                    MainWindow::applicationTitle(), QString::fromStdString(text), QMessageBox::Ok, &m_window);
    box.setObjectName(QStringLiteral("calculationMessage"));
    box.exec();
}

void QtFormPort::beep()
{
    QApplication::beep();
}

std::string QtFormPort::decimalSeparator() const
{
    return QLocale().decimalPoint().toStdString();
}

std::string QtFormPort::logDecimalSeparator() const
{
    return LogDecimalSeparator(QLocale()).toStdString();
}

bool QtFormPort::logging() const
{
    return m_window.nLogFlag() != 0;
}

void QtFormPort::logLine(const std::string& line)
{
    m_window.writeLogLine(line);
}

void QtFormPort::endLogRecord()
{
    m_window.endLogRecord();
}

}  // namespace loopcalc::shell
