// SPDX-License-Identifier: MIT
// The design assistant beside the main window: the coil of the current page
// against the reference and the closed forms, its warnings, the turns for a
// target, the tuning capacitor and a plot of inductance against turns.
#pragma once

#include "designstudy.h"

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <atomic>
#include <cstddef>
#include <memory>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class QVBoxLayout;

namespace loopcalc::shell {

class TabRows;
class TurnsPlot;

/// "frmDesign": a window without an owner that follows the current page of
/// the main window's tab control and reads that page's input boxes whenever
/// they change. It never writes a box of the main window, never moves its
/// focus, never beeps and never logs. Everything is worked out off the
/// window's thread once typing pauses; closing the window deletes it.
class DesignWindow : public QWidget {
    Q_OBJECT
public:
    /// source: the main window to follow. place: where the window stood when
    /// it was last closed in this session; empty places it beside the source.
    explicit DesignWindow(QWidget* source, const QRect& place = QRect());
    ~DesignWindow() override;

    /// True while a change waits to be worked out or is being worked out.
    [[nodiscard]] bool isBusy() const;
    /// The plain text cmdCopy puts on the clipboard: everything the window shows.
    [[nodiscard]] QString summary() const;

signals:
    /// The window is closing; geometry is where it stood.
    void closing(const QRect& geometry);
    /// A newer calculation is shown.
    void refreshed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Building (designwindowbuild.cpp).
    void buildControls();
    void buildModelInputs(QVBoxLayout* root);
    void buildModelTable(QVBoxLayout* root);
    /// Validity, turns for a target and the tuning capacitor.
    void buildAids(QVBoxLayout* left);
    [[nodiscard]] QLineEdit* makeLengthBox(const char* name, const QString& accessible);

    // Following the main window and working out (designwindow.cpp).
    void watchSource();
    void followPage();
    /// Whether the current page's shape takes that model option ("gap").
    [[nodiscard]] bool pageTakes(std::string_view modelOption) const;
    void scheduleRefresh();
    void startStudy();

    // Showing a study (designwindowshow.cpp).
    void showStudy(const design::StudyRequest& request, const design::Study& result);
    /// The models' defaults that follow the page, as placeholders.
    void showDefaults(const design::StudyRequest& request);
    void showModels(const design::Study& result);
    void showTurns(const design::StudyRequest& request, const design::Study& result);
    void showCapacitance(const design::Study& result);
    void showPlot(const design::StudyRequest& request, const design::Study& result);
    /// The model inputs the current page shows, as "label value".
    [[nodiscard]] QStringList modelInputsInWords() const;
    void copySummary();
    void placeBesideSource();
    /// The main window's current page; the last page when it names none.
    [[nodiscard]] std::size_t currentPage() const;
    [[nodiscard]] QString describePage(const design::StudyRequest& request) const;
    [[nodiscard]] QString refusalInWords(const design::StudyRequest& request, const design::Study& result) const;

    /// What the window's own boxes hold, read as the models and the searches
    /// take it; problems are said in words.
    struct OwnInputs {
        design::ModelInputs models;
        QStringList modelProblems;
        std::optional<double> target;
        QString targetText;
        QString targetProblem;
        std::optional<double> hertz;
        QString frequencyText;
        QString frequencyProblem;
    };
    [[nodiscard]] OwnInputs readOwnInputs() const;
    OwnInputs m_inputs;

    QPointer<QWidget> m_source;
    QPointer<TabRows> m_tabs;
    QRect m_place;
    bool m_placed = false;

    QLabel* m_coil = nullptr;
    QLabel* m_refusal = nullptr;
    /// Each model input and the row holding it with its label.
    QHash<const QWidget*, QWidget*> m_inputRows;
    QLineEdit* m_gap = nullptr;
    QLineEdit* m_thickness = nullptr;
    QComboBox* m_winding = nullptr;
    QLineEdit* m_spiralWire = nullptr;
    QLineEdit* m_spiralTrace = nullptr;
    QLabel* m_modelProblems = nullptr;
    QTableWidget* m_models = nullptr;
    QLabel* m_warnings = nullptr;
    QLineEdit* m_target = nullptr;
    QPlainTextEdit* m_turnsFound = nullptr;
    QComboBox* m_frequency = nullptr;
    QPlainTextEdit* m_capacitance = nullptr;
    TurnsPlot* m_plot = nullptr;
    QPushButton* m_copy = nullptr;

    QTimer* m_debounce = nullptr;
    /// Raised for every new calculation; a calculation whose number is no
    /// longer the latest stops early and is not shown.
    std::shared_ptr<std::atomic<int>> m_generation = std::make_shared<std::atomic<int>>(0);
    int m_shownGeneration = 0;
};

}  // namespace loopcalc::shell
