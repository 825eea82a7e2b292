// SPDX-License-Identifier: MIT
// The main window: four coil pages on a tab control, a logo band and the menus.
#pragma once

#include "calclog.h"
#include "pagebuilder.h"
#include "qtformport.h"
#include "secondarywindows.h"

#include <QMainWindow>
#include <QString>
#include <QtGlobal>

#include <string_view>
#include <vector>

class QLineEdit;

namespace loopcalc::shell {

class TabRows;

/// The program's one permanent window, "frmMain". Every control carries its
/// control name as objectName. The calculators reach the pages through the
/// window's QtFormPort.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// \param logFolder  where Log.txt is kept: the program's own folder
    ///                   unless a test gives another
    explicit MainWindow(QWidget* parent = nullptr, const QString& logFolder = QString());

    /// The caption of every message box the calculators show.
    [[nodiscard]] static QString applicationTitle();

    /// The minimum outer size, in twips.
    static constexpr int kMinimumOuterWidth = 8712;
    static constexpr int kMinimumOuterHeight = 7452;

    [[nodiscard]] TabRows* tabControl() const { return m_tabs; }

    /// True once every page has its controls. The window is made with its
    /// start page only; each other page is built when it is first shown, and
    /// all of them right after the window's first paint.
    [[nodiscard]] bool pagesComplete() const;
    /// Builds every page that has no controls yet.
    void completePages();
    [[nodiscard]] FormPort& port() { return m_port; }

    /// 1 while the calculation log is on, else 0: set by "&Log
    /// Calculations" and cleared when a record cannot be written.
    [[nodiscard]] qint16 nLogFlag() const { return m_nLogFlag; }

    /// The calculation log behind "&Log Calculations".
    [[nodiscard]] const CalcLog& calcLog() const { return m_log; }
    /// The formula windows and the About box opened from the menus.
    [[nodiscard]] const SecondaryWindows& secondaryWindows() const { return m_secondary; }

    /// Appends one line to the open log file; nothing while no log is open.
    void writeLogLine(std::string_view line);
    /// A calculation's record is complete.
    void endLogRecord();
    /// Closes every file the program has open.
    void closeAllFiles();

public slots:
    void frmMain_Form_Resize();
    void frmMain_SSTab1_Click();

    void frmMain_mnuLog_Click();
    void frmMain_mnuExit_Click();
    void frmMain_mnuFsc_Click();
    void frmMain_mnuFrc_Click();
    void frmMain_mnuCwc_Click();
    void frmMain_mnuRwC_Click();
    void frmMain_mnuAbout_Click();
    void frmMain_mnuDesign_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    /// Builds the controls of one page, once, and ties them in: handlers,
    /// Tab order, entry filters and names for assistive technology.
    void buildPage(int index);
    void connectButtons(const QWidget& page);
    void setTabOrders();
    [[nodiscard]] double logicalDpi() const;
    /// Ends the program once the main window is closed and no secondary
    /// window is left open.
    void endWhenNoWindowIsLeft();
    void watchSecondaryWindow(QWidget* window);

    TabRows* m_tabs = nullptr;
    BuildContext m_context{};
    std::vector<bool> m_pageBuilt;
    qint16 m_nLogFlag = 0;
    QtFormPort m_port{*this};
    CalcLog m_log;
    SecondaryWindows m_secondary;
};

}  // namespace loopcalc::shell
