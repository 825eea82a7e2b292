// SPDX-License-Identifier: MIT
// The design assistant through the user's path: opened from the menu by its
// shortcut or by clicks, following the pages and boxes of the main window as
// they are clicked and typed, with its numbers checked against the formulas
// and the main window left exactly as it was.
#include "designaids.h"
#include "designwindow.h"
#include "display.h"
#include "formulas.h"
#include "mainwindow.h"
#include "models/models.h"
#include "tabrows.h"
#include "turnsplot.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>

using loopcalc::shell::DesignWindow;
using loopcalc::shell::TurnsPlot;
using loopcalc::testing::ClickAt;
using loopcalc::testing::ClickOn;
using loopcalc::testing::TypeKey;
using loopcalc::testing::TypeText;
using loopcalc::testing::WindowFixture;

namespace {

using Texts = QMap<QString, QString>;

/// The texts of every box of the main window, result boxes included.
Texts BoxTexts(const QWidget* window)
{
    Texts texts;
    for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
        texts.insert(box->objectName(), box->text());
    }
    return texts;
}

QList<DesignWindow*> OpenDesignWindows()
{
    QList<DesignWindow*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* design = qobject_cast<DesignWindow*>(widget);
            design != nullptr && design->isVisible() && design->testAttribute(Qt::WA_DeleteOnClose)) {
            found.append(design);
        }
    }
    return found;
}

/// One page filled in as a user types it, and what the formulas say.
struct PageCase {
    int page = 0;
    QList<QPair<QString, QString>> boxes;  ///< box, text typed into it
    QString target;                        ///< typed into txtTarget
    double targetHenries = 0.0;
    QString frequency;  ///< typed into cboFrequency; empty keeps 13.56 MHz
    double hertz = 13.56e6;
    /// The classic henries and their text, from the formula alone.
    std::function<double()> henries;
    std::function<QString(double)> shown;
    /// The exact classic turns for the target, from the closed form.
    std::function<double()> turns;
    /// The reference for the page's coil with that many turns, from the
    /// models in SI units.
    std::function<double(double)> reference;
    QString warning;  ///< a warning of the page's formula lblWarnings must hold; empty: none
};

/// `window` resized to its smallest height at `wider` pixels more than its
/// smallest width, as a user drags its corner until it goes no further;
/// false while its layout is still settling (a text just shown can change
/// the smallest size once its layout request is handled).
bool ShrunkToItsSmallest(QWidget* window, int wider)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize wanted(window->minimumWidth() + wider, window->minimumHeight());
    window->resize(wanted);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return window->size() == wanted && window->minimumSize() == QSize(wanted.width() - wider, wanted.height());
}

/// The first control of a window laid out smaller than it needs, or
/// outside its frame, or over another control; empty when there is none.
QString FirstControlNotWhole(QWidget* window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto name = [](const QWidget* w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    };
    QList<QWidget*> parents = window->findChildren<QWidget*>();
    parents.append(window);
    for (const QWidget* parent : parents) {
        QList<const QWidget*> shown;
        for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisibleTo(window) && parent->layout() != nullptr && parent->layout()->indexOf(child) >= 0) {
                shown.append(child);
            }
        }
        for (const QWidget* child : shown) {
            const QString where =
                QStringLiteral("%1 in %2, %3 wide").arg(name(child), name(parent)).arg(window->width());
            // A word-wrapped text needs all of its lines.
            const int needed = std::max(child->minimumHeight(),
                                        child->hasHeightForWidth() ? child->heightForWidth(child->width()) : 0);
            if (!parent->contentsRect().contains(child->geometry()) || child->height() < needed) {
                return where;
            }
            for (const QWidget* other : shown) {
                if (other != child && other->geometry().intersects(child->geometry())) {
                    return where + QStringLiteral(" overlaps ") + name(other);
                }
            }
        }
    }
    return {};
}

}  // namespace

Q_DECLARE_METATYPE(PageCase)

class DesignWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnceByItsShortcutAndClosesForGood();
    void opensByClicksOnTheMenu();
    void keepsItsPlaceForTheSession();
    void followsTheTypedPageAndLeavesTheMainWindowAlone_data();
    void followsTheTypedPageAndLeavesTheMainWindowAlone();
    void showsEveryBoxWholeAtItsSmallest_data() { followsTheTypedPageAndLeavesTheMainWindowAlone_data(); }
    void showsEveryBoxWholeAtItsSmallest();
    void saysInWordsWhichInputThePageWouldRefuse();
    void typingWorksNothingOutUntilItPauses();
    void plotShowsTheValuesUnderThePointer();
    void copyPutsEverythingShownOnTheClipboard();
    void everyControlIsReachedByTabAndNamed();
    void readsTargetsWithTheirUnits_data();
    void readsTargetsWithTheirUnits();
    void tunesFrequenciesFrom1HzTo100GHz_data();
    void tunesFrequenciesFrom1HzTo100GHz();
    void aModelWithoutAValueShowsNoDifference_data();
    void aModelWithoutAValueShowsNoDifference();
    void readsTheDecimalCommaOfTheUsersLocale();

private:
    DesignWindow* openByShortcut();
    void typeInto(QWidget* control, const QString& text);
    static void waitUntilShown(DesignWindow* design);
    WindowFixture m_ui;
};

void DesignWindowTest::init()
{
    QVERIFY(m_ui.open());
}

void DesignWindowTest::cleanup()
{
    m_ui.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(OpenDesignWindows().isEmpty());
}

DesignWindow* DesignWindowTest::openByShortcut()
{
    m_ui->activateWindow();
    TypeKey(m_ui.window(), Qt::Key_D, Qt::ControlModifier);
    if (OpenDesignWindows().size() != 1) {
        return nullptr;
    }
    DesignWindow* design = OpenDesignWindows().front();
    waitUntilShown(design);
    return design;
}

void DesignWindowTest::waitUntilShown(DesignWindow* design)
{
    QTRY_VERIFY_WITH_TIMEOUT(!design->isBusy(), 10000);
}

void DesignWindowTest::typeInto(QWidget* control, const QString& text)
{
    control->window()->activateWindow();
    ClickOn(control);
    TypeKey(control, Qt::Key_A, Qt::ControlModifier);
    TypeKey(control, Qt::Key_Backspace);
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void DesignWindowTest::opensOnceByItsShortcutAndClosesForGood()
{
    // The shortcut works with the focus in an input box too, and leaves the
    // box as it was.
    auto* width = m_ui.child<QLineEdit>("txtWidth1");
    ClickOn(width);
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    QCOMPARE(width->text(), QStringLiteral("21"));
    QCOMPARE(design->objectName(), QStringLiteral("frmDesign"));
    QVERIFY(design->parentWidget() == nullptr);
    QVERIFY(!design->isModal());
    QCOMPARE(m_ui->findChild<QAction*>("mnuDesign")->text(), QStringLiteral("Design &Assistant..."));

    // Chosen again: the same one window, in front.
    openByShortcut();
    QCOMPARE(OpenDesignWindows().size(), 1);
    QCOMPARE(OpenDesignWindows().front(), design);
    QCOMPARE(QApplication::activeWindow(), design);

    // The whole window lies on the screen.
    const QRect available = design->screen()->availableGeometry();
    QVERIFY2(available.contains(design->frameGeometry()), "the design window leaves the screen");

    // Its close box destroys it; the main window stays usable.
    QPointer<DesignWindow> closed = design;
    design->close();
    QTRY_VERIFY(closed.isNull());
    QVERIFY(m_ui->isVisible());
    QVERIFY(openByShortcut() != nullptr);
}

void DesignWindowTest::opensByClicksOnTheMenu()
{
    QMenuBar* bar = m_ui->menuBar();
    QMenu* menu = nullptr;
    QStringList titles;
    for (QAction* action : bar->actions()) {
        titles << action->text();
        if (action->text() == QStringLiteral("&Design")) {
            menu = action->menu();
        }
    }
    // After "Formulae", before "&About".
    QCOMPARE(titles, (QStringList{"&File", "Formulae", "&Design", "&About"}));
    QVERIFY(menu != nullptr);
    ClickAt(bar, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
    QAction* item = m_ui->findChild<QAction*>("mnuDesign");
    QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(item).center());
    QTRY_COMPARE(OpenDesignWindows().size(), 1);
}

void DesignWindowTest::keepsItsPlaceForTheSession()
{
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    const QRect moved = design->geometry().adjusted(10, 20, 40, 50);
    design->setGeometry(moved);
    QTRY_COMPARE(design->geometry(), moved);
    QPointer<DesignWindow> closed = design;
    design->close();
    QTRY_VERIFY(closed.isNull());
    DesignWindow* again = openByShortcut();
    QVERIFY(again != nullptr);
    QTRY_COMPARE(again->geometry(), moved);
}

void DesignWindowTest::followsTheTypedPageAndLeavesTheMainWindowAlone_data()
{
    using namespace loopcalc;
    QTest::addColumn<PageCase>("c");
    const auto display = [](double henries) { return QString::fromStdString(FormatInductance(henries).text); };

    PageCase nfc;
    nfc.page = 3;
    nfc.boxes = {{"txtWidth1", "40"}, {"txtHeight1", "25"}, {"txtTurns1", "4"}, {"txtTrace1", "0.5"}};
    nfc.target = "1.5uH";
    nfc.targetHenries = 1.5e-6;
    nfc.henries = [] { return RectLoopInductance(4.0, 4.0, 2.5, 0.05); };
    nfc.shown = display;
    nfc.turns = [] { return std::sqrt(1.5e-6 / RectLoopInductance(1.0, 4.0, 2.5, 0.05)); };
    nfc.reference = [](double n) {
        return models::FlatRectangularCoilReference({0.040, 0.025, n, 0.5e-3}).henries.value_or(std::nan(""));
    };
    QTest::newRow("flat rectangular NFC antenna") << nfc;

    PageCase thickTrace = nfc;
    thickTrace.boxes = {{"txtWidth1", "30"}, {"txtHeight1", "20"}, {"txtTurns1", "2"}, {"txtTrace1", "2.5"}};
    thickTrace.target = "60nH";
    thickTrace.targetHenries = 60e-9;
    thickTrace.henries = [] { return RectLoopInductance(2.0, 3.0, 2.0, 0.25); };
    thickTrace.turns = [] { return std::sqrt(60e-9 / RectLoopInductance(1.0, 3.0, 2.0, 0.25)); };
    thickTrace.reference = [](double n) {
        return models::FlatRectangularCoilReference({0.030, 0.020, n, 2.5e-3}).henries.value_or(std::nan(""));
    };
    thickTrace.frequency = "6.78MHz";
    thickTrace.hertz = 6.78e6;
    thickTrace.warning = QString::fromStdString(design::ConductorWarnings(0.25, 2.0, 1.0, "the trace size").front());
    QTest::newRow("flat rectangular thick trace") << thickTrace;

    PageCase circular;
    circular.page = 0;
    circular.boxes = {{"txtRadius2", "15"}, {"txtTurns2", "60"}, {"txtWire2", "0.1"}};
    circular.target = "820nH";
    circular.targetHenries = 820e-9;
    circular.frequency = "125 kHz";
    circular.hertz = 125e3;
    circular.henries = [] { return CircularCoilInductance(60.0, 1.5, 0.01); };
    circular.shown = display;
    circular.turns = [] { return std::pow(820e-9 / CircularCoilInductance(1.0, 1.5, 0.01), 1.0 / 1.9); };
    circular.reference = [](double n) {
        return models::CircularCoilReference({0.015, n, 0.1e-3}).henries.value_or(std::nan(""));
    };
    QTest::newRow("circular 125 kHz coil") << circular;

    PageCase rectangular;
    rectangular.page = 1;
    rectangular.boxes = {{"txtWidth4", "30"}, {"txtHeight4", "20"}, {"txtTurns4", "25"}, {"txtWireRad4", "0.2"}};
    rectangular.target = "1.2 mH";
    rectangular.targetHenries = 1.2e-3;
    rectangular.frequency = "134.2kHz";
    rectangular.hertz = 134.2e3;
    rectangular.henries = [] { return RectLoopInductance(25.0, 3.0, 2.0, 0.02); };
    rectangular.shown = display;
    rectangular.turns = [] { return std::sqrt(1.2e-3 / RectLoopInductance(1.0, 3.0, 2.0, 0.02)); };
    rectangular.reference = [](double n) {
        return models::RectangularCoilReference({0.030, 0.020, n, 0.2e-3}).henries.value_or(std::nan(""));
    };
    QTest::newRow("rectangular wire coil") << rectangular;

    PageCase spiral;
    spiral.page = 2;
    spiral.boxes = {{"txtOuterRadius3", "20"}, {"txtInnerRadius3", "8"}, {"txtTurns3", "10"}};
    spiral.target = QStringLiteral("3 µH");
    spiral.targetHenries = 3e-6;
    spiral.henries = [] { return SpiralCoilInductance(10.0, 1.4, 1.2) / 1e6; };
    spiral.shown = [](double henries) { return QString::fromStdString(FormatSpiralInductance(henries * 1e6).text); };
    spiral.turns = [] { return std::sqrt(3.0 / SpiralCoilInductance(1.0, 1.4, 1.2)); };
    spiral.reference = [](double n) {
        return models::SpiralCoilReference({0.020, 0.008, n}).henries.value_or(std::nan(""));
    };
    QTest::newRow("flat spiral") << spiral;

    PageCase shallow = spiral;
    shallow.boxes = {{"txtOuterRadius3", "20"}, {"txtInnerRadius3", "19"}, {"txtTurns3", "5"}};
    shallow.henries = [] { return SpiralCoilInductance(5.0, 1.95, 0.1) / 1e6; };
    shallow.turns = [] { return std::sqrt(3.0 / SpiralCoilInductance(1.0, 1.95, 0.1)); };
    shallow.reference = [](double n) {
        return models::SpiralCoilReference({0.020, 0.019, n}).henries.value_or(std::nan(""));
    };
    shallow.warning = QString::fromStdString(*design::SpiralWarning(1.95, 0.1));
    QTest::newRow("shallow flat spiral") << shallow;
}

void DesignWindowTest::followsTheTypedPageAndLeavesTheMainWindowAlone()
{
    QFETCH(PageCase, c);
    // The log is on: the design window must add nothing to it.
    m_ui.choose("mnuLog");
    QVERIFY(m_ui->calcLog().isOn());
    const QString logPath = m_ui.logPath();
    const QByteArray logBefore = [&] {
        QFile file(logPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    m_ui.selectPage(c.page);
    for (const auto& [box, text] : c.boxes) {
        m_ui.retype(box, text);
    }
    QWidget* focusBefore = m_ui->focusWidget();
    const Texts boxesBefore = BoxTexts(m_ui.window());

    typeInto(design->findChild<QLineEdit*>("txtTarget"), c.target);
    if (!c.frequency.isEmpty()) {
        typeInto(design->findChild<QComboBox*>("cboFrequency"), c.frequency);
    }
    waitUntilShown(design);

    // The classic row, exactly as Calculate would show it.
    auto* table = design->findChild<QTableWidget*>("tblModels");
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("classic"));
    const double henries = c.henries();
    QCOMPARE(table->item(0, 1)->text(), c.shown(henries));

    // The exact classic turns for the target, with two decimals.
    const QString turns = design->findChild<QPlainTextEdit*>("txtTurnsFound")->toPlainText();
    const auto match = QRegularExpression(QStringLiteral("^classic: ([0-9.]+) turns")).match(turns);
    QVERIFY2(match.hasMatch(), qPrintable(turns));
    QCOMPARE(match.captured(1), QString::number(c.turns(), 'f', 2));
    // The whole numbers below and above on the classic line, each as
    // Calculate shows it, one turn in the singular.
    const double below = std::floor(c.turns());
    for (const double whole : {below, below + 1.0}) {
        const QString counted = whole == 1.0 ? QStringLiteral("1 turn:") : QStringLiteral("%1 turns:").arg(whole);
        QVERIFY2(turns.section(QLatin1Char('\n'), 0, 0).contains(counted), qPrintable(turns));
    }

    // The capacitor that tunes the classic result.
    const QString capacitance = design->findChild<QPlainTextEdit*>("txtCapacitance")->toPlainText();
    const QString expected = QString::fromStdString(
        loopcalc::design::FormatCapacitance(loopcalc::design::TuningCapacitance(henries, c.hertz)));
    QVERIFY2(capacitance.startsWith(QStringLiteral("classic: ") + expected), qPrintable(capacitance));

    // The reference row, its difference and its tuning capacitor, from the
    // models themselves.
    const double turnsOnPage = c.boxes[c.page == 0 ? 1 : 2].second.toDouble();
    const double reference = c.reference(turnsOnPage);
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("reference"));
    QCOMPARE(table->item(1, 1)->text(), QString::fromStdString(loopcalc::design::FormatHenries(reference)));
    const double percent = (henries - reference) / reference * 100.0;
    QCOMPARE(table->item(0, 2)->text(), QString::fromStdString(loopcalc::design::FormatPercent(percent)));
    const QString tuned = QString::fromStdString(
        loopcalc::design::FormatCapacitance(loopcalc::design::TuningCapacitance(reference, c.hertz)));
    QVERIFY2(capacitance.contains(QStringLiteral("reference: ") + tuned), qPrintable(capacitance));
    // The whole numbers of turns around the target by the reference.
    const auto byReference =
        QRegularExpression(QStringLiteral("\nreference: [0-9.]+ turns? \\(([0-9]+) turns?: ([^;]+); ([0-9]+) turns"))
            .match(turns);
    QVERIFY2(byReference.hasMatch(), qPrintable(turns));
    const double fewer = byReference.captured(1).toDouble();
    QCOMPARE(byReference.captured(3).toDouble(), fewer + 1.0);
    QVERIFY(c.reference(fewer) < c.targetHenries);
    QVERIFY(c.reference(fewer + 1.0) >= c.targetHenries);
    QCOMPARE(byReference.captured(2), QString::fromStdString(loopcalc::design::FormatHenries(c.reference(fewer))));

    // The page formula's warnings, and the reference's beyond 10 %.
    const QString warnings = design->findChild<QLabel*>("lblWarnings")->text();
    const bool strays = std::abs(percent) > 10.0;
    QCOMPARE(warnings.contains(QStringLiteral("the classic formula reads ")), strays);
    if (c.warning.isEmpty() && !strays) {
        QVERIFY2(warnings.startsWith(QStringLiteral("None applies")), qPrintable(warnings));
    } else if (!c.warning.isEmpty()) {
        QVERIFY2(warnings.contains(c.warning), qPrintable(warnings));
    }

    // The plot spans the page's turns and the target's.
    auto* plot = design->findChild<TurnsPlot*>("plotTurns");
    QVERIFY(!plot->classic().isEmpty());
    QVERIFY(plot->classic().front().x() <= 1.0);
    QVERIFY(plot->classic().back().x() >= std::max(turnsOnPage, c.turns()));
    QVERIFY(!plot->reference().isEmpty());

    // The main window: every box, the focus and the log as they were.
    QCOMPARE(BoxTexts(m_ui.window()), boxesBefore);
    QCOMPARE(m_ui->focusWidget(), focusBefore);
    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), logBefore);
}

void DesignWindowTest::showsEveryBoxWholeAtItsSmallest()
{
    QFETCH(PageCase, c);
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    m_ui.selectPage(c.page);
    for (const auto& [box, text] : c.boxes) {
        m_ui.retype(box, text);
    }
    typeInto(design->findChild<QLineEdit*>("txtTarget"), c.target);
    waitUntilShown(design);
    // Shrunk as far as it goes, at its narrowest and wider.
    for (const int wider : {0, 400}) {
        QTRY_VERIFY(ShrunkToItsSmallest(design, wider));
        QCOMPARE(FirstControlNotWhole(design), QString());
    }
    // A refusal appearing in the shrunk window makes room for itself.
    m_ui.retype(c.boxes.front().first, QStringLiteral("0"));
    waitUntilShown(design);
    QVERIFY(design->findChild<QLabel*>("lblRefusal")->isVisible());
    QTRY_COMPARE(FirstControlNotWhole(design), QString());
}

void DesignWindowTest::saysInWordsWhichInputThePageWouldRefuse()
{
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    m_ui.selectPage(1);
    m_ui.retype("txtTurns4", "0.5");
    waitUntilShown(design);
    const QString refusal = design->findChild<QLabel*>("lblRefusal")->text();
    QVERIFY2(refusal.contains(QStringLiteral("No. of Turns holds 0.5")), qPrintable(refusal));
    QVERIFY2(refusal.contains(QStringLiteral("Turns must be > 0")), qPrintable(refusal));
    QVERIFY2(refusal.contains(QStringLiteral("1 turn or more")), qPrintable(refusal));
    auto* table = design->findChild<QTableWidget*>("tblModels");
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("refused"));

    m_ui.retype("txtTurns4", "11");
    m_ui.retype("txtHeight4", "");
    waitUntilShown(design);
    const QString empty = design->findChild<QLabel*>("lblRefusal")->text();
    QVERIFY2(empty.contains(QStringLiteral("Height (mm) is empty")), qPrintable(empty));
    QVERIFY2(empty.contains(QStringLiteral("Height must be > 0")), qPrintable(empty));
    // Nothing was written into the refused box: the page's own check would.
    QCOMPARE(m_ui.child<QLineEdit>("txtHeight4")->text(), QString());

    m_ui.retype("txtHeight4", "10");
    waitUntilShown(design);
    QVERIFY(!design->findChild<QLabel*>("lblRefusal")->isVisible());
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral(" 5.85 µH"));
}

void DesignWindowTest::typingWorksNothingOutUntilItPauses()
{
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    QSignalSpy refreshed(design, &DesignWindow::refreshed);
    auto* table = design->findChild<QTableWidget*>("tblModels");
    const QString before = table->item(0, 1)->text();
    m_ui.retype("txtWidth1", "39.1");
    // Typed in one go: nothing was worked out on the way.
    QCOMPARE(refreshed.count(), 0);
    QVERIFY(design->isBusy());
    QCOMPARE(table->item(0, 1)->text(), before);
    QTRY_COMPARE(refreshed.count(), 1);
    QCOMPARE(
        table->item(0, 1)->text(),
        QString::fromStdString(loopcalc::FormatInductance(loopcalc::RectLoopInductance(11, 3.91, 1.0, 0.0127)).text));
}

void DesignWindowTest::plotShowsTheValuesUnderThePointer()
{
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    auto* plot = design->findChild<TurnsPlot*>("plotTurns");
    const QRectF area = plot->plotArea();
    const QPoint at(static_cast<int>(plot->xOf(7.0)), static_cast<int>(area.center().y()));
    QTest::mouseMove(design->windowHandle(), plot->mapTo(design, at));
    QTRY_VERIFY(plot->readoutTurns().has_value());
    const double turns = *plot->readoutTurns();
    QVERIFY2(std::abs(turns - plot->turnsAt(at.x())) < 1e-9 && std::abs(turns - 7.0) < 0.5,
             qPrintable(QString::number(turns)));
    const QString expected =
        QString::fromStdString(loopcalc::design::FormatHenries(loopcalc::RectLoopInductance(turns, 2.1, 1.0, 0.0127)));
    QVERIFY2(plot->readoutText().contains(QStringLiteral("classic ") + expected), qPrintable(plot->readoutText()));
    QCOMPARE(plot->unitName(), QStringLiteral("µH"));
}

void DesignWindowTest::copyPutsEverythingShownOnTheClipboard()
{
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    typeInto(design->findChild<QLineEdit*>("txtTarget"), QStringLiteral("1.5uH"));
    waitUntilShown(design);
    QApplication::clipboard()->clear();
    ClickOn(design->findChild<QPushButton*>("cmdCopy"));
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.contains(design->findChild<QLabel*>("lblCoil")->text()));
    QVERIFY(copied.contains(design->findChild<QLabel*>("lblWarnings")->text()));
    for (const char* box : {"txtTurnsFound", "txtCapacitance"}) {
        for (const QString& line : design->findChild<QPlainTextEdit*>(box)->toPlainText().split('\n')) {
            QVERIFY2(copied.contains(line), qPrintable(line));
        }
    }
    auto* table = design->findChild<QTableWidget*>("tblModels");
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            QVERIFY2(copied.contains(table->item(r, c)->text().trimmed()), qPrintable(table->item(r, c)->text()));
        }
    }
    QVERIFY(copied.contains(QStringLiteral("13.56 MHz")));
    QVERIFY(copied.contains(QStringLiteral("Target: 1.5uH")));
}

void DesignWindowTest::everyControlIsReachedByTabAndNamed()
{
    const QStringList controls{"txtGap",        "txtThickness", "tblModels",      "lblWarnings", "txtTarget",
                               "txtTurnsFound", "cboFrequency", "txtCapacitance", "plotTurns",   "cmdCopy"};
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    QSet<QString> reached;
    for (int i = 0; i < 40; ++i) {
        TypeKey(design, Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr && focus->window() == design);
        // A combo box's line edit stands for its box.
        QWidget* control = qobject_cast<QComboBox*>(focus->parentWidget()) != nullptr ? focus->parentWidget() : focus;
        reached.insert(control->objectName());
    }
    for (const QString& name : controls) {
        QVERIFY2(reached.contains(name), qPrintable(name));
        auto* control = design->findChild<QWidget*>(name);
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(name));
    }
    // On a wire page the winding takes the place of the gap and thickness.
    m_ui.selectPage(0);
    waitUntilShown(design);
    QVERIFY(design->findChild<QComboBox*>("cboWinding")->isVisibleTo(design));
    QVERIFY(!design->findChild<QLineEdit*>("txtGap")->isVisibleTo(design));
    m_ui.selectPage(2);
    waitUntilShown(design);
    QVERIFY(design->findChild<QLineEdit*>("txtSpiralWire")->isVisibleTo(design));
    QVERIFY(design->findChild<QLineEdit*>("txtSpiralTrace")->isVisibleTo(design));
    QVERIFY(!design->findChild<QComboBox*>("cboWinding")->isVisibleTo(design));
}

void DesignWindowTest::readsTargetsWithTheirUnits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("henries");  // 0: refused with a reason
    QTest::newRow("uH") << "1.5uH" << 1.5e-6;
    QTest::newRow("micro sign") << QStringLiteral("1.5 µH") << 1.5e-6;
    QTest::newRow("nH") << "820nH" << 820e-9;
    QTest::newRow("no unit") << "1.5" << 0.0;
    QTest::newRow("unknown unit") << "1.5 uF" << 0.0;
    QTest::newRow("zero") << "0 uH" << 0.0;
}

void DesignWindowTest::readsTargetsWithTheirUnits()
{
    QFETCH(QString, typed);
    QFETCH(double, henries);
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    typeInto(design->findChild<QLineEdit*>("txtTarget"), typed);
    waitUntilShown(design);
    const QString found = design->findChild<QPlainTextEdit*>("txtTurnsFound")->toPlainText();
    if (henries == 0.0) {
        QVERIFY2(found.contains(typed), qPrintable(found));
        QVERIFY2(!found.startsWith(QStringLiteral("classic")), qPrintable(found));
        return;
    }
    const double exact = std::sqrt(henries / loopcalc::RectLoopInductance(1.0, 2.1, 1.0, 0.0127));
    QVERIFY2(found.startsWith(QStringLiteral("classic: %1 turns").arg(exact, 0, 'f', 2)), qPrintable(found));
}

void DesignWindowTest::tunesFrequenciesFrom1HzTo100GHz_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // the start of the capacitance box
    // 5.85 µH tunes to about 4330 F at 1 Hz and 0.000433 fF at 100 GHz.
    QTest::newRow("1 Hz") << "1 Hz"
                          << "classic: 1000 F or more: no practical capacitor";
    QTest::newRow("100 GHz") << "100GHz"
                             << "classic: below 1 fF: no practical capacitor";
    const QString range = QStringLiteral(" is out of range: give a frequency from 1 Hz to 100 GHz");
    QTest::newRow("below 1 Hz") << "0.5 Hz"
                                << "“0.5 Hz”" + range;
    QTest::newRow("far below") << "1e-148 Hz"
                               << "“1e-148 Hz”" + range;
    QTest::newRow("above 100 GHz") << "100.1GHz"
                                   << "“100.1GHz”" + range;
    QTest::newRow("far above") << "1e200 Hz"
                               << "“1e200 Hz”" + range;
}

void DesignWindowTest::tunesFrequenciesFrom1HzTo100GHz()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    typeInto(design->findChild<QComboBox*>("cboFrequency"), typed);
    waitUntilShown(design);
    const QString capacitance = design->findChild<QPlainTextEdit*>("txtCapacitance")->toPlainText();
    QVERIFY2(capacitance.startsWith(shown), qPrintable(capacitance));
}

void DesignWindowTest::aModelWithoutAValueShowsNoDifference_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    // Copper as thick as the coil: the winding's mean distance exceeds the
    // outline, and a closed form gives an inductance below 0.
    QTest::newRow("thick copper") << 3 << "txtThickness"
                                  << "1000 mm";
    QTest::newRow("wide gap") << 3 << "txtGap"
                              << "1000 mm";
    QTest::newRow("thick spiral wire") << 2 << "txtSpiralWire"
                                       << "100 mm";
}

void DesignWindowTest::aModelWithoutAValueShowsNoDifference()
{
    QFETCH(int, page);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    m_ui.selectPage(page);
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    typeInto(design->findChild<QLineEdit*>(box), typed);
    waitUntilShown(design);
    auto* table = design->findChild<QTableWidget*>("tblModels");
    QVERIFY(table->rowCount() > 2);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString inductance = table->item(row, 1)->text();
        const bool value = inductance.contains(QRegularExpression(QStringLiteral("^[ -]?[0-9.]+ [nµm]?H$")));
        QVERIFY2(value || table->item(row, 2)->text().isEmpty(),
                 qPrintable(table->item(row, 0)->text() + ": " + inductance + " " + table->item(row, 2)->text()));
        QVERIFY2(value || !table->item(row, 3)->text().isEmpty(), qPrintable(table->item(row, 0)->text()));
    }
}

void DesignWindowTest::readsTheDecimalCommaOfTheUsersLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DesignWindow* design = openByShortcut();
    QVERIFY(design != nullptr);
    m_ui.retype("txtWidth1", "22,5");
    typeInto(design->findChild<QLineEdit*>("txtTarget"), QStringLiteral("1,5 µH"));
    waitUntilShown(design);
    QLocale::setDefault(before);
    auto* table = design->findChild<QTableWidget*>("tblModels");
    QCOMPARE(
        table->item(0, 1)->text(),
        QString::fromStdString(loopcalc::FormatInductance(loopcalc::RectLoopInductance(11.0, 2.25, 1.0, 0.0127)).text));
    const double exact = std::sqrt(1.5e-6 / loopcalc::RectLoopInductance(1.0, 2.25, 1.0, 0.0127));
    const QString found = design->findChild<QPlainTextEdit*>("txtTurnsFound")->toPlainText();
    QVERIFY2(found.startsWith(QStringLiteral("classic: %1 turns").arg(exact, 0, 'f', 2)), qPrintable(found));
}

QTEST_MAIN(DesignWindowTest)
#include "designwindow_test.moc"
