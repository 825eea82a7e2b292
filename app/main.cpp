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
    // The tab control holds the focus from the start, also where no window
    // manager hands the new window the keyboard.
    window.activateWindow();
    return QApplication::exec();
}
