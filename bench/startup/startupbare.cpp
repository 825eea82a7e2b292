// SPDX-License-Identifier: MIT
// The yardstick: a bare main window with one label, from start to first paint.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.resize(576, 477);
    return loopcalc::bench::RunUntilFirstPaint(window);
}
