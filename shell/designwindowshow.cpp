// SPDX-License-Identifier: MIT
// What the design window shows of a study: the coil in words, a refusal,
// the models, warnings, turns, capacitors and the plot; and the summary that
// cmdCopy puts on the clipboard.
#include "designwindow.h"

#include "designaids.h"
#include "designwords.h"
#include "numberreading.h"
#include "qttext.h"
#include "tabrows.h"
#include "turnsplot.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace loopcalc::shell {

namespace {

/// One row of the table of models.
struct ModelRow {
    QString name;
    QString inductance;
    QString difference;
    QString note;
};

/// The classic formula's row: its result exactly as Calculate shows it, or
/// why there is none.
ModelRow ClassicRow(const design::Study& result)
{
    ModelRow classic{DesignWindow::tr("classic"), {}, {}, {}};
    switch (result.classic.kind) {
    case Outcome::Kind::Result:
        classic.inductance = QtText(result.classic.text);
        classic.note = DesignWindow::tr("as Calculate shows it");
        break;
    case Outcome::Kind::OutOfRange:
        classic.inductance = DesignWindow::tr("out of range");
        classic.note = QtText(result.classic.text);
        break;
    case Outcome::Kind::Refused:
        classic.inductance = DesignWindow::tr("refused");
        classic.note = QtText(result.classic.text);
        break;
    }
    if (result.classic.kind != Outcome::Kind::Refused) {
        if (const auto percent = design::PercentFromReference(result.classic.henries, result.reference)) {
            classic.difference = QString::fromStdString(design::FormatPercent(*percent));
        }
    }
    return classic;
}

}  // namespace

QString DesignWindow::describePage(const design::StudyRequest& request) const
{
    const std::size_t page = currentPage();
    QStringList inputs;
    for (std::size_t i = 0; i < request.shape->fields.size(); ++i) {
        inputs << tr("%1 %2").arg(LabelOf(page, request.shape->fields[i].box), QtText(request.texts[i]).trimmed());
    }
    const QString caption =
        m_tabs != nullptr ? m_tabs->caption(static_cast<int>(page)).trimmed() : QtText(request.shape->name);
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
    const std::size_t page = currentPage();
    QString typed;
    const ShapeField* refused = nullptr;
    for (std::size_t i = 0; i < request.shape->fields.size(); ++i) {
        if (request.shape->fields[i].box == result.refusedBox) {
            typed = QtText(request.texts[i]).trimmed();
            refused = &request.shape->fields[i];
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
    // A turns check that refuses below one turn says "> 0"; say what it takes.
    if (refused != nullptr && refused->kind == FieldKind::Turns && refused->lowest == 1.0 && value > 0.0 &&
        value < 1.0) {
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

    showDefaults(request);
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

void DesignWindow::showDefaults(const design::StudyRequest& request)
{
    // Defaults that follow the page: the gap is the trace, the spiral's wire
    // radius half its pitch.
    const auto text = [&request](std::string_view option) {
        const auto fields = request.shape->fields;
        for (std::size_t i = 0; i < fields.size() && i < request.texts.size(); ++i) {
            if (fields[i].option == option) {
                return request.texts[i];
            }
        }
        return std::string();
    };
    const auto number = [&](std::string_view option) { return ReadNumber(text(option), request.decimalSeparator); };
    if (pageTakes("gap")) {
        m_gap->setPlaceholderText(tr("%1 mm (the trace)").arg(QtText(text("trace")).trimmed()));
    }
    if (pageTakes("wire-radius")) {
        const double outer = number("outer-radius");
        const double inner = number("inner-radius");
        const double turns = number("turns");
        m_spiralWire->setPlaceholderText(
            turns > 0.0 && outer > inner
                ? tr("%1 mm (half the pitch)")
                      .arg(QString::fromStdString(design::ThreeDigits((outer - inner) / (2.0 * turns))))
                : tr("half the pitch"));
    }
}

void DesignWindow::showModels(const design::Study& result)
{
    QList<ModelRow> rows{ClassicRow(result)};
    for (std::size_t i = 0; i < result.models.size(); ++i) {
        const design::ModelLine& line = result.models[i];
        ModelRow row{QtText(line.name), QStringLiteral("—"), {}, QtText(line.henries ? line.note : line.reason)};
        // A closed form taken beyond its geometry may give 0 or less: no
        // value, and no difference worked out from it.
        if (line.henries && !(*line.henries > 0.0)) {
            row.inductance = tr("no value");
            row.note = tr("does not apply here: it gives no inductance above 0");
        } else if (line.henries) {
            row.inductance = HenriesText(*line.henries);
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
        const ModelRow& row = rows[r];
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
            whole << tr("%1: %2").arg(TurnsWords(w.turns), shown);
        }
        lines << tr("classic: %1 (%2)").arg(TurnsWords(classic.turns), whole.join(QStringLiteral("; ")));
    }
    if (result.referenceTurns) {
        const design::ReferenceTurns& reference = *result.referenceTurns;
        if (!reference.turns) {
            lines << tr("reference: %1").arg(QtText(reference.message));
        } else {
            QStringList whole{tr("%1: %2").arg(TurnsWords(reference.below), HenriesText(reference.belowHenries))};
            if (reference.above != reference.below) {
                whole << tr("%1: %2").arg(TurnsWords(reference.above), HenriesText(reference.aboveHenries));
            }
            lines << tr("reference: %1 (%2)").arg(TurnsWords(*reference.turns), whole.join(QStringLiteral("; ")));
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

QStringList DesignWindow::modelInputsInWords() const
{
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
    return modelInputs;
}

QString DesignWindow::summary() const
{
    QStringList lines;
    lines << tr("Design assistant") << m_coil->text();
    if (m_refusal->isVisible() || !m_refusal->text().isEmpty()) {
        lines << m_refusal->text();
    }
    const QStringList modelInputs = modelInputsInWords();
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
                     .arg(TurnsText(classic.front().x()), TurnsText(classic.back().x()),
                          HenriesText(classic.front().y()), HenriesText(classic.back().y()));
        const QList<QPointF>& reference = m_plot->reference();
        if (!reference.isEmpty()) {
            lines.back() += tr(", reference from %1 to %2")
                                .arg(HenriesText(reference.front().y()), HenriesText(reference.back().y()));
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace loopcalc::shell
