// SPDX-License-Identifier: MIT
#include "designwindow.h"

#include "designaids.h"
#include "mainwindowdesign.h"
#include "numberreading.h"
#include "qttext.h"
#include "quantities.h"
#include "tabrows.h"
#include "turnsplot.h"

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

namespace loopcalc::shell {

namespace {

/// Typing pauses this long before the window works anything out.
constexpr int kPauseMs = 60;

enum Page { kCircular = 0, kRectangular = 1, kSpiral = 2, kFlatRectangular = 3 };

QString Henries(double henries)
{
    return QString::fromStdString(design::FormatHenries(henries));
}

QString Turns(double turns)
{
    return QString::number(turns, 'f', std::abs(turns - std::round(turns)) < 1e-9 ? 0 : 2);
}

/// The caption of the label beside a box of the main window's design: the
/// label in the box's frame whose row lies nearest.
QString LabelOf(int page, std::string_view box)
{
    const auto pages = MainPages();
    if (page < 0 || page >= static_cast<int>(pages.size())) {
        return QtText(box);
    }
    const auto controls = pages[static_cast<std::size_t>(page)].controls;
    const auto boxAt =
        std::find_if(controls.begin(), controls.end(), [box](const auto& control) { return control.name == box; });
    if (boxAt == controls.end()) {
        return QtText(box);
    }
    auto nearest = controls.end();
    for (auto control = controls.begin(); control != controls.end(); ++control) {
        if (control->kind == ControlKind::Label && control->parent == boxAt->parent &&
            (nearest == controls.end() || std::abs(control->top - boxAt->top) < std::abs(nearest->top - boxAt->top))) {
            nearest = control;
        }
    }
    QString caption = nearest != controls.end() ? QtText(nearest->text).trimmed() : QtText(box);
    if (caption.endsWith(QLatin1Char(':'))) {
        caption.chop(1);
    }
    return caption;
}

/// A typed quantity with a unit, in the base unit (millimetres, henries,
/// hertz), or why it is not taken.
struct Reading {
    std::optional<double> value;
    QString problem;
};

Reading ReadQuantity(const QString& typed, std::span<const units::Unit> units, bool unitRequired, const QString& what)
{
    const std::string separator = QLocale().decimalPoint().toStdString();
    const std::string text = typed.toStdString();
    const units::Quantity quantity = units::ReadQuantity(text, units, separator);
    const QString names = QString::fromStdString(units::UnitList(units));
    switch (quantity.status) {
    case units::Quantity::Status::NotANumber:
        return {std::nullopt, QObject::tr("“%1” is not %2: give a number and a unit (%3)").arg(typed, what, names)};
    case units::Quantity::Status::UnknownUnit:
        return {std::nullopt, QObject::tr("“%1”: unknown unit “%2” (use %3)").arg(typed, QtText(quantity.unit), names)};
    case units::Quantity::Status::OutOfRange:
        return {std::nullopt, QObject::tr("“%1” is out of range: too large or too small to calculate with").arg(typed)};
    case units::Quantity::Status::Number: break;
    }
    if (unitRequired && quantity.unit.empty()) {
        return {std::nullopt, QObject::tr("“%1” needs a unit (%2)").arg(typed, names)};
    }
    if (!(quantity.value > 0.0) || !std::isfinite(quantity.value)) {
        return {std::nullopt, QObject::tr("“%1” must be above 0").arg(typed)};
    }
    return {quantity.value, {}};
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QPlainTextEdit* ReadOnlyText(const QString& name, const QString& accessible, int lines)
{
    auto* box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Room for the lines and the document's margins, without a scroll bar.
    const int height = box->fontMetrics().lineSpacing() * lines + 2 * box->frameWidth() +
                       static_cast<int>(std::ceil(box->document()->documentMargin() * 2)) + 4;
    box->setFixedHeight(height);
    return box;
}

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

void DesignWindow::buildControls()
{
    auto* root = new QVBoxLayout(this);

    m_coil = new QLabel;
    m_coil->setObjectName(QStringLiteral("lblCoil"));
    m_coil->setWordWrap(true);
    QFont bold = m_coil->font();
    bold.setBold(true);
    m_coil->setFont(bold);
    root->addWidget(m_coil);

    m_refusal = new QLabel;
    m_refusal->setObjectName(QStringLiteral("lblRefusal"));
    m_refusal->setWordWrap(true);
    QPalette red = m_refusal->palette();
    red.setColor(QPalette::WindowText, QColor(176, 0, 0));
    m_refusal->setPalette(red);
    m_refusal->hide();
    root->addWidget(m_refusal);

    // The models' own inputs; only those of the current page show.
    auto* modelBox = new QGroupBox(tr("Model inputs"));
    modelBox->setObjectName(QStringLiteral("fraModelInputs"));
    auto* modelLayout = new QVBoxLayout(modelBox);
    auto* inputRow = new QHBoxLayout;
    modelLayout->addLayout(inputRow);
    const QString lengthTip = tr("Millimetres, or a length with its unit: %1")
                                  .arg(QString::fromStdString(units::UnitList(units::LengthUnits())));
    const auto lengthBox = [&](const char* name, const QString& accessible) {
        auto* box = new QLineEdit;
        box->setObjectName(QString::fromLatin1(name));
        box->setAccessibleName(accessible);
        box->setToolTip(lengthTip);
        box->setClearButtonEnabled(true);
        box->setMinimumWidth(fontMetrics().averageCharWidth() * 18);
        connect(box, &QLineEdit::textChanged, this, &DesignWindow::scheduleRefresh);
        return box;
    };
    m_gap = lengthBox("txtGap", tr("Gap between turns"));
    m_thickness = lengthBox("txtThickness", tr("Copper thickness"));
    m_thickness->setPlaceholderText(tr("0.035 mm"));
    m_spiralWire = lengthBox("txtSpiralWire", tr("Wire radius of the spiral"));
    m_spiralTrace = lengthBox("txtSpiralTrace", tr("Trace width of the spiral"));
    m_spiralTrace->setPlaceholderText(tr("none: a round wire"));
    m_winding = new QComboBox;
    m_winding->setObjectName(QStringLiteral("cboWinding"));
    m_winding->setAccessibleName(tr("Winding"));
    m_winding->addItem(tr("bundle"));
    m_winding->setItemData(0, tr("Turns square-packed in layers around the radius"), Qt::ToolTipRole);
    m_winding->addItem(tr("layer"));
    m_winding->setItemData(1, tr("One layer of turns side by side"), Qt::ToolTipRole);
    connect(m_winding, &QComboBox::currentIndexChanged, this, &DesignWindow::scheduleRefresh);
    const auto addInput = [&](const QString& caption, QWidget* field) {
        auto* holder = new QWidget;
        auto* pair = new QHBoxLayout(holder);
        pair->setContentsMargins(0, 0, 0, 0);
        pair->addWidget(BuddyLabel(caption, field));
        pair->addWidget(field, 1);
        inputRow->addWidget(holder, 1);
        m_inputRows.insert(field, holder);
    };
    addInput(tr("&Gap (edge to edge):"), m_gap);
    addInput(tr("Copper &thickness:"), m_thickness);
    addInput(tr("&Winding:"), m_winding);
    addInput(tr("Wire &radius:"), m_spiralWire);
    addInput(tr("or t&race width:"), m_spiralTrace);
    inputRow->addStretch(0);
    m_modelProblems = new QLabel;
    m_modelProblems->setObjectName(QStringLiteral("lblModelInputs"));
    m_modelProblems->setWordWrap(true);
    m_modelProblems->setPalette(red);
    m_modelProblems->hide();
    modelLayout->addWidget(m_modelProblems);
    root->addWidget(modelBox);

    m_models = new QTableWidget(0, 4);
    m_models->setObjectName(QStringLiteral("tblModels"));
    m_models->setAccessibleName(tr("Models"));
    m_models->setHorizontalHeaderLabels({tr("Model"), tr("Inductance"), tr("vs reference"), tr("Note")});
    m_models->verticalHeader()->hide();
    m_models->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_models->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_models->setTabKeyNavigation(false);
    m_models->setWordWrap(false);
    m_models->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_models->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_models->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_models->horizontalHeader()->setStretchLastSection(true);
    const int row = m_models->verticalHeader()->defaultSectionSize();
    m_models->setMinimumHeight(m_models->horizontalHeader()->sizeHint().height() + row * 3 + 4);
    m_models->setMaximumHeight(m_models->horizontalHeader()->sizeHint().height() + row * 6 + 4);
    root->addWidget(BuddyLabel(tr("&Models (difference from the reference):"), m_models));
    root->addWidget(m_models, 0);

    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);
    auto* leftColumn = new QWidget;
    leftColumn->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    leftColumn->setMaximumWidth(fontMetrics().averageCharWidth() * 64);
    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    body->addWidget(leftColumn, 0);

    auto* validity = new QGroupBox(tr("Validity"));
    auto* validityLayout = new QVBoxLayout(validity);
    m_warnings = new QLabel;
    m_warnings->setObjectName(QStringLiteral("lblWarnings"));
    m_warnings->setAccessibleName(tr("Warnings"));
    m_warnings->setWordWrap(true);
    m_warnings->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_warnings->setFocusPolicy(Qt::TabFocus);
    validityLayout->addWidget(m_warnings);
    left->addWidget(validity);

    auto* turnsBox = new QGroupBox(tr("Turns for a target"));
    auto* turnsLayout = new QFormLayout(turnsBox);
    m_target = new QLineEdit;
    m_target->setObjectName(QStringLiteral("txtTarget"));
    m_target->setAccessibleName(tr("Target inductance"));
    m_target->setPlaceholderText(tr("for example 1.5 µH"));
    m_target->setToolTip(
        tr("An inductance with its unit: %1").arg(QString::fromStdString(units::UnitList(units::InductanceUnits()))));
    m_target->setClearButtonEnabled(true);
    connect(m_target, &QLineEdit::textChanged, this, &DesignWindow::scheduleRefresh);
    turnsLayout->addRow(BuddyLabel(tr("T&arget:"), m_target), m_target);
    m_turnsFound = ReadOnlyText(QStringLiteral("txtTurnsFound"), tr("Turns found"), 4);
    turnsLayout->addRow(m_turnsFound);
    left->addWidget(turnsBox);

    auto* tuningBox = new QGroupBox(tr("Tuning capacitor"));
    auto* tuningLayout = new QFormLayout(tuningBox);
    m_frequency = new QComboBox;
    m_frequency->setObjectName(QStringLiteral("cboFrequency"));
    m_frequency->setAccessibleName(tr("Frequency"));
    m_frequency->setEditable(true);
    m_frequency->setInsertPolicy(QComboBox::NoInsert);
    m_frequency->addItems({QStringLiteral("125 kHz"), QStringLiteral("134.2 kHz"), QStringLiteral("6.78 MHz"),
                           QStringLiteral("13.56 MHz")});
    m_frequency->setCurrentIndex(3);
    m_frequency->setToolTip(
        tr("A frequency with its unit: %1").arg(QString::fromStdString(units::UnitList(units::FrequencyUnits()))));
    connect(m_frequency, &QComboBox::currentTextChanged, this, &DesignWindow::scheduleRefresh);
    tuningLayout->addRow(BuddyLabel(tr("&Frequency:"), m_frequency), m_frequency);
    m_capacitance = ReadOnlyText(QStringLiteral("txtCapacitance"), tr("Tuning capacitance"), 2);
    tuningLayout->addRow(m_capacitance);
    left->addWidget(tuningBox);

    auto* right = new QVBoxLayout;
    body->addLayout(right, 1);
    m_plot = new TurnsPlot;
    right->addWidget(m_plot, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_copy = new QPushButton(tr("&Copy summary"));
    m_copy->setObjectName(QStringLiteral("cmdCopy"));
    m_copy->setAccessibleName(tr("Copy summary"));
    m_copy->setToolTip(tr("Puts everything this window shows on the clipboard as plain text"));
    m_copy->setAutoDefault(false);
    connect(m_copy, &QPushButton::clicked, this, &DesignWindow::copySummary);
    buttons->addWidget(m_copy);
    right->addLayout(buttons);
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

int DesignWindow::currentPage() const
{
    const int page = m_tabs != nullptr ? m_tabs->currentIndex() : kFlatRectangular;
    return page >= 0 && page < static_cast<int>(Shapes().size()) ? page : kFlatRectangular;
}

void DesignWindow::followPage()
{
    const int page = currentPage();
    m_inputRows.value(m_gap)->setVisible(page == kFlatRectangular);
    m_inputRows.value(m_thickness)->setVisible(page == kFlatRectangular);
    m_inputRows.value(m_winding)->setVisible(page == kCircular || page == kRectangular);
    m_inputRows.value(m_spiralWire)->setVisible(page == kSpiral);
    m_inputRows.value(m_spiralTrace)->setVisible(page == kSpiral);
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
    const int page = currentPage();
    const auto length = [&inputs](QLineEdit* box, const QString& name) -> std::optional<double> {
        if (box->text().trimmed().isEmpty()) {
            return std::nullopt;
        }
        const Reading reading = ReadQuantity(box->text(), units::LengthUnits(), false, tr("a length"));
        if (!reading.value) {
            inputs.modelProblems << tr("%1: %2; the default is used").arg(name, reading.problem);
        }
        return reading.value;
    };
    if (page == kFlatRectangular) {
        inputs.models.gap = length(m_gap, tr("Gap"));
        inputs.models.thickness = length(m_thickness, tr("Copper thickness"));
    } else if (page == kSpiral) {
        inputs.models.spiralWireRadius = length(m_spiralWire, tr("Wire radius"));
        inputs.models.spiralTrace = length(m_spiralTrace, tr("Trace width"));
        if (inputs.models.spiralWireRadius && inputs.models.spiralTrace) {
            inputs.modelProblems << tr("Give a wire radius or a trace width, not both: the trace width is used");
            inputs.models.spiralWireRadius.reset();
        }
    } else {
        inputs.models.winding = m_winding->currentIndex() == 1 ? design::Winding::Layer : design::Winding::Bundle;
    }

    inputs.targetText = m_target->text().trimmed();
    if (!inputs.targetText.isEmpty()) {
        const Reading reading = ReadQuantity(inputs.targetText, units::InductanceUnits(), true, tr("an inductance"));
        inputs.target = reading.value;
        inputs.targetProblem = reading.problem;
    }
    inputs.frequencyText = m_frequency->currentText().trimmed();
    if (inputs.frequencyText.isEmpty()) {
        inputs.frequencyProblem = tr("Choose or type a frequency to size the tuning capacitor.");
    } else {
        const Reading reading = ReadQuantity(inputs.frequencyText, units::FrequencyUnits(), true, tr("a frequency"));
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
    request.shape = &Shapes()[static_cast<std::size_t>(currentPage())];
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

QString DesignWindow::describePage(const design::StudyRequest& request) const
{
    const int page = currentPage();
    QStringList inputs;
    for (std::size_t i = 0; i < request.shape->fields.size(); ++i) {
        inputs << tr("%1 %2").arg(LabelOf(page, request.shape->fields[i].box), QtText(request.texts[i]).trimmed());
    }
    const QString caption = m_tabs != nullptr ? m_tabs->caption(page).trimmed() : QtText(request.shape->name);
    return tr("%1: %2").arg(caption, inputs.join(QStringLiteral(", ")));
}

QString DesignWindow::refusalInWords(const design::StudyRequest& request, const design::Study& result) const
{
    if (result.classic.kind == Outcome::Kind::OutOfRange) {
        return tr("Calculate would show no result: %1").arg(QtText(result.classic.text));
    }
    if (result.classic.kind != Outcome::Kind::Refused) {
        return {};
    }
    const int page = currentPage();
    QString typed;
    bool isTurns = false;
    for (std::size_t i = 0; i < request.shape->fields.size(); ++i) {
        if (request.shape->fields[i].box == result.refusedBox) {
            typed = QtText(request.texts[i]).trimmed();
            isTurns = request.shape->fields[i].kind == FieldKind::Turns;
        }
    }
    const QString name = LabelOf(page, result.refusedBox);
    QString what;
    if (typed.isEmpty()) {
        what = tr("%1 is empty, which counts as 0").arg(name);
    } else if (!ParseNumber(typed.toStdString(), request.decimalSeparator)) {
        what = tr("%1 holds “%2”, which is not a number and counts as 0").arg(name, typed);
    } else {
        what = tr("%1 holds %2").arg(name, typed);
    }
    QString words =
        tr("Calculate would refuse this page: %1. Its check says: %2.").arg(what, QtText(result.classic.text));
    const double value = ReadNumber(typed.toStdString(), request.decimalSeparator);
    if (isTurns && request.shape->name != "spiral" && value > 0.0 && value < 1.0) {
        words += tr(" The page takes 1 turn or more.");
    }
    return words;
}

void DesignWindow::showStudy(const design::StudyRequest& request, const design::Study& result)
{
    m_coil->setText(describePage(request));
    const QString refusal = refusalInWords(request, result);
    m_refusal->setText(refusal);
    m_refusal->setVisible(!refusal.isEmpty());

    // Defaults that follow the page: the gap is the trace, the spiral's wire
    // radius half its pitch.
    const int page = currentPage();
    if (page == kFlatRectangular && request.texts.size() > 3) {
        m_gap->setPlaceholderText(tr("%1 mm (the trace)").arg(QtText(request.texts[3]).trimmed()));
    }
    if (page == kSpiral && request.texts.size() > 2) {
        const double outer = ReadNumber(request.texts[0], request.decimalSeparator);
        const double inner = ReadNumber(request.texts[1], request.decimalSeparator);
        const double turns = ReadNumber(request.texts[2], request.decimalSeparator);
        m_spiralWire->setPlaceholderText(
            turns > 0.0 && outer > inner
                ? tr("%1 mm (half the pitch)")
                      .arg(QString::fromStdString(design::ThreeDigits((outer - inner) / (2.0 * turns))))
                : tr("half the pitch"));
    }
    m_modelProblems->setText(m_inputs.modelProblems.join(QLatin1Char('\n')));
    m_modelProblems->setVisible(!m_inputs.modelProblems.isEmpty());

    showModels(result);
    if (result.classic.kind == Outcome::Kind::Refused) {
        m_warnings->setText(tr("None: Calculate would refuse these inputs."));
    } else if (result.warnings.empty()) {
        m_warnings->setText(tr("None applies: the classic formula is used within its range."));
    } else {
        QStringList lines;
        for (const std::string& warning : result.warnings) {
            lines << QStringLiteral("• ") + QtText(warning);
        }
        m_warnings->setText(lines.join(QLatin1Char('\n')));
    }
    showTurns(request, result);
    showCapacitance(result);
    showPlot(request, result);
}

void DesignWindow::showModels(const design::Study& result)
{
    struct Row {
        QString name;
        QString inductance;
        QString difference;
        QString note;
    };
    QList<Row> rows;
    Row classic{tr("classic"), {}, {}, {}};
    switch (result.classic.kind) {
    case Outcome::Kind::Result:
        classic.inductance = QtText(result.classic.text);
        classic.note = tr("as Calculate shows it");
        break;
    case Outcome::Kind::OutOfRange:
        classic.inductance = tr("out of range");
        classic.note = QtText(result.classic.text);
        break;
    case Outcome::Kind::Refused:
        classic.inductance = tr("refused");
        classic.note = QtText(result.classic.text);
        break;
    }
    if (result.classic.kind != Outcome::Kind::Refused) {
        if (const auto percent = design::PercentFromReference(result.classic.henries, result.reference)) {
            classic.difference = QString::fromStdString(design::FormatPercent(*percent));
        }
    }
    rows << classic;
    for (std::size_t i = 0; i < result.models.size(); ++i) {
        const design::ModelLine& line = result.models[i];
        Row row{QtText(line.name), QStringLiteral("—"), {}, QtText(line.henries ? line.note : line.reason)};
        // A closed form taken beyond its geometry may give 0 or less: no
        // value, and no difference worked out from it.
        if (line.henries && !(*line.henries > 0.0)) {
            row.inductance = tr("no value");
            row.note = tr("does not apply here: it gives no inductance above 0");
        } else if (line.henries) {
            row.inductance = Henries(*line.henries);
            if (i > 0) {
                if (const auto percent = design::PercentFromReference(*line.henries, result.reference)) {
                    row.difference = QString::fromStdString(design::FormatPercent(*percent));
                }
            }
        }
        rows << row;
    }
    m_models->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        const QString cells[] = {row.name, row.inductance, row.difference, row.note};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            if (c == 1 || c == 2) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_models->setItem(r, c, item);
        }
    }
}

void DesignWindow::showTurns(const design::StudyRequest& request, const design::Study& result)
{
    if (request.targetText.empty()) {
        m_turnsFound->setPlainText(tr("Type a target inductance, such as 1.5 µH."));
        return;
    }
    if (!m_inputs.targetProblem.isEmpty()) {
        m_turnsFound->setPlainText(m_inputs.targetProblem);
        return;
    }
    QStringList lines;
    const design::TurnsSearch& classic = *result.classicTurns;
    if (classic.kind != design::TurnsSearch::Kind::Found) {
        lines << tr("classic: %1").arg(QtText(classic.message));
    } else {
        QStringList whole;
        for (const design::TurnsSearch::Whole& w : classic.whole) {
            QString shown = QtText(w.outcome.text).trimmed();
            if (w.outcome.kind == Outcome::Kind::Refused) {
                shown = tr("not accepted (%1)").arg(shown);
            }
            whole << tr("%1 turns: %2").arg(Turns(w.turns), shown);
        }
        lines << tr("classic: %1 turns (%2)").arg(Turns(classic.turns), whole.join(QStringLiteral("; ")));
    }
    if (result.referenceTurns) {
        const design::ReferenceTurns& reference = *result.referenceTurns;
        if (!reference.turns) {
            lines << tr("reference: %1").arg(QtText(reference.message));
        } else {
            QStringList whole{tr("%1 turns: %2").arg(Turns(reference.below), Henries(reference.belowHenries))};
            if (reference.above != reference.below) {
                whole << tr("%1 turns: %2").arg(Turns(reference.above), Henries(reference.aboveHenries));
            }
            lines << tr("reference: %1 turns (%2)").arg(Turns(*reference.turns), whole.join(QStringLiteral("; ")));
        }
    }
    m_turnsFound->setPlainText(lines.join(QLatin1Char('\n')));
}

void DesignWindow::showCapacitance(const design::Study& result)
{
    if (!m_inputs.frequencyProblem.isEmpty()) {
        m_capacitance->setPlainText(m_inputs.frequencyProblem);
        return;
    }
    const auto line = [](const QString& name, std::optional<double> farads, const QString& otherwise) {
        return farads ? tr("%1: %2").arg(name, QString::fromStdString(design::FormatCapacitance(*farads)))
                      : tr("%1: %2").arg(name, otherwise);
    };
    m_capacitance->setPlainText(line(tr("classic"), result.classicCapacitance, tr("no result to tune")) +
                                QLatin1Char('\n') +
                                line(tr("reference"), result.referenceCapacitance, tr("no reference value to tune")));
}

void DesignWindow::showPlot(const design::StudyRequest& request, const design::Study& result)
{
    if (result.classicCurve.empty()) {
        m_plot->setMessage(tr("Nothing to plot: Calculate would refuse these inputs."));
        return;
    }
    QList<QPointF> classic;
    for (const design::CurvePoint& point : result.classicCurve) {
        classic.append({point.turns, point.henries});
    }
    QList<QPointF> reference;
    for (const design::CurvePoint& point : result.referenceCurve) {
        reference.append({point.turns, point.henries});
    }
    m_plot->setCurves(std::move(classic), std::move(reference));
    m_plot->setMarkers(result.turns > 0.0 ? std::optional<double>(result.turns) : std::nullopt, request.target);
}

QString DesignWindow::summary() const
{
    QStringList lines;
    lines << tr("Design assistant") << m_coil->text();
    if (m_refusal->isVisible() || !m_refusal->text().isEmpty()) {
        lines << m_refusal->text();
    }
    QStringList modelInputs;
    for (QWidget* box :
         {static_cast<QWidget*>(m_gap), static_cast<QWidget*>(m_thickness), static_cast<QWidget*>(m_winding),
          static_cast<QWidget*>(m_spiralWire), static_cast<QWidget*>(m_spiralTrace)}) {
        const QWidget* holder = m_inputRows.value(box);
        if (holder == nullptr || holder->isHidden()) {
            continue;
        }
        QString value;
        if (auto* edit = qobject_cast<QLineEdit*>(box)) {
            value = edit->text().trimmed().isEmpty() ? edit->placeholderText() : edit->text().trimmed();
        } else if (auto* combo = qobject_cast<QComboBox*>(box)) {
            value = combo->currentText();
        }
        const auto* labelWidget = holder->findChild<QLabel*>();
        const QString label = labelWidget != nullptr ? labelWidget->text().remove(QLatin1Char('&')) : QString();
        modelInputs << tr("%1 %2").arg(label, value);
    }
    if (!modelInputs.isEmpty()) {
        lines << tr("Model inputs: %1").arg(modelInputs.join(QStringLiteral("; ")));
    }
    if (!m_modelProblems->text().isEmpty()) {
        lines << m_modelProblems->text();
    }
    lines << QString() << tr("Models (difference from the reference):");
    for (int r = 0; r < m_models->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m_models->columnCount(); ++c) {
            const QTableWidgetItem* item = m_models->item(r, c);
            cells << (item != nullptr ? item->text() : QString());
        }
        lines << QStringLiteral("  %1  %2  %3  %4").arg(cells[0], -10).arg(cells[1], 12).arg(cells[2], 7).arg(cells[3]);
    }
    lines << QString() << tr("Warnings:")
          << QStringLiteral("  ") + m_warnings->text().replace(QLatin1Char('\n'), QStringLiteral("\n  "));
    lines << QString()
          << tr("Target: %1").arg(m_target->text().trimmed().isEmpty() ? tr("none") : m_target->text().trimmed());
    lines << QStringLiteral("  ") + m_turnsFound->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\n  "));
    lines << QString() << tr("Tuning capacitor at %1:").arg(m_frequency->currentText().trimmed());
    lines << QStringLiteral("  ") + m_capacitance->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\n  "));
    if (!m_plot->classic().isEmpty()) {
        const QList<QPointF>& classic = m_plot->classic();
        lines << QString()
              << tr("Plot: inductance against turns from %1 to %2 turns, classic from %3 to %4")
                     .arg(Turns(classic.front().x()), Turns(classic.back().x()), Henries(classic.front().y()),
                          Henries(classic.back().y()));
        const QList<QPointF>& reference = m_plot->reference();
        if (!reference.isEmpty()) {
            lines.back() +=
                tr(", reference from %1 to %2").arg(Henries(reference.front().y()), Henries(reference.back().y()));
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
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
