// SPDX-License-Identifier: MIT
// The program's main window, from start to first paint.
#include "firstpaint.h"
#include "mainwindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
    loopcalc::shell::MainWindow window;
    return loopcalc::bench::RunUntilFirstPaint(window);
}
