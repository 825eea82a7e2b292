// SPDX-License-Identifier: MIT
// The design window's controls: the coil and its refusal, the models' own
// inputs, the table of models, validity, turns for a target, the tuning
// capacitor, the plot and the copy button.
#include "designwindow.h"

#include "quantities.h"
#include "turnsplot.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace loopcalc::shell {

namespace {

QLabel* BuddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

/// A word-wrapped label for problems, in dark red; hidden until it has some.
QLabel* ProblemLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, QColor(176, 0, 0));
    label->setPalette(red);
    label->hide();
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

/// Keeps a column no shorter than its word-wrapped texts need at its
/// present width. A layout's smallest size counts such a text at one
/// line, so the window's smallest size would squeeze the boxes below it.
class WrappedTextFloor : public QObject {
public:
    explicit WrappedTextFloor(QWidget* column)
        : QObject(column)
    {
        column->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* column = static_cast<QWidget*>(watched);
        if ((event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest) &&
            column->layout() != nullptr && column->layout()->hasHeightForWidth()) {
            const int needed = column->layout()->totalMinimumHeightForWidth(column->width());
            if (needed != column->minimumHeight()) {
                column->setMinimumHeight(needed);
            }
        }
        return false;
    }
};

QString UnitsTip(const QString& what, std::span<const units::Unit> units)
{
    return what.arg(QString::fromStdString(units::UnitList(units)));
}

}  // namespace

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
    m_refusal = ProblemLabel(QStringLiteral("lblRefusal"));
    root->addWidget(m_refusal);

    buildModelInputs(root);
    buildModelTable(root);

    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);
    auto* leftColumn = new QWidget;
    leftColumn->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    leftColumn->setMaximumWidth(fontMetrics().averageCharWidth() * 64);
    auto* left = new QVBoxLayout(leftColumn);
    new WrappedTextFloor(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    body->addWidget(leftColumn, 0);
    buildAids(left);

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

QLineEdit* DesignWindow::makeLengthBox(const char* name, const QString& accessible)
{
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessible);
    box->setToolTip(UnitsTip(tr("Millimetres, or a length with its unit: %1"), units::LengthUnits()));
    box->setClearButtonEnabled(true);
    box->setMinimumWidth(fontMetrics().averageCharWidth() * 18);
    connect(box, &QLineEdit::textChanged, this, &DesignWindow::scheduleRefresh);
    return box;
}

void DesignWindow::buildModelInputs(QVBoxLayout* root)
{
    // The models' own inputs; only those of the current page show.
    auto* modelBox = new QGroupBox(tr("Model inputs"));
    modelBox->setObjectName(QStringLiteral("fraModelInputs"));
    auto* modelLayout = new QVBoxLayout(modelBox);
    auto* inputRow = new QHBoxLayout;
    modelLayout->addLayout(inputRow);
    m_gap = makeLengthBox("txtGap", tr("Gap between turns"));
    m_thickness = makeLengthBox("txtThickness", tr("Copper thickness"));
    m_thickness->setPlaceholderText(tr("0.035 mm"));
    m_spiralWire = makeLengthBox("txtSpiralWire", tr("Wire radius of the spiral"));
    m_spiralTrace = makeLengthBox("txtSpiralTrace", tr("Trace width of the spiral"));
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
    m_modelProblems = ProblemLabel(QStringLiteral("lblModelInputs"));
    modelLayout->addWidget(m_modelProblems);
    root->addWidget(modelBox);
}

void DesignWindow::buildModelTable(QVBoxLayout* root)
{
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
}

void DesignWindow::buildAids(QVBoxLayout* left)
{
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
    m_target->setToolTip(UnitsTip(tr("An inductance with its unit: %1"), units::InductanceUnits()));
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
    m_frequency->setToolTip(UnitsTip(tr("A frequency with its unit: %1"), units::FrequencyUnits()));
    connect(m_frequency, &QComboBox::currentTextChanged, this, &DesignWindow::scheduleRefresh);
    tuningLayout->addRow(BuddyLabel(tr("&Frequency:"), m_frequency), m_frequency);
    m_capacitance = ReadOnlyText(QStringLiteral("txtCapacitance"), tr("Tuning capacitance"), 2);
    tuningLayout->addRow(m_capacitance);
    left->addWidget(tuningBox);
}

}  // namespace loopcalc::shell
