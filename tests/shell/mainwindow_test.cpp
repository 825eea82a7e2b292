// SPDX-License-Identifier: MIT
// The main window as the user meets it: start state, page changes, Tab
// order, the four Calculate buttons with their messages, and the minimum size.
#include "mainwindow.h"
#include "mainwindowdesign.h"
#include "messagecatcher.h"
#include "minimumsize.h"
#include "tabrows.h"
#include "twips.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <vector>

using loopcalc::shell::ApplyMinimumSize;
using loopcalc::shell::ControlDesign;
using loopcalc::shell::MainPages;
using loopcalc::shell::MainTabControl;
using loopcalc::shell::MainWindow;
using loopcalc::shell::OuterSize;
using loopcalc::shell::PageDesign;
using loopcalc::shell::TabRows;
using loopcalc::testing::ClickAt;
using loopcalc::testing::ClickOn;
using loopcalc::testing::kPages;
using loopcalc::testing::MessageCatcher;
using loopcalc::testing::NameOf;
using loopcalc::testing::PageCaptions;
using loopcalc::testing::PageFacts;
using loopcalc::testing::TypeKey;
using loopcalc::testing::TypeText;
using loopcalc::testing::WidgetAt;
using loopcalc::testing::WindowFixture;

namespace {

using Texts = QMap<QString, QString>;

/// Whether the process has a file whose path holds name mapped (Linux).
bool Mapped(const char* name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

QString Icon(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Critical: return QStringLiteral("error");
    case QMessageBox::Warning: return QStringLiteral("warning");
    default: return QStringLiteral("other");
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOnTheLastPageWithTheFocusOnTheTabControl();
    void controlsShowTheirInitialTexts_data();
    void controlsShowTheirInitialTexts();
    void captionsFontsAndColours();
    void geometryFollowsTheDesign();
    void menusHaveTheirItems();

    void pageChangeMovesTheFocus_data();
    void pageChangeMovesTheFocus();
    void tabVisitsTheShownPageOnly_data();
    void tabVisitsTheShownPageOnly();
    void keyboardSelectsRows();

    void refusalRewritesFocusesAndTells_data();
    void refusalRewritesFocusesAndTells();
    void outOfRangeRestoresTheInputs_data();
    void outOfRangeRestoresTheInputs();
    void anyTextIsSurvived();
    void readsTheUsersDecimalSeparator();
    void everyPageByMouse_data();
    void everyPageByMouse();
    void everyControlShownWhole_data();
    void everyControlShownWhole();
    void enterCalculates_data();
    void enterCalculates();
    void decimalCommaTyped_data();
    void decimalCommaTyped();

    void resultBoxesIgnoreTyping();
    void escapeAndEnterOutsideBoxesPressNoButton();

    void minimumSizeRule_data();
    void minimumSizeRule();
    void resizeRaisesTheOuterSize();
    void exitEndsTheProcessAtOnce();

private:
    /// The texts set into the page's boxes, then its Calculate button
    /// clicked: one message box with the program's caption and an OK button
    /// is seen (with the watched boxes' texts), and the result box keeps its
    /// text.
    void pressForOneMessage(int page, const Texts& typed, const QStringList& watched, MessageCatcher::Seen* seen);
    bool atStandardDpi() const { return qFuzzyCompare(m_ui->logicalDpiX(), 96.0); }

    WindowFixture m_ui;
};

void MainWindowTest::init()
{
    QVERIFY(m_ui.open());
}

void MainWindowTest::cleanup()
{
    m_ui.close();
}

void MainWindowTest::startsOnTheLastPageWithTheFocusOnTheTabControl()
{
    QCOMPARE(m_ui->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(m_ui->windowTitle(), QStringLiteral("  Small Loop Inductance Calculation"));
    QCOMPARE(m_ui->tabControl()->currentIndex(), 3);
    QCOMPARE(m_ui->tabControl()->property("currentIndex").toInt(), 3);
    QCOMPARE(m_ui.focused(), QStringLiteral("SSTab1"));
    QVERIFY(m_ui->tabControl()->page(3)->isVisible());
    for (int page = 0; page < 3; ++page) {
        QVERIFY(!m_ui->tabControl()->page(page)->isVisible());
    }
    QCOMPARE(m_ui->nLogFlag(), qint16{0});
    // The first paint shows pictures made at build time only: the module
    // that draws vector pictures (and loads the SVG library) is loaded when
    // a picture is first read, not at start.
    QVERIFY(Mapped("libQt6Gui"));
    QVERIFY(!Mapped("loopcalc-pictures"));

    const Qt::WindowFlags flags = m_ui->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    // The user cannot drag the frame to another size.
    QCOMPARE(m_ui->minimumSize(), m_ui->maximumSize());

    // Centred on the screen; the minimum-size rule may since have added a
    // few pixels at the right and bottom.
    const QPoint offCentre = m_ui->frameGeometry().center() - m_ui->screen()->availableGeometry().center();
    QVERIFY2(std::abs(offCentre.x()) <= 8 && std::abs(offCentre.y()) <= 16,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
}

void MainWindowTest::controlsShowTheirInitialTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    const struct {
        const char* box;
        const char* text;
        const char* toolTip;  ///< none on the result boxes, which the user cannot type into
    } boxes[] = {
        {"txtRadius2", "10", "Input Radius"},
        {"txtTurns2", "11.5", "Input Number of Turns"},
        {"txtWire2", "0.127", "Input Wire Radius"},
        {"txtInductance2", "5.82 µH", ""},
        {"txtWidth4", "21", "Input Width"},
        {"txtHeight4", "10", "Input Height"},
        {"txtTurns4", "11", "Input Turns"},
        {"txtWireRad4", "0.127", "Input Wire Radius"},
        {"txtInductance4", "5.85 µH", ""},
        {"txtOuterRadius3", "8.5", "Input Outer Radius"},
        {"txtInnerRadius3", "7.25", "Input Inner Radius"},
        {"txtTurns3", "12", "Input Number of Turns"},
        {"txtInductance3", "4.62 µH", ""},
        {"txtWidth1", "21", "Input Width"},
        {"txtHeight1", "10", "Input Height"},
        {"txtTurns1", "11", "Input Number of Turns"},
        {"txtTrace1", "0.127", "Input Trace Size"},
        {"txtInductance1", "5.858 µH", ""},
    };
    for (const auto& row : boxes) {
        QTest::newRow(row.box) << QString::fromUtf8(row.text) << QString::fromUtf8(row.toolTip);
    }
}

void MainWindowTest::controlsShowTheirInitialTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    // Each row is named by its box.
    QLineEdit* edit = m_ui.box(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(edit != nullptr);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->toolTip(), toolTip);
    QCOMPARE(edit->isReadOnly(), toolTip.isEmpty());
    QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(edit->font().family(), QStringLiteral("Arial"));
    QCOMPARE(edit->font().pointSizeF(), 10.8);
}

void MainWindowTest::captionsFontsAndColours()
{
    TabRows* tabs = m_ui->tabControl();
    QCOMPARE(tabs->objectName(), QStringLiteral("SSTab1"));
    QCOMPARE(tabs->toolTip(), QStringLiteral("Calculate Aircoil  Inductance"));
    QCOMPARE(tabs->count(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(tabs->caption(i), PageCaptions().at(i));
    }
    QCOMPARE(tabs->font().family(), QStringLiteral("Arial"));
    QCOMPARE(tabs->font().pointSizeF(), 12.0);

    const struct {
        const char* name;
        const char* title;
    } frames[] = {
        {"fraCircWireCoil", "  Style  "}, {"fraInput2", "  Input Data  "}, {"fraResult2", "  Result  "},
        {"fraImage1", "  Style  "},       {"fraInput4", "  Input Data  "}, {"fraResult4", "  Result  "},
        {"fraSpiralCoil", "  Style  "},   {"fraInput3", "  Input Data  "}, {"fraResult3", "  Result  "},
        {"fraFlatRectCoil", "  Style  "}, {"fraInput1", "  Input Data  "}, {"fraResult1", "  Result  "},
    };
    for (const auto& frame : frames) {
        auto* group = m_ui.child<QGroupBox>(frame.name);
        QVERIFY(group != nullptr);
        QCOMPARE(group->title(), QString::fromUtf8(frame.title));
        QCOMPARE(group->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(group->font().pointSizeF(), 7.8);
    }
    QCOMPARE(m_ui.child<QGroupBox>("fraHeader")->title(), QString());

    const struct {
        const char* name;
        const char* caption;
    } labels[] = {
        {"lblRadius2", "Radius (mm):"},    {"lblTurns2", "No.of Turns:"},     {"lblWire2", "Wire Radius (mm):"},
        {"lblResult2", "Inductance:"},     {"lblWidth4", "Width (mm):"},      {"lblheight4", "Height (mm):"},
        {"lblTurns4", "No. of Turns:"},    {"lblWire4", "Wire Radius (mm):"}, {"lblInductance4", "Inductance:"},
        {"Label1", "Outer Radius (mm):"},  {"Label2", "Inner Radius (mm):"},  {"Label3", "No. of Turns:"},
        {"lblInductance3", "Inductance:"}, {"lblWidth1", "Width (mm):"},      {"lblHeight1", "Height (mm):"},
        {"lblTurns1", "No. of Turns:"},    {"lblTrace1", "Trace Size (mm):"}, {"lblInduct1", "Inductance:"},
    };
    for (const auto& entry : labels) {
        auto* label = m_ui.child<QLabel>(entry.name);
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), QString::fromUtf8(entry.caption));
        QCOMPARE(label->font().pointSizeF(), 10.8);
        // The frame's blue is for its caption only.
        QVERIFY(label->palette().color(QPalette::WindowText) != QColor(Qt::blue));
    }

    auto* note = m_ui.child<QLabel>("lblNote1");
    QCOMPARE(note->text(), QStringLiteral("(Note: Dimensions are taken           centre trace to centre trace)"));
    QVERIFY(note->wordWrap());
    QVERIFY(note->font().pointSizeF() < 12.0);
    auto* rfid = m_ui.child<QLabel>("lblRFID");
    QCOMPARE(rfid->text(), QStringLiteral("RFID"));
    QCOMPARE(rfid->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(rfid->font().bold());
    QCOMPARE(rfid->font().pointSizeF(), 12.0);

    for (const PageFacts& page : kPages) {
        auto* button = m_ui.child<QPushButton>(page.button);
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), QStringLiteral("Calculate"));
        QCOMPARE(button->toolTip(), QStringLiteral("Calculate Inductance"));
        QVERIFY(button->font().bold());
        QCOMPARE(button->font().pointSizeF(), 12.0);
        QCOMPARE(button->palette().color(QPalette::Button), QColor(128, 128, 255));
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }

    for (const char* name : {"imgCircWireCoil", "imgRectWireCoil", "imgSpiralCoil", "imgFlatRectCoil", "imgHeader"}) {
        QVERIFY2(m_ui->findChild<QWidget*>(name) != nullptr, name);
    }
}

void MainWindowTest::geometryFollowsTheDesign()
{
    if (!atStandardDpi()) {
        QSKIP("pixel positions are checked at 96 dpi");
    }
    // 15 twips a pixel.
    const struct {
        const char* name;
        QRect pixels;
    } places[] = {
        {"SSTab1", {14, 8, 547, 363}},          {"fraHeader", {16, 384, 545, 57}},
        {"lblRFID", {16, 24, 81, 17}},          {"imgHeader", {368, 12, 163, 37}},
        {"txtRadius2", {132, 19, 53, 24}},      {"txtWire2", {132, 76, 53, 24}},
        {"txtTrace1", {132, 104, 53, 24}},      {"txtInductance1", {87, 17, 107, 24}},
        {"imgFlatRectCoil", {8, 24, 249, 184}}, {"imgSpiralCoil", {8, 24, 249, 213}},
    };
    for (const auto& place : places) {
        const QWidget* widget = m_ui->findChild<QWidget*>(place.name);
        QVERIFY2(widget != nullptr, place.name);
        QCOMPARE(widget->geometry(), place.pixels);
    }
    // Page controls count from the tab control's corner, its rows included.
    const TabRows* tabs = m_ui->tabControl();
    const QWidget* button = m_ui.child<QPushButton>("cmdCalculate1");
    QCOMPARE(button->mapTo(tabs, QPoint(0, 0)), QPoint(333, 313));
    QCOMPARE(button->size(), QSize(133, 27));
    QCOMPARE(m_ui.child<QLabel>("lblNote1")->mapTo(tabs, QPoint(0, 0)), QPoint(64, 320));
    QCOMPARE(m_ui.child<QGroupBox>("fraFlatRectCoil")->mapTo(tabs, QPoint(0, 0)), QPoint(15, 96));
    QCOMPARE(m_ui.child<QGroupBox>("fraFlatRectCoil")->height(), 220);
    QCOMPARE(m_ui.child<QGroupBox>("fraCircWireCoil")->height(), 247);
    // Four rows of about 350 twips stand above the pages.
    QCOMPARE(tabs->pageTop(), 4 * 23);
    // The client area below the menu bar.
    QVERIFY(m_ui->centralWidget()->width() >= 576);
    QVERIFY(m_ui->centralWidget()->height() >= 454);
}

void MainWindowTest::menusHaveTheirItems()
{
    const QList<QAction*> bar = m_ui->menuBar()->actions();
    // The design assistant's menu stands between "Formulae" and "&About".
    QCOMPARE(bar.size(), 4);
    QCOMPARE(bar.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(bar.at(0)->menu(), m_ui.child<QMenu>("mnuFile"));
    QCOMPARE(bar.at(1)->text(), QStringLiteral("Formulae"));
    QCOMPARE(bar.at(1)->menu(), m_ui.child<QMenu>("mnuFormula"));
    QCOMPARE(bar.at(2)->text(), QStringLiteral("&Design"));
    QCOMPARE(bar.at(3)->text(), QStringLiteral("&About"));
    QCOMPARE(bar.at(3)->objectName(), QStringLiteral("mnuAbout"));
    QVERIFY(bar.at(3)->menu() == nullptr);

    const auto names = [](const QMenu* menu) {
        QStringList list;
        for (const QAction* action : menu->actions()) {
            list << action->objectName() + "=" + action->text();
        }
        return list;
    };
    QCOMPARE(names(m_ui.child<QMenu>("mnuFile")), (QStringList{"mnuLog=&Log Calculations", "mnuExit=&Exit"}));
    QCOMPARE(names(m_ui.child<QMenu>("mnuFormula")),
             (QStringList{"mnuFsc=Flat Spiral Coil", "mnuFrc=Flat Rectangular Coil ", "mnuCwc=Circular Wirewound Coil",
                          "mnuRwC=Rectangular Wirewound Coil"}));

    auto* log = m_ui.child<QAction>("mnuLog");
    QVERIFY(log->isCheckable());
    QVERIFY(!log->isChecked());
    for (QAction* action : m_ui->findChildren<QAction*>()) {
        // Only the design assistant has a shortcut, Ctrl+D.
        QVERIFY2(action->shortcut().isEmpty() || action->objectName() == QStringLiteral("mnuDesign"),
                 qPrintable(action->objectName()));
        QVERIFY(action->isEnabled());
        QVERIFY(action->isVisible());
    }
}

void MainWindowTest::pageChangeMovesTheFocus_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    for (int page = 0; page < 4; ++page) {
        QTest::newRow(kPages[page].name) << page << kPages[page].firstBox;
    }
}

void MainWindowTest::pageChangeMovesTheFocus()
{
    QFETCH(int, page);
    QFETCH(QString, box);
    TabRows* tabs = m_ui->tabControl();
    const int other = (page + 2) % 4;

    // Through the property, as code selects a page.
    QVERIFY(tabs->setProperty("currentIndex", other));
    QSignalSpy changes(tabs, &TabRows::currentIndexChanged);
    QVERIFY(tabs->setProperty("currentIndex", page));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), page);
    QCOMPARE(m_ui.focused(), box);
    QVERIFY(tabs->page(page)->isVisible());
    QVERIFY(!tabs->page(other)->isVisible());

    // Through a click on the row, as the user selects it.
    m_ui.selectPage(other);
    ClickAt(tabs, tabs->rowRect(page).center());
    QCOMPARE(tabs->currentIndex(), page);
    QCOMPARE(m_ui.focused(), box);

    // A click on the current row selects nothing new: the tab control takes
    // the focus and keeps it.
    ClickAt(tabs, tabs->rowRect(page).center());
    QCOMPARE(m_ui.focused(), QStringLiteral("SSTab1"));
    QCOMPARE(changes.size(), 3);
}

void MainWindowTest::tabVisitsTheShownPageOnly_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("circular") << 0
                              << QStringList{"cmdCalculate2", "txtInductance2", "txtRadius2", "txtTurns2", "txtWire2"};
    QTest::newRow("rectangular") << 1 << QStringList{"cmdCalculate3", "txtInductance4", "txtWidth4",
                                                     "txtHeight4",    "txtTurns4",      "txtWireRad4"};
    QTest::newRow("spiral") << 2
                            << QStringList{"cmdCalculate4", "txtOuterRadius3", "txtInnerRadius3", "txtTurns3",
                                           "txtInductance3"};
    QTest::newRow("flat rectangular") << 3 << QStringList{"txtWidth1", "txtHeight1",    "txtTurns1",
                                                          "txtTrace1", "cmdCalculate1", "txtInductance1"};
}

void MainWindowTest::tabVisitsTheShownPageOnly()
{
    QFETCH(int, page);
    QFETCH(QStringList, order);
    m_ui.selectPage(page);
    m_ui.focusTabs();

    QStringList forward;
    for (int i = 0; i <= order.size(); ++i) {
        TypeKey(m_ui.window(), Qt::Key_Tab);
        forward << m_ui.focused();
    }
    QCOMPARE(forward, order + QStringList{"SSTab1"});

    QStringList backward;
    for (int i = 0; i <= order.size(); ++i) {
        TypeKey(m_ui.window(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward << m_ui.focused();
    }
    QStringList reversed(order.rbegin(), order.rend());
    QCOMPARE(backward, reversed + QStringList{"SSTab1"});
}

void MainWindowTest::keyboardSelectsRows()
{
    TabRows* tabs = m_ui->tabControl();
    QCOMPARE(m_ui.focused(), QStringLiteral("SSTab1"));
    // The last row: Down goes nowhere.
    TypeKey(tabs, Qt::Key_Down);
    QCOMPARE(tabs->currentIndex(), 3);
    QCOMPARE(m_ui.focused(), QStringLiteral("SSTab1"));
    // Up selects the row above and the page rule takes the focus into it.
    TypeKey(tabs, Qt::Key_Up);
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(m_ui.focused(), QStringLiteral("txtOuterRadius3"));
    m_ui.focusTabs();
    TypeKey(tabs, Qt::Key_Home);
    QCOMPARE(tabs->currentIndex(), 0);
    m_ui.focusTabs();
    TypeKey(tabs, Qt::Key_End);
    QCOMPARE(tabs->currentIndex(), 3);

    // Ctrl+Tab works from inside a page and wraps round; arrows in a box do not.
    QLineEdit* width = m_ui.box("txtWidth1");
    ClickOn(width);
    TypeKey(width, Qt::Key_Up);
    QCOMPARE(tabs->currentIndex(), 3);
    TypeKey(width, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(m_ui.focused(), QStringLiteral("txtRadius2"));
    TypeKey(m_ui.window(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), 3);
    QCOMPARE(m_ui.focused(), QStringLiteral("txtWidth1"));
}

void MainWindowTest::pressForOneMessage(int page, const Texts& typed, const QStringList& watched,
                                        MessageCatcher::Seen* seen)
{
    m_ui.selectPage(page);
    for (auto it = typed.cbegin(); it != typed.cend(); ++it) {
        m_ui.box(it.key())->setText(it.value());
    }
    QLineEdit* result = m_ui.box(kPages[page].result);
    const QString resultBefore = result->text();
    MessageCatcher catcher(m_ui.window(), watched);
    ClickOn(m_ui.child<QPushButton>(kPages[page].button));
    QVERIFY(!catcher.timedOut);
    QCOMPARE(catcher.seen.size(), 1);
    *seen = catcher.seen.first();
    QCOMPARE(seen->caption, QStringLiteral("Inductance Calculation"));
    QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(result->text(), resultBefore);
}

void MainWindowTest::refusalRewritesFocusesAndTells_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focusDuringMessage");
    QTest::addColumn<Texts>("duringMessage");
    QTest::addColumn<Texts>("after");
    QTest::addColumn<QString>("focusAfter");

    QTest::newRow("circular turns below 1")
        << 0 << Texts{{"txtTurns2", "0.5"}} << "Turns must be > 0"
        << "txtTurns2" << Texts{{"txtTurns2", "10"}, {"txtRadius2", "10"}, {"txtWire2", "0.127"}}
        << Texts{{"txtTurns2", "10"}, {"txtRadius2", "10"}, {"txtWire2", "0.127"}} << "txtTurns2";
    QTest::newRow("circular all empty") << 0 << Texts{{"txtTurns2", ""}, {"txtRadius2", ""}, {"txtWire2", ""}}
                                        << "Turns must be > 0"
                                        << "txtTurns2"
                                        << Texts{{"txtTurns2", "10"}, {"txtRadius2", ""}, {"txtWire2", ""}}
                                        << Texts{{"txtTurns2", "10"}, {"txtRadius2", ""}, {"txtWire2", ""}}
                                        << "txtTurns2";
    QTest::newRow("circular wire radius 0")
        << 0 << Texts{{"txtWire2", "0"}} << "Wire Radius must be > 0"
        << "txtWire2" << Texts{{"txtWire2", "0.0127"}} << Texts{{"txtWire2", "0.0127"}} << "txtWire2";
    QTest::newRow("rectangular height 0 before an empty width")
        << 1 << Texts{{"txtHeight4", "0"}, {"txtWidth4", ""}} << "Height must be > 0"
        << "txtHeight4" << Texts{{"txtHeight4", "10.0"}, {"txtWidth4", ""}}
        << Texts{{"txtHeight4", "10.0"}, {"txtWidth4", ""}} << "txtHeight4";
    QTest::newRow("rectangular width unreadable")
        << 1 << Texts{{"txtWidth4", "."}} << "Width must be > 0"
        << "txtWidth4" << Texts{{"txtWidth4", "21.0"}} << Texts{{"txtWidth4", "21.0"}} << "txtWidth4";
    // The radii are both rewritten, and the focus moved, before the message.
    QTest::newRow("spiral inner beyond outer")
        << 2 << Texts{{"txtOuterRadius3", "8.5"}, {"txtInnerRadius3", "9"}} << "Outer Radius must be > Inner Radius"
        << "txtOuterRadius3" << Texts{{"txtOuterRadius3", "8.5"}, {"txtInnerRadius3", "7.25"}}
        << Texts{{"txtOuterRadius3", "8.5"}, {"txtInnerRadius3", "7.25"}} << "txtOuterRadius3";
    // Here the message comes first; the box is rewritten and focused after it.
    QTest::newRow("spiral both radii empty")
        << 2 << Texts{{"txtOuterRadius3", ""}, {"txtInnerRadius3", ""}} << "Outer Radius must be > 0"
        << "cmdCalculate4" << Texts{{"txtOuterRadius3", ""}, {"txtInnerRadius3", ""}}
        << Texts{{"txtOuterRadius3", "8.5"}, {"txtInnerRadius3", ""}} << "txtOuterRadius3";
    QTest::newRow("spiral inner radius empty")
        << 2 << Texts{{"txtInnerRadius3", ""}, {"txtOuterRadius3", "-1"}} << "Outer Radius must be > Inner Radius"
        << "txtOuterRadius3" << Texts{{"txtOuterRadius3", "8.5"}, {"txtInnerRadius3", "7.25"}}
        << Texts{{"txtOuterRadius3", "8.5"}, {"txtInnerRadius3", "7.25"}} << "txtOuterRadius3";
    QTest::newRow("spiral 100.5 turns") << 2 << Texts{{"txtTurns3", "100.5"}} << "Turns must be > 0 and < 101"
                                        << "txtTurns3" << Texts{{"txtTurns3", "12"}} << Texts{{"txtTurns3", "12"}}
                                        << "txtTurns3";
    QTest::newRow("flat rectangular trace 2.55")
        << 3 << Texts{{"txtTrace1", "2.55"}} << "Trace must be > 0 or < 2.6"
        << "txtTrace1" << Texts{{"txtTrace1", "0.127"}} << Texts{{"txtTrace1", "0.127"}} << "txtTrace1";
    QTest::newRow("flat rectangular trace before width")
        << 3 << Texts{{"txtTrace1", ""}, {"txtWidth1", ""}} << "Trace must be > 0 or < 2.6"
        << "txtTrace1" << Texts{{"txtTrace1", "0.127"}, {"txtWidth1", ""}}
        << Texts{{"txtTrace1", "0.127"}, {"txtWidth1", ""}} << "txtTrace1";
}

void MainWindowTest::refusalRewritesFocusesAndTells()
{
    QFETCH(int, page);
    QFETCH(Texts, typed);
    QFETCH(QString, message);
    QFETCH(QString, focusDuringMessage);
    QFETCH(Texts, duringMessage);
    QFETCH(Texts, after);
    QFETCH(QString, focusAfter);

    MessageCatcher::Seen seen;
    pressForOneMessage(page, typed, duringMessage.keys(), &seen);
    QCOMPARE(seen.text, message);
    QCOMPARE(Icon(seen.icon), QStringLiteral("error"));
    QCOMPARE(seen.focus, focusDuringMessage);
    QCOMPARE(seen.boxes, duringMessage);

    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        QCOMPARE(m_ui.box(it.key())->text(), it.value());
    }
    QCOMPARE(m_ui.focused(), focusAfter);
}

void MainWindowTest::outOfRangeRestoresTheInputs_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<QString>("messageStart");
    QTest::addColumn<Texts>("after");
    QTest::addColumn<QString>("focusAfter");

    QTest::newRow("circular") << 0 << Texts{{"txtTurns2", "100"}, {"txtRadius2", "200"}, {"txtWire2", "0.1"}}
                              << "Result out of range:  1.21730752727319E-02"
                              << Texts{{"txtTurns2", "10"}, {"txtRadius2", "12.5"}, {"txtWire2", "0.0127"}}
                              << "txtRadius2";
    QTest::newRow("rectangular")
        << 1 << Texts{{"txtTurns4", "1000"}, {"txtWidth4", "1000"}, {"txtHeight4", "1000"}, {"txtWireRad4", "0.127"}}
        << "Result out of range: "
        << Texts{{"txtTurns4", "11"}, {"txtWidth4", "21.0"}, {"txtHeight4", "10.0"}, {"txtWireRad4", "0.127"}}
        << "txtTurns4";
    // 0.01 turns: a few millionths of a microhenry, shown in exponent form.
    QTest::newRow("spiral") << 2 << Texts{{"txtTurns3", "0.01"}}
                            << QString::fromUtf8("Result out of range:  3.20784405537459E-06 µH")
                            << Texts{{"txtOuterRadius3", "8.5"}, {"txtInnerRadius3", "7.25"}, {"txtTurns3", "12"}}
                            << "txtOuterRadius3";
    QTest::newRow("flat rectangular")
        << 3 << Texts{{"txtTurns1", "1000"}, {"txtWidth1", "1000"}, {"txtHeight1", "1000"}, {"txtTrace1", "2"}}
        << "Result out of range: "
        << Texts{{"txtTurns1", "11"}, {"txtWidth1", "21.0"}, {"txtHeight1", "10.0"}, {"txtTrace1", "0.127"}}
        << "txtWidth1";
}

void MainWindowTest::outOfRangeRestoresTheInputs()
{
    QFETCH(int, page);
    QFETCH(Texts, typed);
    QFETCH(QString, messageStart);
    QFETCH(Texts, after);
    QFETCH(QString, focusAfter);

    MessageCatcher::Seen seen;
    pressForOneMessage(page, typed, after.keys(), &seen);
    QVERIFY2(seen.text.startsWith(messageStart), qPrintable(seen.text));
    QCOMPARE(Icon(seen.icon), QStringLiteral("warning"));
    // The message comes first: the boxes still hold what was typed.
    for (auto it = typed.cbegin(); it != typed.cend(); ++it) {
        QCOMPARE(seen.boxes.value(it.key()), it.value());
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        QCOMPARE(m_ui.box(it.key())->text(), it.value());
    }
    QCOMPARE(m_ui.focused(), focusAfter);
}

void MainWindowTest::anyTextIsSurvived()
{
    const QStringList texts{"",
                            ".",
                            "-",
                            "1e999",
                            "-1e999",
                            "nan",
                            "inf",
                            "1,2,3",
                            "0x10",
                            "\xd9\xa1\xd9\xa2",
                            "  7",
                            "7 ",
                            "1..2",
                            QString(5000, QLatin1Char('9')),
                            QStringLiteral("1e-320")};
    MessageCatcher catcher;
    int messages = 0;
    for (int page = 0; page < 4; ++page) {
        m_ui.selectPage(page);
        const QList<QLineEdit*> boxes = m_ui->tabControl()->page(page)->findChildren<QLineEdit*>();
        for (const QString& text : texts) {
            for (QLineEdit* edit : boxes) {
                if (!edit->isReadOnly()) {
                    edit->setText(text);
                }
            }
            ClickOn(m_ui.child<QPushButton>(kPages[page].button));
            // Every press ends in a result or exactly one message.
            QVERIFY(catcher.seen.size() - messages <= 1);
            messages = static_cast<int>(catcher.seen.size());
            QVERIFY(QApplication::activeModalWidget() == nullptr);
        }
    }
    QVERIFY(!catcher.timedOut);
    QVERIFY(messages > 0);
    QVERIFY(m_ui->isVisible());
}

void MainWindowTest::readsTheUsersDecimalSeparator()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(m_ui->port().decimalSeparator(), std::string(","));
    m_ui.box("txtTrace1")->setText(QStringLiteral("0,127"));
    MessageCatcher catcher;
    ClickOn(m_ui.child<QPushButton>("cmdCalculate1"));
    QLocale::setDefault(saved);
    QVERIFY(catcher.seen.isEmpty());
    QCOMPARE(m_ui.box("txtInductance1")->text(), QString::fromUtf8(" 5.85 µH"));
}

void MainWindowTest::everyPageByMouse_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("text");
    // A page's row clicked first thing, before the pages left for after the
    // first paint are built: the page must be there, whole, at its place.
    QTest::addColumn<bool>("firstThing");
    for (const bool firstThing : {false, true}) {
        for (int page = 0; page < 4; ++page) {
            if (firstThing && page == MainTabControl().startPage) {
                continue;  // built with the window
            }
            const PageFacts& row = kPages[page];
            QTest::newRow(qPrintable(QString::fromLatin1(row.name) + (firstThing ? " first thing" : "")))
                << page << row.button << row.result << QString::fromUtf8(row.startResult) << firstThing;
        }
    }
}

void MainWindowTest::everyPageByMouse()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, text);
    QFETCH(bool, firstThing);
    if (firstThing) {
        QVERIFY(m_ui.open(QString(), WindowFixture::Wait::Not));
        QVERIFY(!m_ui->pagesComplete());
        QVERIFY(m_ui->tabControl()->page(page)->findChildren<QWidget*>().isEmpty());
    }
    TabRows* tabs = m_ui->tabControl();
    // The page is selected later, after another one, as a user would; or
    // at once.
    const std::vector<int> rows = firstThing ? std::vector<int>{page} : std::vector<int>{(page + 1) % 4, page};
    for (const int row : rows) {
        ClickAt(tabs, tabs->rowRect(row).center());
        QCOMPARE(tabs->currentIndex(), row);
    }
    auto* calculate = m_ui.child<QPushButton>(button);
    QCOMPARE(NameOf(WidgetAt(calculate, calculate->rect().center())), button);
    MessageCatcher catcher;
    ClickOn(calculate);
    QCOMPARE(m_ui.box(result)->text(), text);
    QVERIFY(catcher.seen.isEmpty());
}

void MainWindowTest::everyControlShownWhole_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("before");
    QTest::newRow("circular") << 0 << 3;
    QTest::newRow("rectangular") << 1 << 0;
    QTest::newRow("spiral") << 2 << 3;
    QTest::newRow("flat rectangular") << 3 << 1;
    QTest::newRow("circular after spiral") << 0 << 2;
    QTest::newRow("flat rectangular after circular") << 3 << 0;
}

void MainWindowTest::everyControlShownWhole()
{
    using loopcalc::shell::TwipsRect;
    QFETCH(int, page);
    QFETCH(int, before);
    TabRows* tabs = m_ui->tabControl();
    ClickAt(tabs, tabs->rowRect(before).center());
    ClickAt(tabs, tabs->rowRect(page).center());
    QCOMPARE(tabs->currentIndex(), page);

    const double dpi = m_ui->logicalDpiX();
    const PageDesign& pageDesign = MainPages()[static_cast<std::size_t>(page)];
    for (const ControlDesign& control : pageDesign.controls) {
        const QString name = QString::fromUtf8(control.name.data(), static_cast<qsizetype>(control.name.size()));
        const QWidget* widget = m_ui->findChild<QWidget*>(name);
        QVERIFY2(widget != nullptr && widget->isVisible(), qPrintable(name));
        // Whole inside every parent up to the window: nothing clips it.
        for (const QWidget* inner = widget; inner != m_ui.window(); inner = inner->parentWidget()) {
            const QWidget* outer = inner->parentWidget();
            const QRect place(widget->mapTo(outer, QPoint(0, 0)), widget->size());
            QVERIFY2(outer->rect().contains(place),
                     qPrintable(QStringLiteral("%1 cut by %2").arg(name, NameOf(outer))));
        }
        // A label's caption is shown to its last character.
        if (const auto* label = qobject_cast<const QLabel*>(widget); label != nullptr && !label->wordWrap()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 cut: %2 > %3")
                                    .arg(name)
                                    .arg(label->fontMetrics().horizontalAdvance(label->text()))
                                    .arg(label->contentsRect().width())));
        }
        // What the mouse meets at its centre is the control itself.
        if (!qobject_cast<const QGroupBox*>(widget)) {
            QCOMPARE(NameOf(WidgetAt(widget, widget->rect().center())), name);
        }
        // Every page places its controls from the tab control's corner, rows
        // included, whichever page it is.
        if (control.parent.empty()) {
            QCOMPARE(QRect(widget->mapTo(tabs, QPoint(0, 0)), widget->size()),
                     TwipsRect(control.left, control.top, control.width, control.height, dpi));
        }
    }
}

void MainWindowTest::enterCalculates_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("keypad");
    QTest::newRow("circular, Return") << 0 << "txtWire2" << false;
    QTest::newRow("rectangular, keypad Enter") << 1 << "txtWidth4" << true;
    QTest::newRow("spiral, keypad Enter") << 2 << "txtTurns3" << true;
    QTest::newRow("flat rectangular, Return") << 3 << "txtTrace1" << false;
}

void MainWindowTest::enterCalculates()
{
    QFETCH(int, page);
    QFETCH(QString, input);
    QFETCH(bool, keypad);
    m_ui.selectPage(page);
    ClickOn(m_ui.box(input));
    QCOMPARE(m_ui.focused(), input);
    MessageCatcher catcher;
    TypeKey(m_ui.window(), keypad ? Qt::Key_Enter : Qt::Key_Return, keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(m_ui.text(kPages[page].result), QString::fromUtf8(kPages[page].startResult));
    QVERIFY(catcher.seen.isEmpty());
    QCOMPARE(m_ui.focused(), input);

    // A refusal through Enter tells once, like the button.
    m_ui.box(input)->setText(QString());
    TypeKey(m_ui.window(), Qt::Key_Return);
    QCOMPARE(catcher.seen.size(), 1);
    QVERIFY(!catcher.timedOut);
}

void MainWindowTest::decimalCommaTyped_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("text");
    // 22.5 mm wide gives 6.17 µH; the comma swallowed would give 225 mm.
    QTest::newRow("German, main keyboard") << int(QLocale::German) << false << "22,5" << QString::fromUtf8(" 6.17 µH");
    QTest::newRow("German, keypad") << int(QLocale::German) << true << "22,5" << QString::fromUtf8(" 6.17 µH");
    QTest::newRow("French, main keyboard") << int(QLocale::French) << false << "22,5" << QString::fromUtf8(" 6.17 µH");
    QTest::newRow("English: the comma is swallowed")
        << int(QLocale::English) << false << "225" << QString::fromUtf8(" 48.99 µH");
}

void MainWindowTest::decimalCommaTyped()
{
    QFETCH(int, language);
    QFETCH(bool, keypad);
    QFETCH(QString, boxText);
    QFETCH(QString, text);
    struct RestoreLocale {
        QLocale saved;
        ~RestoreLocale() { QLocale::setDefault(saved); }
    } restore;
    QLocale::setDefault(QLocale(static_cast<QLocale::Language>(language)));

    QLineEdit* width = m_ui.box("txtWidth1");
    ClickOn(width);
    QCOMPARE(m_ui.focused(), QStringLiteral("txtWidth1"));
    TypeKey(width, Qt::Key_End);
    TypeKey(width, Qt::Key_Backspace);
    TypeKey(width, Qt::Key_Backspace);
    QCOMPARE(width->text(), QString());
    TypeText(width, QStringLiteral("22"));
    if (keypad) {
        TypeKey(width, Qt::Key_Comma, Qt::KeypadModifier);
    } else {
        TypeText(width, QStringLiteral(","));
    }
    TypeText(width, QStringLiteral("5"));
    QCOMPARE(width->text(), boxText);

    MessageCatcher catcher;
    ClickOn(m_ui.child<QPushButton>("cmdCalculate1"));
    QVERIFY(catcher.seen.isEmpty());
    QCOMPARE(m_ui.box("txtInductance1")->text(), text);
}

void MainWindowTest::resultBoxesIgnoreTyping()
{
    for (const PageFacts& page : kPages) {
        QLineEdit* result = m_ui.box(page.result);
        m_ui.showPageOf(result);
        const QString before = result->text();
        ClickOn(result);
        TypeText(result, QStringLiteral("123abc"));
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_Delete}) {
            TypeKey(result, key);
        }
        QCOMPARE(result->text(), before);
    }
}

void MainWindowTest::escapeAndEnterOutsideBoxesPressNoButton()
{
    // No default or cancel button: only Enter in an input box calculates.
    m_ui.retype("txtWidth1", "30");
    MessageCatcher catcher;
    TypeKey(m_ui.window(), Qt::Key_Escape);
    m_ui.focusTabs();
    TypeKey(m_ui.window(), Qt::Key_Return);
    TypeKey(m_ui.window(), Qt::Key_Enter, Qt::KeypadModifier);
    ClickOn(m_ui.box("txtInductance1"));
    TypeKey(m_ui.window(), Qt::Key_Return);
    QCOMPARE(m_ui.box("txtInductance1")->text(), QString::fromUtf8("5.858 µH"));
    QVERIFY(catcher.seen.isEmpty());
    QVERIFY(m_ui->isVisible());
    // The button itself still answers the mouse.
    ClickOn(m_ui.child<QPushButton>("cmdCalculate1"));
    QVERIFY(m_ui.box("txtInductance1")->text() != QString::fromUtf8("5.858 µH"));
}

void MainWindowTest::minimumSizeRule_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("expectedWidth");
    QTest::addColumn<int>("expectedHeight");
    QTest::newRow("height 7451 raised") << 9000 << 7451 << 9000 << 7452;
    QTest::newRow("height 7452 stays") << 9000 << 7452 << 9000 << 7452;
    QTest::newRow("height 7453 stays") << 9000 << 7453 << 9000 << 7453;
    QTest::newRow("width 8711 raised") << 8711 << 8000 << 8712 << 8000;
    QTest::newRow("width 8712 stays") << 8712 << 8000 << 8712 << 8000;
    QTest::newRow("both too small") << 8000 << 7000 << 8712 << 7452;
    QTest::newRow("zero") << 0 << 0 << 8712 << 7452;
}

void MainWindowTest::minimumSizeRule()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, expectedWidth);
    QFETCH(int, expectedHeight);
    const OuterSize minimum{MainWindow::kMinimumOuterWidth, MainWindow::kMinimumOuterHeight};
    const OuterSize once = ApplyMinimumSize({width, height}, minimum);
    QCOMPARE(once.width, expectedWidth);
    QCOMPARE(once.height, expectedHeight);
    QVERIFY(ApplyMinimumSize(once, minimum) == once);
}

void MainWindowTest::resizeRaisesTheOuterSize()
{
    using loopcalc::shell::PixelsToTwips;
    const double dpi = m_ui->logicalDpiX();
    const auto outerTwips = [&] {
        const QRect outer = m_ui->frameGeometry();
        return OuterSize{PixelsToTwips(outer.width(), dpi), PixelsToTwips(outer.height(), dpi)};
    };
    // At start the rule has already run.
    QVERIFY(outerTwips().width >= 8712);
    QVERIFY(outerTwips().height >= 7452);

    m_ui->setFixedSize(300, 200);
    QTRY_VERIFY(outerTwips().width >= 8712 && outerTwips().height >= 7452);
    // Raised to the limit, not beyond it by more than a pixel.
    QVERIFY(outerTwips().width < 8712 + 2 * 1440 / dpi);
    QVERIFY(outerTwips().height < 7452 + 2 * 1440 / dpi);

    // A wide but low window keeps its width.
    m_ui->setFixedSize(700, 200);
    QTRY_VERIFY(outerTwips().height >= 7452);
    QCOMPARE(m_ui->width(), 700);

    // A minimized window is left alone: the rule would set a new fixed size.
    m_ui->setWindowState(Qt::WindowMinimized);
    QVERIFY(m_ui->isMinimized());
    m_ui->setFixedSize(300, 200);
    m_ui->frmMain_Form_Resize();
    QTest::qWait(50);
    QCOMPARE(m_ui->minimumSize(), QSize(300, 200));
    QCOMPARE(m_ui->maximumSize(), QSize(300, 200));
}

void MainWindowTest::exitEndsTheProcessAtOnce()
{
    // "Exit" ends the process: run it in a child.
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LOOPCALC_EXIT_PROBE"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput(), QByteArray("exiting\n"));
}

namespace {

/// The child of exitEndsTheProcessAtOnce: chooses "Exit" with the mouse, in
/// the File menu opened from the menu bar, and would report 3 if the process
/// went on; a close event would print, too.
int ExitProbe(int argc, char* argv[])
{
    QApplication app(argc, argv);
    WindowFixture ui;
    // The log folder a user's window has: the program's own.
    if (!ui.open(QCoreApplication::applicationDirPath())) {
        return 4;
    }
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [] { std::printf("aboutToQuit\n"); });
    std::printf("exiting\n");
    ui.choose("mnuExit");
    QTest::qWait(500);
    std::printf("still running\n");
    return 3;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet("LOOPCALC_EXIT_PROBE")) {
        return ExitProbe(argc, argv);
    }
    QApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mainwindow_test.moc"
