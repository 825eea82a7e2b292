// SPDX-License-Identifier: MIT
// Text for the log file: UTF-8 in, single bytes of code page 1252 out.
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <string_view>

namespace loopcalc {

/// Converts UTF-8 text to code page 1252, one byte per character.
/// ASCII and U+00A0..U+00FF keep their values (the micro sign U+00B5 is the
/// byte 0xB5); the 27 characters that the code page keeps at 0x80..0x9F
/// (euro sign, typographic quotes, dashes, ...) get those bytes. Every other
/// character, and every ill-formed UTF-8 sequence (stray continuation byte,
/// truncated, overlong or surrogate encoding, beyond U+10FFFF), becomes one "?".
[[nodiscard]] QByteArray ToCodePage1252(std::string_view utf8);

/// True when ToCodePage1252 keeps every character of the text: it is
/// well-formed UTF-8 and the code page holds each of its characters.
[[nodiscard]] bool FitsCodePage1252(std::string_view utf8);

/// The decimal separator that the log's numbers carry: the locale's own when
/// the code page holds it ("," or "."), else "." (the Arabic decimal
/// separator, for instance, would become "?").
[[nodiscard]] QString LogDecimalSeparator(const QLocale& locale);

}  // namespace loopcalc
