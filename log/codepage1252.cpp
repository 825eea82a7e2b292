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

/// The first byte of a multi-byte sequence: how many bytes the sequence
/// has, the bits of the code point it holds, and the range of the second
/// byte. Well-formed sequences after the Unicode table of UTF-8 byte
/// sequences: the second byte's range shuts out overlong forms, surrogates
/// and code points beyond U+10FFFF.
struct Lead {
    int length = 0;  ///< 0: the byte never starts a sequence
    char32_t bits = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
};

Lead LeadOf(std::uint8_t lead)
{
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, lead & 0x1Fu, 0x80, 0xBF};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return {3, lead & 0x0Fu, static_cast<std::uint8_t>(lead == 0xE0 ? 0xA0 : 0x80),
                static_cast<std::uint8_t>(lead == 0xED ? 0x9F : 0xBF)};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return {4, lead & 0x07u, static_cast<std::uint8_t>(lead == 0xF0 ? 0x90 : 0x80),
                static_cast<std::uint8_t>(lead == 0xF4 ? 0x8F : 0xBF)};
    }
    return {};
}

}  // namespace

QByteArray ToCodePage1252(std::string_view utf8)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(utf8.size()));
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto byte = static_cast<std::uint8_t>(utf8[i]);
        if (byte < 0x80) {
            out.append(static_cast<char>(byte));
            ++i;
            continue;
        }
        const Lead lead = LeadOf(byte);
        if (lead.length == 0) {
            // A stray continuation byte or a byte that never starts a sequence.
            out.append('?');
            ++i;
            continue;
        }
        char32_t c = lead.bits;
        std::size_t next = i + 1;
        bool complete = true;
        for (int k = 1; k < lead.length; ++k, ++next) {
            if (next >= utf8.size()) {
                complete = false;
                break;
            }
            const auto b = static_cast<std::uint8_t>(utf8[next]);
            const bool fits = k == 1 ? (b >= lead.low && b <= lead.high) : IsContinuation(b);
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
