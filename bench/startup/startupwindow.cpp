// SPDX-License-Identifier: MIT
// The program's main window, from start to first paint.
#include "afterfirstpaint.h"
#include "firstpaint.h"
#include "fontconfigahead.h"
#include "mainwindow.h"
#include "startstyle.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    loopcalc::shell::FontConfigAhead fonts;
    QApplication app(argc, argv);
    QApplication::setStyle(new loopcalc::shell::StartStyle);
    fonts.wait();
    loopcalc::shell::MainWindow window;
    // Drawing the icon at every size the desktop asks for waits until the
    // window is on the screen; the window takes it up then.
    loopcalc::shell::AfterFirstPaint(window, [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg"))); });
    return loopcalc::bench::RunUntilFirstPaint(window);
}
