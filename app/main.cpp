// SPDX-License-Identifier: MIT
// Starts the program: the main window is all there is.
#include "afterfirstpaint.h"
#include "fontconfigahead.h"
#include "mainwindow.h"
#include "startstyle.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    // The font configuration is read on a second core while the application
    // connects to the display.
    loopcalc::shell::FontConfigAhead fonts;
    QApplication app(argc, argv);
    // The system's style, with the pictures the first paint needs loaded the
    // quick way.
    QApplication::setStyle(new loopcalc::shell::StartStyle);
    QApplication::setApplicationName(QStringLiteral("loopcalc"));
    // The installed desktop entry's name: a desktop matches the window to
    // its entry and icon by it.
    QApplication::setDesktopFileName(QStringLiteral("org.loopcalc.LoopCalc"));
    // The main window decides: the program ends when it is closed and no
    // formula window or About box is left open.
    QApplication::setQuitOnLastWindowClosed(false);

    fonts.wait();
    loopcalc::shell::MainWindow window;
    // Drawing the icon at every size the desktop asks for waits until the
    // window is on the screen; the window takes it up then.
    loopcalc::shell::AfterFirstPaint(window, [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg"))); });
    window.show();
    // The tab control holds the focus from the start, also where no window
    // manager hands the new window the keyboard.
    window.activateWindow();
    return QApplication::exec();
}
