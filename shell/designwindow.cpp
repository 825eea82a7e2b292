// SPDX-License-Identifier: MIT
#include "designwindow.h"

#include "designaids.h"
#include "designwords.h"
#include "qttext.h"
#include "tabrows.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <utility>

namespace loopcalc::shell {

namespace {

/// Typing pauses this long before the window works anything out.
constexpr int kPauseMs = 60;

}  // namespace

DesignWindow::DesignWindow(QWidget* source, const QRect& place)
    : QWidget(nullptr)
    , m_source(source)
    , m_place(place)
{
    setObjectName(QStringLiteral("frmDesign"));
    setWindowTitle(tr("Design Assistant"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (source != nullptr) {
        m_tabs = source->findChild<TabRows*>(QStringLiteral("SSTab1"));
    }
    m_debounce = new QTimer(this);
    m_debounce->setSingleShot(true);
    m_debounce->setInterval(kPauseMs);
    connect(m_debounce, &QTimer::timeout, this, &DesignWindow::startStudy);

    buildControls();
    watchSource();
    followPage();
}

DesignWindow::~DesignWindow()
{
    // A calculation still running finds itself out of date and stops.
    ++*m_generation;
}

void DesignWindow::watchSource()
{
    if (m_source == nullptr) {
        return;
    }
    if (m_tabs != nullptr) {
        connect(m_tabs, &TabRows::currentIndexChanged, this, &DesignWindow::followPage);
    }
    for (const Shape& shape : Shapes()) {
        for (const ShapeField& field : shape.fields) {
            if (auto* box = m_source->findChild<QLineEdit*>(QtText(field.box))) {
                connect(box, &QLineEdit::textChanged, this, &DesignWindow::scheduleRefresh);
            }
        }
    }
}

std::size_t DesignWindow::currentPage() const
{
    // Any page number that is not a page is the last page, as on the main window.
    const int page = m_tabs != nullptr ? m_tabs->currentIndex() : -1;
    return page >= 0 && static_cast<std::size_t>(page) < Shapes().size() ? static_cast<std::size_t>(page)
                                                                         : Shapes().size() - 1;
}

bool DesignWindow::pageTakes(std::string_view modelOption) const
{
    const std::span<const std::string_view> options = Shapes()[currentPage()].models->options;
    return std::ranges::find(options, modelOption) != options.end();
}

void DesignWindow::followPage()
{
    const std::pair<const QWidget*, std::string_view> rows[] = {{m_gap, "gap"},
                                                                {m_thickness, "thickness"},
                                                                {m_winding, "winding"},
                                                                {m_spiralWire, "wire-radius"},
                                                                {m_spiralTrace, "trace"}};
    for (const auto& [input, option] : rows) {
        m_inputRows.value(input)->setVisible(pageTakes(option));
    }
    scheduleRefresh();
}

void DesignWindow::scheduleRefresh()
{
    // Every change starts the pause again, and whatever is being worked out
    // is out of date from now on.
    ++*m_generation;
    m_debounce->start();
}

bool DesignWindow::isBusy() const
{
    return m_debounce->isActive() || m_shownGeneration != m_generation->load();
}

DesignWindow::OwnInputs DesignWindow::readOwnInputs() const
{
    OwnInputs inputs;
    const auto length = [&inputs](QLineEdit* box, const QString& name) -> std::optional<double> {
        if (box->text().trimmed().isEmpty()) {
            return std::nullopt;
        }
        const Reading reading = ReadTypedQuantity(box->text(), units::LengthUnits(), false, tr("a length"));
        if (!reading.value) {
            inputs.modelProblems << tr("%1: %2; the default is used").arg(name, reading.problem);
        }
        return reading.value;
    };
    if (pageTakes("gap")) {
        inputs.models.gap = length(m_gap, tr("Gap"));
    }
    if (pageTakes("thickness")) {
        inputs.models.thickness = length(m_thickness, tr("Copper thickness"));
    }
    if (pageTakes("wire-radius")) {
        inputs.models.spiralWireRadius = length(m_spiralWire, tr("Wire radius"));
    }
    if (pageTakes("trace")) {
        inputs.models.spiralTrace = length(m_spiralTrace, tr("Trace width"));
    }
    if (inputs.models.spiralWireRadius && inputs.models.spiralTrace) {
        inputs.modelProblems << tr("Give a wire radius or a trace width, not both: the trace width is used");
        inputs.models.spiralWireRadius.reset();
    }
    if (pageTakes("winding")) {
        inputs.models.winding = m_winding->currentIndex() == 1 ? design::Winding::Layer : design::Winding::Bundle;
    }

    inputs.targetText = m_target->text().trimmed();
    if (!inputs.targetText.isEmpty()) {
        const Reading reading =
            ReadTypedQuantity(inputs.targetText, units::InductanceUnits(), true, tr("an inductance"));
        inputs.target = reading.value;
        inputs.targetProblem = reading.problem;
    }
    inputs.frequencyText = m_frequency->currentText().trimmed();
    if (inputs.frequencyText.isEmpty()) {
        inputs.frequencyProblem = tr("Choose or type a frequency to size the tuning capacitor.");
    } else {
        const Reading reading =
            ReadTypedQuantity(inputs.frequencyText, units::FrequencyUnits(), true, tr("a frequency"));
        inputs.hertz = reading.value;
        inputs.frequencyProblem = reading.problem;
        // As on the command line: beyond these no coil and capacitor resonate.
        if (reading.value && !design::IsTuningFrequency(*reading.value)) {
            inputs.hertz.reset();
            inputs.frequencyProblem = tr("“%1” is out of range: give a frequency %2")
                                          .arg(inputs.frequencyText, QString::fromLatin1(design::kTuningRangeText));
        }
    }
    return inputs;
}

void DesignWindow::startStudy()
{
    if (m_source == nullptr) {
        return;
    }
    design::StudyRequest request;
    request.shape = &Shapes()[currentPage()];
    for (const ShapeField& field : request.shape->fields) {
        const auto* box = m_source->findChild<QLineEdit*>(QtText(field.box));
        request.texts.push_back(box != nullptr ? box->text().toStdString() : std::string());
    }
    request.decimalSeparator = QLocale().decimalPoint().toStdString();
    m_inputs = readOwnInputs();
    request.models = m_inputs.models;
    request.target = m_inputs.target;
    request.targetText = m_inputs.targetText.toStdString();
    request.hertz = m_inputs.hertz;

    const int mine = m_generation->load();
    const std::shared_ptr<std::atomic<int>> generation = m_generation;
    auto* watcher = new QFutureWatcher<design::Study>(this);
    connect(watcher, &QFutureWatcher<design::Study>::finished, this, [this, watcher, request, mine]() {
        watcher->deleteLater();
        if (mine != m_generation->load()) {
            return;
        }
        showStudy(request, watcher->result());
        m_shownGeneration = mine;
        emit refreshed();
    });
    watcher->setFuture(QtConcurrent::run([request, generation, mine]() {
        return design::RunStudy(request, [&generation, mine]() { return generation->load() != mine; });
    }));
}

void DesignWindow::copySummary()
{
    QApplication::clipboard()->setText(summary());
}

void DesignWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_placed) {
        return;
    }
    m_placed = true;
    if (m_place.isValid()) {
        setGeometry(m_place);
    } else {
        placeBesideSource();
    }
}

void DesignWindow::placeBesideSource()
{
    const QScreen* screen = m_source != nullptr ? m_source->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize wanted = sizeHint().expandedTo(minimumSizeHint()).boundedTo(available.size());
    const QRect frame = frameGeometry();
    const QMargins margins(geometry().left() - frame.left(), geometry().top() - frame.top(),
                           frame.right() - geometry().right(), frame.bottom() - geometry().bottom());
    QPoint at = available.topLeft();
    if (m_source != nullptr) {
        const QRect main = m_source->frameGeometry();
        const int gap = 8;
        const int roomRight = available.right() - main.right() - gap;
        const int roomLeft = main.left() - available.left() - gap;
        const int outerWidth = wanted.width() + margins.left() + margins.right();
        int left = main.right() + gap + 1;
        if (roomRight < outerWidth && roomLeft > roomRight) {
            left = main.left() - gap - outerWidth;
        }
        at = QPoint(left, main.top());
    }
    // Keep the whole window on the screen.
    const int outerWidth = wanted.width() + margins.left() + margins.right();
    const int outerHeight = wanted.height() + margins.top() + margins.bottom();
    at.setX(std::clamp(at.x(), available.left(), std::max(available.left(), available.right() + 1 - outerWidth)));
    at.setY(std::clamp(at.y(), available.top(), std::max(available.top(), available.bottom() + 1 - outerHeight)));
    resize(wanted);
    move(at);
}

void DesignWindow::closeEvent(QCloseEvent* event)
{
    emit closing(geometry());
    QWidget::closeEvent(event);
}

}  // namespace loopcalc::shell
