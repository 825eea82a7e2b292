// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "accessibility.h"
#include "afterfirstpaint.h"
#include "entryfilter.h"
#include "mainwindowdesign.h"
#include "minimumsize.h"
#include "pagebuilder.h"
#include "qttext.h"
#include "shapes.h"
#include "tabrows.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace loopcalc::shell {

MainWindow::MainWindow(QWidget* parent, const QString& logFolder)
    : QMainWindow(parent)
    , m_log(logFolder.isEmpty() ? QCoreApplication::applicationDirPath() : logFolder)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("  Small Loop Inductance Calculation"));
    // A fixed dialog frame: window menu and close box, no minimize or maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    buildMenus();
    buildControls();
    const int startPage = MainTabControl().startPage;
    buildPage(startPage);

    const double dpi = logicalDpi();
    // The user cannot resize the frame; only the minimum-size rule changes it.
    setFixedSize(TwipsToPixels(kClientWidth, dpi), TwipsToPixels(kClientHeight, dpi) + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }

    m_tabs->setCurrentIndex(startPage);
    m_tabs->setFocus(Qt::OtherFocusReason);
    // The first picture needs the start page only; the others are built as
    // soon as it is on the screen.
    AfterFirstPaint(*this, [this] { completePages(); });
}

QString MainWindow::applicationTitle()
{
    return QStringLiteral("Inductance Calculation");
}

double MainWindow::logicalDpi() const
{
    return logicalDpiX();
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* log = file->addAction(QStringLiteral("&Log Calculations"));
    log->setObjectName(QStringLiteral("mnuLog"));
    log->setCheckable(true);
    log->setChecked(false);
    connect(log, &QAction::triggered, this, &MainWindow::frmMain_mnuLog_Click);
    QAction* exitAction = file->addAction(QStringLiteral("&Exit"));
    exitAction->setObjectName(QStringLiteral("mnuExit"));
    connect(exitAction, &QAction::triggered, this, &MainWindow::frmMain_mnuExit_Click);

    QMenu* formulae = bar->addMenu(QStringLiteral("Formulae"));
    formulae->setObjectName(QStringLiteral("mnuFormula"));
    const struct {
        const char* name;
        const char* caption;
        void (MainWindow::*slot)();
    } formulaItems[] = {
        {"mnuFsc", "Flat Spiral Coil", &MainWindow::frmMain_mnuFsc_Click},
        {"mnuFrc", "Flat Rectangular Coil ", &MainWindow::frmMain_mnuFrc_Click},
        {"mnuCwc", "Circular Wirewound Coil", &MainWindow::frmMain_mnuCwc_Click},
        {"mnuRwC", "Rectangular Wirewound Coil", &MainWindow::frmMain_mnuRwC_Click},
    };
    for (const auto& item : formulaItems) {
        QAction* action = formulae->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromUtf8(item.name));
        connect(action, &QAction::triggered, this, item.slot);
    }

    QMenu* designMenu = bar->addMenu(QStringLiteral("&Design"));
    designMenu->setObjectName(QStringLiteral("mnuDesignMenu"));
    QAction* designItem = designMenu->addAction(QStringLiteral("Design &Assistant..."));
    designItem->setObjectName(QStringLiteral("mnuDesign"));
    designItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(designItem, &QAction::triggered, this, &MainWindow::frmMain_mnuDesign_Click);

    // A command on the menu bar itself, without a submenu.
    QAction* about = bar->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &MainWindow::frmMain_mnuAbout_Click);
}

void MainWindow::buildControls()
{
    const double dpi = logicalDpi();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);
    const BuildContext context = ContextFor(*client, dpi);

    m_context = context;
    m_tabs = BuildTabControl(client, dpi);
    // The pages are built one by one, each at the latest before it is shown.
    m_pageBuilt.assign(static_cast<std::size_t>(m_tabs->count()), false);
    connect(m_tabs, &TabRows::pageAboutToShow, this, &MainWindow::buildPage);
    connect(m_tabs, &TabRows::currentIndexChanged, this, &MainWindow::frmMain_SSTab1_Click);

    BuildControls(MainWindowControls(), client, 0, context);
}

void MainWindow::buildPage(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_pageBuilt.size() ||
        m_pageBuilt[static_cast<std::size_t>(index)]) {
        return;
    }
    m_pageBuilt[static_cast<std::size_t>(index)] = true;
    BuildPage(*m_tabs, index, m_context);
    QWidget* page = m_tabs->page(index);
    connectButtons(*page);
    setTabOrders();
    InstallEntryFilters(page);
    ExposeToAssistiveTechnology(this);
}

bool MainWindow::pagesComplete() const
{
    return std::all_of(m_pageBuilt.begin(), m_pageBuilt.end(), [](bool built) { return built; });
}

void MainWindow::completePages()
{
    for (int index = 0; index < m_tabs->count(); ++index) {
        buildPage(index);
    }
}

void MainWindow::connectButtons(const QWidget& page)
{
    for (const Shape& shape : Shapes()) {
        auto* button = page.findChild<QPushButton*>(QtText(shape.calculateButton));
        if (button == nullptr) {
            continue;
        }
        connect(button, &QPushButton::clicked, this,
                [this, calculate = shape.calculate]() { static_cast<void>(calculate(m_port)); });
        // Enter or the keypad's Enter in an input box presses its page's
        // Calculate; no button is a default button, so nothing else does.
        for (const ShapeField& field : shape.fields) {
            if (auto* box = page.findChild<QLineEdit*>(QtText(field.box))) {
                connect(box, &QLineEdit::returnPressed, button, &QPushButton::click);
            }
        }
    }
}

void MainWindow::setTabOrders()
{
    // One chain: the tab control, then each page's controls in their order.
    // Hidden pages take no focus, so the Tab key visits the shown page only
    // and returns from its last control to the tab control.
    QWidget* previous = m_tabs;
    for (const PageDesign& pageDesign : MainPages()) {
        for (const std::string_view name : pageDesign.tabOrder) {
            if (auto* widget = findChild<QWidget*>(QtText(name))) {
                setTabOrder(previous, widget);
                previous = widget;
            }
        }
    }
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    frmMain_Form_Resize();
}

void MainWindow::frmMain_Form_Resize()
{
    if (isMinimized() || isMaximized() || isFullScreen()) {
        return;
    }
    const double dpi = logicalDpi();
    const QRect outer = frameGeometry();
    const OuterSize now{PixelsToTwips(outer.width(), dpi), PixelsToTwips(outer.height(), dpi)};
    const OuterSize wanted = ApplyMinimumSize(now, {kMinimumOuterWidth, kMinimumOuterHeight});
    if (wanted == now) {
        return;
    }
    // The rule works on the outer size; the frame around the client stays.
    QSize client = size();
    if (wanted.width != now.width) {
        client.setWidth(TwipsToPixelsAtLeast(wanted.width, dpi) - (outer.width() - width()));
    }
    if (wanted.height != now.height) {
        client.setHeight(TwipsToPixelsAtLeast(wanted.height, dpi) - (outer.height() - height()));
    }
    setFixedSize(client);
}

void MainWindow::frmMain_SSTab1_Click()
{
    const std::span<const PageDesign> pages = MainPages();
    const int page = m_tabs->currentIndex();
    // Any page number that is not a page goes to the last page's first box.
    const bool known = page >= 0 && static_cast<std::size_t>(page) < pages.size();
    const PageDesign& shown = known ? pages[static_cast<std::size_t>(page)] : pages.back();
    if (QWidget* box = findChild<QLineEdit*>(QtText(shown.firstBox))) {
        box->setFocus(Qt::TabFocusReason);
    }
}

void MainWindow::frmMain_mnuLog_Click()
{
    auto* item = findChild<QAction*>(QStringLiteral("mnuLog"));
    // A checkable item has flipped its own mark before this runs; the log's
    // state is the mark as it was, and the two always change together.
    QString error;
    if (!m_log.isOn()) {
        const bool on = m_log.switchOn(&error);
        m_nLogFlag = on ? 1 : 0;
        item->setChecked(on);
    } else {
        item->setChecked(false);
        m_nLogFlag = 0;
        m_log.switchOff(&error);
    }
    // A log that cannot be written is reported, and the program goes on.
    if (!error.isEmpty()) {
        m_port.showMessage(error.toStdString(), MessageIcon::Error);
    }
}

void MainWindow::frmMain_mnuFsc_Click()
{
    m_secondary.showFlatSpiral();
    watchSecondaryWindow(m_secondary.flatSpiralWindow());
}

void MainWindow::frmMain_mnuFrc_Click()
{
    m_secondary.showFlatRectangular();
    watchSecondaryWindow(m_secondary.rectangularWindow());
}

void MainWindow::frmMain_mnuCwc_Click()
{
    m_secondary.showCircularWire();
    watchSecondaryWindow(m_secondary.circularWireWindow());
}

void MainWindow::frmMain_mnuRwC_Click()
{
    m_secondary.showRectangularWire();
    watchSecondaryWindow(m_secondary.rectangularWindow());
}

void MainWindow::frmMain_mnuAbout_Click()
{
    m_secondary.showAbout();
    watchSecondaryWindow(m_secondary.aboutBox());
}

void MainWindow::frmMain_mnuDesign_Click()
{
    // The assistant reads every page's boxes.
    completePages();
    m_secondary.showDesign(this);
    watchSecondaryWindow(m_secondary.designWindow());
}

void MainWindow::watchSecondaryWindow(QWidget* window)
{
    if (window != nullptr) {
        // Queued, so the check runs once the window is fully gone.
        connect(window, &QObject::destroyed, this, &MainWindow::endWhenNoWindowIsLeft,
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::UniqueConnection));
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The main window goes away; open formula windows and the About box stay
    // until the user closes them.
    QMainWindow::closeEvent(event);
    QMetaObject::invokeMethod(this, &MainWindow::endWhenNoWindowIsLeft, Qt::QueuedConnection);
}

void MainWindow::endWhenNoWindowIsLeft()
{
    const bool secondaryOpen = m_secondary.flatSpiralWindow() != nullptr ||
                               m_secondary.rectangularWindow() != nullptr ||
                               m_secondary.circularWireWindow() != nullptr || m_secondary.aboutBox() != nullptr ||
                               m_secondary.designWindow() != nullptr;
    if (!isVisible() && !secondaryOpen) {
        closeAllFiles();
        QCoreApplication::quit();
    }
}

void MainWindow::writeLogLine(std::string_view line)
{
    if (m_log.isOn()) {
        m_log.writeLine(line);
    }
}

void MainWindow::endLogRecord()
{
    QString error;
    if (!m_log.endRecord(&error)) {
        // The first record that cannot be written switches the log off and
        // says so, as a failed switch-on does; the result is already shown.
        findChild<QAction*>(QStringLiteral("mnuLog"))->setChecked(false);
        m_nLogFlag = 0;
        m_port.showMessage(error.toStdString(), MessageIcon::Error);
    }
}

void MainWindow::closeAllFiles()
{
    m_log.close();
}

void MainWindow::frmMain_mnuExit_Click()
{
    closeAllFiles();
    // End at once: no question, no further events, no window closing.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace loopcalc::shell
