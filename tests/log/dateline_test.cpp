// SPDX-License-Identifier: MIT
#include "dateline.h"

#include "codepage1252.h"

#include <gtest/gtest.h>

namespace loopcalc {
namespace {

struct DateCase {
    const char* locale;
    QTime time;
    const char* text;
};

TEST(DateLine, ShortDateAndTimeWithSecondsInTheUsersLocale)
{
    const QDate date(2026, 12, 7);
    const DateCase cases[] = {
        {"en_US", QTime(17, 45, 9), "12/7/26 5:45:09 PM"},
        {"en_US", QTime(9, 5, 0), "12/7/26 9:05:00 AM"},
        {"en_US", QTime(0, 0, 1), "12/7/26 12:00:01 AM"},
        {"en_US", QTime(0, 0, 0), "12/7/26"},
        {"en_US", QTime(0, 0, 0, 400), "12/7/26"},  // the line shows whole seconds
        {"de_DE", QTime(17, 45, 9), "07.12.26 17:45:09"},
        {"de_DE", QTime(0, 0, 0), "07.12.26"},
        {"de_DE", QTime(0, 1, 0), "07.12.26 00:01:00"},
        {"fr_FR", QTime(17, 45, 9), "07/12/2026 17:45:09"},
        // Digits the log's code page cannot hold: the ISO form instead.
        {"ar_EG", QTime(17, 45, 9), "2026-12-07 17:45:09"},
        {"ar_EG", QTime(0, 0, 0), "2026-12-07"},
        {"fa_IR", QTime(7, 5, 3), "2026-12-07 07:05:03"},
        {"hi_IN", QTime(7, 5, 3), "7/12/26 7:05:03 AM"},  // Latin digits: kept
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(DateLineText(QDateTime(date, c.time), QLocale(QString::fromLatin1(c.locale))).toStdString(), c.text)
            << c.locale << " " << c.time.toString(Qt::ISODateWithMs).toStdString();
    }
}

TEST(DateLine, TimeFormatLeavesTheZoneOut)
{
    const std::pair<const char*, const char*> cases[] = {
        {"en_US", "h:mm:ss AP"},
        {"de_DE", "HH:mm:ss"},
        {"zh_CN", "HH:mm:ss"},  // zone in front
        {"fa_IR", "H:mm:ss"},   // zone in brackets
    };
    for (const auto& [name, format] : cases)
        EXPECT_EQ(TimeFormatWithoutZone(QLocale(QString::fromLatin1(name))).toStdString(), format) << name;
}

TEST(DateLine, NoLocaleShowsAZoneOrLosesItsSeconds)
{
    const QDateTime now(QDate(2026, 12, 7), QTime(17, 45, 9));
    const QString zone = now.timeZoneAbbreviation();
    ASSERT_FALSE(zone.isEmpty());
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& locale : locales) {
        const QString format = TimeFormatWithoutZone(locale);
        const QString text = DateLineText(now, locale);
        EXPECT_FALSE(text.contains(zone)) << locale.name().toStdString() << ": " << text.toStdString();
        EXPECT_TRUE(format.contains(u's')) << locale.name().toStdString() << ": " << format.toStdString();
        // Every locale's line can be written: no character turns into "?".
        EXPECT_TRUE(FitsCodePage1252(text.toStdString())) << locale.name().toStdString() << ": " << text.toStdString();
    }
}

}  // namespace
}  // namespace loopcalc
