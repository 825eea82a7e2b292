// SPDX-License-Identifier: MIT
#include "codepage1252.h"

#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace loopcalc {
namespace {

struct Case {
    std::string utf8;
    std::string bytes;
};

TEST(CodePage1252, ConvertsCharactersAndReplacesTheRest)
{
    // clang-format off
    const Case cases[] = {
        {"", ""},
        {"Log Calculation", "Log Calculation"},
        {"Inductance =  5.78 \xC2\xB5H", "Inductance =  5.78 \xB5H"},
        {"\xC2\xA0", "\xA0"},
        {"\xC3\xA9t\xC3\xA9", "\xE9t\xE9"},
        {"\xC3\xBF", "\xFF"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        // Characters the code page keeps in 0x80..0x9F.
        {"\xE2\x82\xAC", "\x80"},
        {"\xE2\x80\xA6", "\x85"},
        {"\xC5\xA0", "\x8A"},
        {"\xE2\x80\x9C" "x" "\xE2\x80\x9D", "\x93x\x94"},
        {"\xE2\x80\x94", "\x97"},
        {"\xE2\x84\xA2", "\x99"},
        {"\xC5\xB8", "\x9F"},
        // Characters it cannot hold.
        {"\xC2\x80", "?"},        // U+0080, a control, not the euro sign
        {"\xC2\x81", "?"},        // 0x81 holds no character
        {"\xC2\x9F", "?"},
        {"\xCE\xBC" "H", "?H"},   // Greek mu is not the micro sign
        {"\xE4\xB8\xAD", "?"},
        {"\xEF\xBF\xBD", "?"},
        {"\xF0\x9F\x98\x80!", "?!"},
        // Ill-formed UTF-8: one "?" per broken piece, the next byte starts afresh.
        {"\x80", "?"},
        {"a\xBF" "b", "a?b"},
        {"\xC0\x80", "??"},             // overlong NUL
        {"\xE0\x80\x80", "???"},        // overlong
        {"\xED\xA0\x80", "???"},        // surrogate
        {"\xF4\x90\x80\x80", "????"},   // beyond U+10FFFF
        {"\xF5\x80", "??"},
        {"\xFF", "?"},
        {"\xC2", "?"},                  // cut off at the end
        {"\xE2\x82" "A", "?A"},
        {"\xF0\x9F\x98" "x", "?x"},
        {"\xC2\xC2\xB5", "?\xB5"},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(ToCodePage1252(c.utf8).toStdString(), c.bytes) << "input: " << ::testing::PrintToString(c.utf8);
        // It fits when nothing became "?" that was not one before.
        const bool lost = c.bytes.find('?') != std::string::npos && c.utf8.find('?') == std::string::npos;
        EXPECT_EQ(FitsCodePage1252(c.utf8), !lost) << "input: " << ::testing::PrintToString(c.utf8);
    }
    EXPECT_TRUE(FitsCodePage1252("what? 5.78 \xC2\xB5H?"));
    EXPECT_FALSE(FitsCodePage1252("what? \xCE\xBC?"));
}

TEST(CodePage1252, EveryCodePointFromA0ToFFIsItsOwnByte)
{
    for (char16_t c = 0xA0; c <= 0xFF; ++c) {
        const std::string utf8 = QString(QChar(c)).toStdString();
        const QByteArray bytes = ToCodePage1252(utf8);
        ASSERT_EQ(bytes.size(), 1) << int(c);
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), c);
    }
}

TEST(CodePage1252, TheHighControlBlockMatchesTheCodePageChart)
{
    // The chart of 0x80..0x9F; 0 where the byte holds no character.
    // clang-format off
    const char16_t chart[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    // clang-format on
    for (int byte = 0x80; byte <= 0x9F; ++byte) {
        const char16_t c = chart[byte - 0x80];
        if (c == 0)
            continue;
        const QByteArray bytes = ToCodePage1252(QString(QChar(c)).toStdString());
        ASSERT_EQ(bytes.size(), 1) << byte;
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), byte);
    }
}

TEST(CodePage1252, TheLogsDecimalSeparatorIsTheLocalesWhereverTheCodePageHoldsIt)
{
    const std::pair<const char*, const char*> cases[] = {
        {"en_US", "."}, {"de_DE", ","}, {"fr_FR", ","}, {"ar_EG", "."}, {"fa_IR", "."}, {"ar_SA", "."},
    };
    for (const auto& [name, separator] : cases)
        EXPECT_EQ(LogDecimalSeparator(QLocale(QString::fromLatin1(name))).toStdString(), separator) << name;
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const std::string own = locale.decimalPoint().toStdString();
        const std::string logged = LogDecimalSeparator(locale).toStdString();
        EXPECT_TRUE(logged == own || (logged == "." && !FitsCodePage1252(own))) << locale.name().toStdString();
        EXPECT_TRUE(FitsCodePage1252(logged)) << locale.name().toStdString();
    }
}

}  // namespace
}  // namespace loopcalc
