// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "accessibility.h"
#include "calculators.h"
#include "entryfilter.h"
#include "mainwindowdesign.h"
#include "minimumsize.h"
#include "picturebox.h"
#include "tabrows.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace loopcalc::shell {

namespace {

QString Text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont Arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

constexpr double kDialogPoints = 8.0;
constexpr double kCaptionPoints = 7.8;
constexpr double kTextPoints = 10.8;
constexpr double kLargePoints = 12.0;
const QColor kButtonFace(128, 128, 255);

/// Narrows a label's letters, never its height, until its caption fits its
/// width: cut at its end, a caption would lose its colon or its unit. Fonts
/// laid out at fractional pixel sizes run a few pixels wider than the design
/// allowed for the longest captions.
void CondenseToFit(QLabel* label)
{
    constexpr int kNarrowest = 85;
    QFont font = label->font();
    const int room = label->contentsRect().width();
    for (int stretch = 99; stretch >= kNarrowest && QFontMetrics(font, label).horizontalAdvance(label->text()) > room;
         --stretch) {
        font.setStretch(stretch);
    }
    label->setFont(font);
}

/// Makes one control of the design inside parent; offsetY (pixels) moves it
/// up by the part of its parent's coordinates that lies outside the parent
/// widget (the tab rows above a page).
QWidget* MakeControl(const ControlDesign& control, QWidget* parent, int offsetY, double dpi, const QPalette& plain)
{
    QWidget* widget = nullptr;
    const QString text = Text(control.text);
    switch (control.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(text, parent);
        frame->setFont(Arial(kCaptionPoints));
        QPalette pal = frame->palette();
        pal.setColor(QPalette::WindowText, Qt::blue);
        frame->setPalette(pal);
        widget = frame;
        break;
    }
    case ControlKind::PlainFrame: widget = new QGroupBox(parent); break;
    case ControlKind::Label:
        widget = new QLabel(text, parent);
        widget->setFont(Arial(kTextPoints));
        break;
    case ControlKind::Input:
    case ControlKind::Result: {
        auto* edit = new QLineEdit(text, parent);
        edit->setFont(Arial(kTextPoints));
        edit->setAlignment(Qt::AlignCenter);
        edit->setReadOnly(control.kind == ControlKind::Result);
        // The whole text shows from its first character, as the design has it.
        edit->setCursorPosition(0);
        widget = edit;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setFont(Arial(kLargePoints, true));
        // No button of the window is a default button: Enter presses nothing.
        button->setAutoDefault(false);
        button->setDefault(false);
        QPalette pal = button->palette();
        pal.setColor(QPalette::Button, kButtonFace);
        button->setPalette(pal);
        widget = button;
        break;
    }
    case ControlKind::Drawing:
    case ControlKind::Logo: {
        auto* picture = new PictureBox(text, PictureBox::Fit::Stretch, parent);
        picture->setFramed(control.kind == ControlKind::Drawing);
        widget = picture;
        break;
    }
    case ControlKind::Note: {
        auto* note = new QLabel(text, parent);
        // The window's small dialog font, not the tab control's; at this
        // size the blanks after "taken" make the wrap fall there.
        note->setFont(Arial(kDialogPoints));
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = note;
        break;
    }
    case ControlKind::Banner: {
        auto* banner = new QLabel(text, parent);
        banner->setFont(Arial(kLargePoints, true));
        QPalette pal = banner->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        banner->setPalette(pal);
        widget = banner;
        break;
    }
    }
    // Controls inside a blue-captioned frame keep the ordinary text colour.
    if (qobject_cast<QGroupBox*>(parent) != nullptr && control.kind != ControlKind::Banner) {
        widget->setPalette(plain);
    }
    widget->setObjectName(Text(control.name));
    if (!control.toolTip.empty()) {
        widget->setToolTip(Text(control.toolTip));
    }
    widget->setGeometry(
        TwipsRect(control.left, control.top, control.width, control.height, dpi).translated(0, -offsetY));
    if (control.kind == ControlKind::Label) {
        CondenseToFit(static_cast<QLabel*>(widget));
    }
    return widget;
}

/// Makes every control of a list; frames come before their contents.
void MakeControls(std::span<const ControlDesign> designs, QWidget* root, int rootOffsetY, double dpi,
                  const QPalette& plain)
{
    QHash<QString, QWidget*> frames;
    for (const ControlDesign& control : designs) {
        QWidget* parent = root;
        int offsetY = rootOffsetY;
        if (!control.parent.empty()) {
            parent = frames.value(Text(control.parent), root);
            offsetY = 0;
        }
        QWidget* widget = MakeControl(control, parent, offsetY, dpi, plain);
        if (control.kind == ControlKind::Frame || control.kind == ControlKind::PlainFrame) {
            frames.insert(widget->objectName(), widget);
        }
    }
}

/// Pixels for twips, rounded up so that a size converted back is not below it.
int TwipsToPixelsAtLeast(int twips, double dpi)
{
    return static_cast<int>(std::ceil(twips * dpi / 1440.0 - 1e-9));
}

}  // namespace

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
    connectButtons();
    setTabOrders();

    const double dpi = logicalDpi();
    // The user cannot resize the frame; only the minimum-size rule changes it.
    setFixedSize(TwipsToPixels(kClientWidth, dpi), TwipsToPixels(kClientHeight, dpi) + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }

    InstallEntryFilters(this);
    ExposeToAssistiveTechnology(this);

    m_tabs->setCurrentIndex(MainTabControl().startPage);
    m_tabs->setFocus(Qt::OtherFocusReason);
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
    // Only the text colour is set, so that everything else still follows
    // the parent; a palette with nothing set would take the frame's blue.
    QPalette plain;
    plain.setColor(QPalette::WindowText, client->palette().color(QPalette::WindowText));

    const TabControlDesign& tab = MainTabControl();
    m_tabs = new TabRows(TwipsToPixels(tab.rowHeight, dpi), client);
    m_tabs->setObjectName(Text(tab.name));
    m_tabs->setFont(Arial(kLargePoints));
    m_tabs->setToolTip(Text(tab.toolTip));
    m_tabs->setGeometry(TwipsRect(tab.left, tab.top, tab.width, tab.height, dpi));
    // Every row first: each row added pushes the page area down, and page
    // positions count from the tab control's corner, rows included, so the
    // controls can be placed only once the page area lies below all rows.
    for (const PageDesign& pageDesign : MainPages()) {
        m_tabs->addPage(Text(pageDesign.caption));
    }
    for (int index = 0; index < m_tabs->count(); ++index) {
        MakeControls(MainPages()[static_cast<std::size_t>(index)].controls, m_tabs->page(index), m_tabs->pageTop(), dpi,
                     plain);
    }
    connect(m_tabs, &TabRows::currentIndexChanged, this, &MainWindow::frmMain_SSTab1_Click);

    MakeControls(MainWindowControls(), client, 0, dpi, plain);
}

void MainWindow::connectButtons()
{
    const struct {
        const char* name;
        void (MainWindow::*slot)();
    } buttons[] = {
        {"cmdCalculate2", &MainWindow::frmMain_cmdCalculate2_Click},
        {"cmdCalculate3", &MainWindow::frmMain_cmdCalculate3_Click},
        {"cmdCalculate4", &MainWindow::frmMain_cmdCalculate4_Click},
        {"cmdCalculate1", &MainWindow::frmMain_cmdCalculate1_Click},
    };
    for (const auto& entry : buttons) {
        if (auto* button = findChild<QPushButton*>(QString::fromUtf8(entry.name))) {
            connect(button, &QPushButton::clicked, this, entry.slot);
        }
    }
    // Enter or the keypad's Enter in an input box presses its page's
    // Calculate; no button is a default button, so nothing else does.
    for (const PageDesign& pageDesign : MainPages()) {
        auto* button = findChild<QPushButton*>(Text(pageDesign.calculateButton));
        if (button == nullptr) {
            continue;
        }
        for (const ControlDesign& control : pageDesign.controls) {
            auto* box = control.kind == ControlKind::Input ? findChild<QLineEdit*>(Text(control.name)) : nullptr;
            if (box != nullptr) {
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
            if (auto* widget = findChild<QWidget*>(Text(name))) {
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
    if (QWidget* box = findChild<QLineEdit*>(Text(shown.firstBox))) {
        box->setFocus(Qt::TabFocusReason);
    }
}

void MainWindow::frmMain_cmdCalculate2_Click()
{
    loopcalc::frmMain_cmdCalculate2_Click(m_port);
}
void MainWindow::frmMain_cmdCalculate3_Click()
{
    loopcalc::frmMain_cmdCalculate3_Click(m_port);
}
void MainWindow::frmMain_cmdCalculate4_Click()
{
    loopcalc::frmMain_cmdCalculate4_Click(m_port);
}
void MainWindow::frmMain_cmdCalculate1_Click()
{
    loopcalc::frmMain_cmdCalculate1_Click(m_port);
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
