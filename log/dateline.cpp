// SPDX-License-Identifier: MIT
#include "dateline.h"

#include "codepage1252.h"

namespace loopcalc {

QString TimeFormatWithoutZone(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    kept.reserve(format.size());
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // A quoted literal goes through untouched, quotes included.
            const qsizetype end = format.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? format.size() : end + 1;
            kept += format.mid(i, stop - i);
            i = stop - 1;
        } else if (c != u't') {
            kept += c;
        }
    }
    // Some locales bracket the zone: "H:mm:ss (t)".
    kept.replace(QStringLiteral("()"), QString());
    return kept.simplified();
}

QString DateLineText(const QDateTime& now, const QLocale& locale)
{
    const QTime time = now.time();
    const bool midnight = time.hour() == 0 && time.minute() == 0 && time.second() == 0;
    QString text = locale.toString(now.date(), QLocale::ShortFormat);
    if (!midnight) {
        text += u' ' + locale.toString(time, TimeFormatWithoutZone(locale));
    }
    for (QChar& c : text) {
        if (c.isSpace()) {
            c = u' ';
        }
    }
    if (FitsCodePage1252(text.toStdString())) {
        return text;
    }
    return QLocale::c().toString(now, midnight ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace loopcalc
