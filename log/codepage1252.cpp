// SPDX-License-Identifier: MIT
#include "codepage1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace loopcalc {

namespace {

// The characters of the bytes 0x80..0x9F; 0 where the code page holds none
// (0x81, 0x8D, 0x8F, 0x90, 0x9D).
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char ByteFor(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

bool IsContinuation(std::uint8_t b)
{
    return (b & 0xC0) == 0x80;
}

}  // namespace

QByteArray ToCodePage1252(std::string_view utf8)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(utf8.size()));
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        if (lead < 0x80) {
            out.append(static_cast<char>(lead));
            ++i;
            continue;
        }
        // Well-formed sequences after the Unicode table of UTF-8 byte
        // sequences: the second byte's range shuts out overlong forms,
        // surrogates and code points beyond U+10FFFF.
        int length = 0;
        std::uint8_t low = 0x80;
        std::uint8_t high = 0xBF;
        char32_t c = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0Fu;
            if (lead == 0xE0) {
                low = 0xA0;
            } else if (lead == 0xED) {
                high = 0x9F;
            }
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07u;
            if (lead == 0xF0) {
                low = 0x90;
            } else if (lead == 0xF4) {
                high = 0x8F;
            }
        } else {
            // A stray continuation byte or a byte that never starts a sequence.
            out.append('?');
            ++i;
            continue;
        }
        std::size_t next = i + 1;
        bool complete = true;
        for (int k = 1; k < length; ++k, ++next) {
            if (next >= utf8.size()) {
                complete = false;
                break;
            }
            const auto b = static_cast<std::uint8_t>(utf8[next]);
            const bool fits = k == 1 ? (b >= low && b <= high) : IsContinuation(b);
            if (!fits) {
                complete = false;
                break;
            }
            c = (c << 6) | (b & 0x3Fu);
        }
        // An ill-formed sequence gives one "?" for the bytes read so far; the
        // byte that broke it starts afresh.
        out.append(complete ? ByteFor(c) : '?');
        i = next;
    }
    return out;
}

bool FitsCodePage1252(std::string_view utf8)
{
    // Every character the code page lacks, and every ill-formed piece,
    // becomes one "?": more of them out than in means something was lost.
    const QByteArray bytes = ToCodePage1252(utf8);
    return std::count(bytes.begin(), bytes.end(), '?') == std::count(utf8.begin(), utf8.end(), '?');
}

QString LogDecimalSeparator(const QLocale& locale)
{
    QString separator = locale.decimalPoint();
    if (separator.isEmpty() || !FitsCodePage1252(separator.toStdString())) {
        return QStringLiteral(".");
    }
    return separator;
}

}  // namespace loopcalc
