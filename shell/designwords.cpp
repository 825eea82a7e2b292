// SPDX-License-Identifier: MIT
#include "designwords.h"

#include "designaids.h"
#include "designstudy.h"
#include "mainwindowdesign.h"
#include "qttext.h"

#include <QLocale>
#include <QObject>

#include <algorithm>
#include <cmath>

namespace loopcalc::shell {

QString HenriesText(double henries)
{
    return QString::fromStdString(design::FormatHenries(henries));
}

QString TurnsText(double turns, int decimals)
{
    return QString::number(turns, 'f', std::abs(turns - std::round(turns)) < 1e-9 ? 0 : decimals);
}

QString TurnsWords(double turns, int decimals)
{
    const QString count = TurnsText(turns, decimals);
    return count == QStringLiteral("1") ? QObject::tr("%1 turn").arg(count) : QObject::tr("%1 turns").arg(count);
}

QString LabelOf(std::size_t page, std::string_view box)
{
    const auto pages = MainPages();
    if (page >= pages.size()) {
        return QtText(box);
    }
    const auto controls = pages[page].controls;
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

Reading ReadTypedQuantity(const QString& typed, std::span<const units::Unit> units, bool unitRequired,
                          const QString& what)
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

}  // namespace loopcalc::shell
