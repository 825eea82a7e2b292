// SPDX-License-Identifier: MIT
// The core and the window designs hold their texts as UTF-8 string views.
#pragma once

#include <QString>

#include <string_view>

namespace loopcalc::shell {

/// A UTF-8 text of the core or of a window's design as a QString.
[[nodiscard]] inline QString QtText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace loopcalc::shell
