// SPDX-License-Identifier: MIT
// The date and time that head each switch-on of the log.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace loopcalc {

/// The time format of the locale with hours, minutes and seconds but no time
/// zone: the locale's long time format with its zone fields (and brackets
/// left empty by them) taken out. "h:mm:ss AP" for English (United States),
/// "HH:mm:ss" for German (Germany).
[[nodiscard]] QString TimeFormatWithoutZone(const QLocale& locale);

/// The date and time as the header's second line shows them after its
/// leading blank: the locale's short date, a blank and the time with seconds
/// (TimeFormatWithoutZone); at exactly midnight (00:00:00) the date alone.
/// Blanks of any kind become plain blanks, since the log's code page has no
/// narrow or thin spaces. A locale whose date or time the code page cannot
/// hold (Arabic or Persian digits, for instance) gets the ISO form instead,
/// "2026-12-07 17:45:09", or "2026-12-07" at midnight.
[[nodiscard]] QString DateLineText(const QDateTime& now, const QLocale& locale);

}  // namespace loopcalc
