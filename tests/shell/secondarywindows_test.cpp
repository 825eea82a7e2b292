// SPDX-License-Identifier: MIT
// The formula windows and the About box: one instance each, their designs,
// their minimum sizes and how they close.
#include "aboutbox.h"
#include "formulawindow.h"
#include "picturebox.h"
#include "realinput.h"
#include "secondarywindows.h"
#include "twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace loopcalc::shell;
using loopcalc::testing::ClickOn;
using loopcalc::testing::TypeKey;
using loopcalc::testing::VisibleWindows;

namespace {

void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { loopcalc::testing::HidePlatformNotices(); }
    void cleanup();

    void keepOnScreen_data();
    void keepOnScreen();

    void recreatedAfterClose();
    void closedWithTheirOwner();

    void formulaDesigns_data();
    void formulaDesigns();
    void formulaWindowsLieOnTheScreen();
    void resizeRaisesToTheMinimum_data();
    void resizeRaisesToTheMinimum();
    void resizeLeavesMinimizedWindowAlone();

    void aboutDesign();
    void aboutControls_data();
    void aboutControls();
    void aboutCloses_data();
    void aboutCloses();
};

void SecondaryWindowsTest::cleanup()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->testAttribute(Qt::WA_DeleteOnClose)) {
            widget->close();
        }
    }
    FlushDeletes();
}

void SecondaryWindowsTest::keepOnScreen_data()
{
    QTest::addColumn<QRect>("client");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("expected");

    const QRect screen(0, 0, 1920, 1040);
    const QMargins frame(4, 22, 4, 4);
    QTest::newRow("fits") << QRect(442, 363, 534, 307) << frame << screen << QPoint(442, 363);
    QTest::newRow("right edge exact") << QRect(1382, 363, 534, 307) << frame << screen << QPoint(1382, 363);
    QTest::newRow("too far right") << QRect(1500, 363, 534, 307) << frame << screen << QPoint(1382, 363);
    QTest::newRow("too low") << QRect(442, 900, 534, 307) << frame << screen << QPoint(442, 729);
    QTest::newRow("both") << QRect(1500, 900, 534, 307) << frame << screen << QPoint(1382, 729);
    QTest::newRow("wider than screen") << QRect(300, 20, 2000, 300) << frame << screen << QPoint(4, 22);
    QTest::newRow("screen offset") << QRect(2300, 400, 534, 307) << frame << QRect(1920, 0, 800, 600)
                                   << QPoint(2182, 289);
}

void SecondaryWindowsTest::keepOnScreen()
{
    QFETCH(QRect, client);
    QFETCH(QMargins, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, expected);
    QCOMPARE(KeepOnScreen(client, frame, available), expected);
}

void SecondaryWindowsTest::recreatedAfterClose()
{
    SecondaryWindows windows;
    windows.showCircularWire();
    QPointer<FormulaWindow> first = windows.circularWireWindow();
    QVERIFY(!first.isNull());
    first->close();
    // Until the deferred delete runs, the closed window counts as gone.
    QVERIFY(windows.circularWireWindow() == nullptr);
    FlushDeletes();
    QVERIFY(first.isNull());

    windows.showCircularWire();
    FormulaWindow* second = windows.circularWireWindow();
    QVERIFY(second != nullptr);
    QVERIFY(second->isVisible());
    QCOMPARE(VisibleWindows(QStringLiteral("frmUla1")).size(), 1);
}

void SecondaryWindowsTest::closedWithTheirOwner()
{
    auto windows = std::make_unique<SecondaryWindows>();
    windows->showFlatSpiral();
    windows->showRectangularWire();
    windows->showCircularWire();
    windows->showAbout();
    QPointer<QWidget> spiral = windows->flatSpiralWindow();
    QPointer<QWidget> rectangular = windows->rectangularWindow();
    QPointer<QWidget> circular = windows->circularWireWindow();
    QPointer<QWidget> about = windows->aboutBox();
    windows.reset();
    QVERIFY(spiral.isNull());
    QVERIFY(rectangular.isNull());
    QVERIFY(circular.isNull());
    QVERIFY(about.isNull());
}

void SecondaryWindowsTest::formulaDesigns_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientTwips");
    QTest::addColumn<QString>("pictureBox");
    QTest::addColumn<QPoint>("pictureTwips");
    QTest::addColumn<QSize>("pictureSize");

    QTest::newRow("circular") << int(FormulaKind::CircularWire) << "frmUla1"
                              << "Formula for Circular Wirewound Coil" << QSize(8004, 4608) << "Image1"
                              << QPoint(180, 108) << QSize(509, 284);
    QTest::newRow("rectangular") << int(FormulaKind::Rectangular) << "frmUla"
                                 << " Formula for both Rectangular Wirewound and Flat Rectangular Aircoil"
                                 << QSize(13224, 4464) << "Image3" << QPoint(132, 156) << QSize(863, 273);
    QTest::newRow("spiral") << int(FormulaKind::FlatSpiral) << "frmUla2"
                            << "Formula for Spiral Aircoil" << QSize(5568, 4800) << "Image1" << QPoint(132, 96)
                            << QSize(348, 301);
}

void SecondaryWindowsTest::formulaDesigns()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, clientTwips);
    QFETCH(QString, pictureBox);
    QFETCH(QPoint, pictureTwips);
    QFETCH(QSize, pictureSize);

    auto* window = new FormulaWindow(static_cast<FormulaKind>(kind));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), QSize(TwipsToPixels(clientTwips.width()), TwipsToPixels(clientTwips.height())));
    QCOMPARE(window->minimumSize(), window->maximumSize());

    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));

    auto* picture = window->findChild<PictureBox*>(pictureBox);
    QVERIFY(picture != nullptr);
    QVERIFY(picture->isValid());
    QCOMPARE(picture->pictureSize(), pictureSize);
    QCOMPARE(picture->size(), pictureSize);
    QCOMPARE(picture->pos(), QPoint(TwipsToPixels(pictureTwips.x()), TwipsToPixels(pictureTwips.y())));
    // The picture lies wholly inside the client area.
    QVERIFY(window->rect().contains(picture->geometry()));
    window->close();
}

void SecondaryWindowsTest::formulaWindowsLieOnTheScreen()
{
    SecondaryWindows windows;
    windows.showFlatSpiral();
    windows.showRectangularWire();
    windows.showCircularWire();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint origin = QGuiApplication::primaryScreen()->geometry().topLeft();
    const struct {
        FormulaWindow* window;
        QPoint placeTwips;
    } shown[] = {{windows.flatSpiralWindow(), {7320, 6012}},
                 {windows.rectangularWindow(), {4536, 6012}},
                 {windows.circularWireWindow(), {6636, 5448}}};
    for (const auto& entry : shown) {
        QVERIFY(entry.window != nullptr);
        const QRect outer = entry.window->frameGeometry();
        // On the screen, or against its left or top edge when it cannot fit.
        if (outer.width() <= available.width()) {
            QVERIFY(outer.left() >= available.left() && outer.right() <= available.right());
        } else {
            QCOMPARE(outer.left(), available.left());
        }
        if (outer.height() <= available.height()) {
            QVERIFY(outer.top() >= available.top() && outer.bottom() <= available.bottom());
        } else {
            QCOMPARE(outer.top(), available.top());
        }
        const QPoint designed =
            origin + QPoint(TwipsToPixels(entry.placeTwips.x()), TwipsToPixels(entry.placeTwips.y()));
        const QPoint placed = entry.window->geometry().topLeft();
        // Moved only left or up, and only as far as the screen demands.
        QVERIFY(placed.x() <= designed.x());
        QVERIFY(placed.y() <= designed.y());
        QVERIFY(placed.x() == designed.x() || outer.right() == available.right() || outer.left() == available.left());
        QVERIFY(placed.y() == designed.y() || outer.bottom() == available.bottom() || outer.top() == available.top());
    }
}

void SecondaryWindowsTest::resizeRaisesToTheMinimum_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("minimumTwips");
    QTest::newRow("circular") << int(FormulaKind::CircularWire) << QSize(6492, 4000);
    QTest::newRow("rectangular") << int(FormulaKind::Rectangular) << QSize(10752, 3936);
    QTest::newRow("spiral") << int(FormulaKind::FlatSpiral) << QSize(4560, 4236);
}

void SecondaryWindowsTest::resizeRaisesToTheMinimum()
{
    QFETCH(int, kind);
    QFETCH(QSize, minimumTwips);
    auto* window = new FormulaWindow(static_cast<FormulaKind>(kind));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // Too small both ways, too narrow only, too low only: raised to the
    // minimum where it fell short, not a pixel more, and kept where it did not.
    const auto raised = [](int outer, int minimum) {
        return PixelsToTwips(outer) >= minimum && PixelsToTwips(outer - 1) < minimum;
    };
    for (const QSize small : {QSize(100, 100), QSize(100, 2000), QSize(2000, 100)}) {
        window->setFixedSize(small);
        QCoreApplication::processEvents();
        const QSize outer = window->frameGeometry().size();
        QVERIFY(small.width() == 2000 ? window->width() == 2000 : raised(outer.width(), minimumTwips.width()));
        QVERIFY(small.height() == 2000 ? window->height() == 2000 : raised(outer.height(), minimumTwips.height()));
    }
    window->close();
}

void SecondaryWindowsTest::resizeLeavesMinimizedWindowAlone()
{
    auto* window = new FormulaWindow(FormulaKind::FlatSpiral);
    window->showMinimized();
    QCoreApplication::processEvents();
    QVERIFY(window->isMinimized());
    window->setFixedSize(100, 100);
    QCoreApplication::processEvents();
    QCOMPARE(window->size(), QSize(100, 100));
    window->close();
}

void SecondaryWindowsTest::aboutDesign()
{
    auto* about = new AboutBox;
    about->show();
    QApplication::setActiveWindow(about);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about->windowTitle(), QStringLiteral(" Inductance Calculation"));
    QCOMPARE(about->size(), QSize(TwipsToPixels(5724), TwipsToPixels(3228)));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(about->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(about->parentWidget() == nullptr);
    QVERIFY(!about->isModal());

    // Centred on the screen.
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY((about->frameGeometry().center() - centre).manhattanLength() <= 2);

    auto* ok = about->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);

    auto* title = about->findChild<QLabel*>(QStringLiteral("lblTitle"));
    QCOMPARE(title->text(), QStringLiteral("Inductance Calculation"));
    QCOMPARE(title->font().family(), QStringLiteral("Arial"));
    QCOMPARE(title->font().pointSizeF(), 22.2);
    QVERIFY(title->font().bold());
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 192));

    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Ver 1.0.0"));
    auto* description = about->findChild<QLabel*>(QStringLiteral("lblDescription"));
    QCOMPARE(description->text(),
             QStringLiteral("From user inputs, this program calculates the inductances of small coil shapes: Round "
                            "wirewound, Square Wirewound, Flat spiral air coil and Flat rectangular air coil. "));
    QVERIFY(description->wordWrap());
    // The whole description fits its box, whatever the default font.
    QVERIFY(
        description->fontMetrics()
            .boundingRect(description->rect(), Qt::TextWordWrap | int(description->alignment()), description->text())
            .height() <= description->height());
    QCOMPARE(description->palette().color(QPalette::WindowText), QColor(Qt::black));

    auto* disclaimer = about->findChild<QLabel*>(QStringLiteral("lblDisclaimer"));
    QVERIFY(!disclaimer->text().isEmpty());
    QVERIFY(disclaimer->alignment().testFlag(Qt::AlignHCenter));
    // At most two lines fit its box.
    const QRect needed = disclaimer->fontMetrics().boundingRect(disclaimer->rect(), Qt::TextWordWrap | Qt::AlignCenter,
                                                                disclaimer->text());
    QVERIFY(needed.height() < 3 * disclaimer->fontMetrics().lineSpacing());
    QVERIFY(needed.height() <= disclaimer->height());
    QVERIFY(needed.width() <= disclaimer->width());

    auto* line = about->findChild<QFrame*>(QStringLiteral("Line1"));
    QCOMPARE(line->height(), 2);
    QCOMPARE(line->palette().color(QPalette::Window), QColor(Qt::white));

    auto* logo = about->findChild<PictureBox*>(QStringLiteral("Image1"));
    QVERIFY(logo != nullptr);
    about->close();
}

void SecondaryWindowsTest::aboutControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("lblTitle") << "lblTitle" << QRect(348, 192, 5136, 480);
    QTest::newRow("Image1") << "Image1" << QRect(204, 744, 1452, 1656);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(1896, 744, 1128, 348);
    QTest::newRow("lblDescription") << "lblDescription" << QRect(1920, 1200, 3528, 948);
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(255, 2625, 3870, 465);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(4245, 2625, 1260, 345);
}

void SecondaryWindowsTest::aboutControls()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    AboutBox about;
    auto* control = about.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(control->focusPolicy() != Qt::NoFocus, name == QStringLiteral("cmdOK"));
}

void SecondaryWindowsTest::aboutCloses_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("Return") << 2;
    QTest::newRow("Esc") << 3;
    QTest::newRow("close box") << 4;
}

void SecondaryWindowsTest::aboutCloses()
{
    QFETCH(int, how);
    SecondaryWindows windows;
    windows.showAbout();
    QPointer<AboutBox> about = windows.aboutBox();
    QVERIFY(!about.isNull());
    QApplication::setActiveWindow(about);
    QVERIFY(QTest::qWaitForWindowActive(about));

    switch (how) {
    case 0: ClickOn(about->okButton()); break;
    case 1: TypeKey(about, Qt::Key_Enter); break;
    case 2: TypeKey(about, Qt::Key_Return); break;
    case 3: TypeKey(about, Qt::Key_Escape); break;
    default: QVERIFY(about->close()); break;
    }
    QVERIFY(windows.aboutBox() == nullptr);
    FlushDeletes();
    QVERIFY(about.isNull());

    windows.showAbout();
    QVERIFY(windows.aboutBox() != nullptr);
    QVERIFY(windows.aboutBox()->isVisible());
}

QTEST_MAIN(SecondaryWindowsTest)
#include "secondarywindows_test.moc"
