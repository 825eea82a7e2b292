// SPDX-License-Identifier: MIT
// Photographs every window of the program: the main window with each of its
// four pages, the three formula windows and the About box, each opened the
// way the menus open it. The scale is the screen's (QT_SCALE_FACTOR=2 gives
// pictures at twice the size).
//
//   loopcalc-screenshot OUTPUT_FOLDER [NAME_SUFFIX]
#include "designwindow.h"
#include "mainwindow.h"
#include "startstyle.h"
#include "tabrows.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QThread>

#include <cmath>
#include <cstdio>

namespace {

using loopcalc::shell::MainWindow;

/// Lets the windows show, lay out and paint.
void Settle()
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

/// Saves what the window shows, its menu bar included; the resolution in the
/// file says the scale, so viewers show a 2x picture at the window's size.
bool Save(QWidget* window, const QDir& folder, const QString& name, const QString& suffix)
{
    if (window == nullptr) {
        std::fprintf(stderr, "loopcalc-screenshot: %s did not open\n", qPrintable(name));
        return false;
    }
    Settle();
    QImage shot = window->grab().toImage();
    const int dotsPerMetre = static_cast<int>(std::lround(96.0 * shot.devicePixelRatio() / 0.0254));
    shot.setDotsPerMeterX(dotsPerMetre);
    shot.setDotsPerMeterY(dotsPerMetre);
    const QString path = folder.filePath(name + suffix + QStringLiteral(".png"));
    if (!shot.save(path, "PNG")) {
        std::fprintf(stderr, "loopcalc-screenshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("  %s\n", qPrintable(QDir::current().absoluteFilePath(path)));
    return true;
}

bool Choose(MainWindow& window, const char* menuItem)
{
    auto* action = window.findChild<QAction*>(QString::fromLatin1(menuItem));
    if (action == nullptr) {
        return false;
    }
    action->trigger();
    return true;
}

/// Lets the design window finish working out what it shows.
void SettleDesign(const loopcalc::shell::DesignWindow* design)
{
    QElapsedTimer clock;
    clock.start();
    while (design != nullptr && design->isBusy() && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

void SetText(QWidget* window, const char* box, const QString& text)
{
    if (auto* edit = window != nullptr ? window->findChild<QLineEdit*>(QString::fromLatin1(box)) : nullptr) {
        edit->setText(text);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // As the program draws.
    QApplication::setStyle(new loopcalc::shell::StartStyle);
    QApplication::setApplicationName(QStringLiteral("loopcalc"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: loopcalc-screenshot OUTPUT_FOLDER [NAME_SUFFIX]\n");
        return 2;
    }
    const QDir folder(args.at(1));
    const QString suffix = args.size() > 2 ? args.at(2) : QString();
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "loopcalc-screenshot: cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }

    // The log, never switched on here, would live beside the pictures.
    MainWindow window(nullptr, folder.path());
    window.show();
    window.activateWindow();

    bool ok = true;
    // The start page first, as the window opens; then the others as a click
    // on their rows leaves them.
    const struct {
        int page;
        const char* name;
    } pages[] = {{3, "page-flat-rectangular"}, {0, "page-circular"}, {1, "page-rectangular"}, {2, "page-spiral"}};
    for (const auto& page : pages) {
        window.tabControl()->setCurrentIndex(page.page);
        ok = Save(&window, folder, QString::fromLatin1(page.name), suffix) && ok;
    }

    const loopcalc::shell::SecondaryWindows& secondary = window.secondaryWindows();
    ok = Choose(window, "mnuCwc") &&
         Save(secondary.circularWireWindow(), folder, QStringLiteral("formula-circular"), suffix) && ok;
    ok = Choose(window, "mnuRwC") &&
         Save(secondary.rectangularWindow(), folder, QStringLiteral("formula-rectangular"), suffix) && ok;
    ok = Choose(window, "mnuFsc") &&
         Save(secondary.flatSpiralWindow(), folder, QStringLiteral("formula-spiral"), suffix) && ok;
    ok = Choose(window, "mnuAbout") && Save(secondary.aboutBox(), folder, QStringLiteral("about"), suffix) && ok;

    // The design assistant beside each page, then the README's worked NFC
    // example: 1.5 µH at 13.56 MHz on a 40 x 25 mm outline.
    ok = Choose(window, "mnuDesign") && ok;
    for (const auto& page : pages) {
        window.tabControl()->setCurrentIndex(page.page);
        SettleDesign(secondary.designWindow());
        ok = Save(secondary.designWindow(), folder, QStringLiteral("design-") + QString::fromLatin1(page.name).mid(5),
                  suffix) &&
             ok;
    }
    window.tabControl()->setCurrentIndex(3);
    SetText(&window, "txtWidth1", QStringLiteral("40"));
    SetText(&window, "txtHeight1", QStringLiteral("25"));
    SetText(&window, "txtTurns1", QStringLiteral("5"));
    SetText(&window, "txtTrace1", QStringLiteral("0.5"));
    SetText(secondary.designWindow(), "txtGap", QStringLiteral("0.5"));
    SetText(secondary.designWindow(), "txtTarget", QStringLiteral("1.5 µH"));
    SettleDesign(secondary.designWindow());
    ok = Save(secondary.designWindow(), folder, QStringLiteral("design-nfc-example"), suffix) && ok;
    return ok ? 0 : 1;
}
