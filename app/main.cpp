// SPDX-License-Identifier: MIT
// Starts the program: the main window is all there is.
#include "mainwindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("loopcalc"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));

    loopcalc::shell::MainWindow window;
    window.show();
    return QApplication::exec();
}
