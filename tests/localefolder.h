// SPDX-License-Identifier: MIT
// Locales that a test claims to run under, made real: a machine or a CI image
// often has none but C installed, and a test that sets LC_ALL=de_DE.UTF-8
// there runs in the C locale without a word. localedef (in the C library's
// own tools) compiles de_DE.UTF-8 (decimal comma) and ar_EG.UTF-8 (Arabic
// digits and separators) into a scratch folder, which LOCPATH points to.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace loopcalc::testing {

/// The folder holding de_DE.UTF-8 and ar_EG.UTF-8; empty where localedef is
/// missing or fails. Made once per user and kept, as the tests run in many
/// processes at once: each builds in a folder of its own and renames it into
/// place, so that none sees half a locale.
inline const std::string& LocaleFolder()
{
    static const std::string folder = [] {
        const char* temp = std::getenv("TMPDIR");
        const std::string base(temp != nullptr && *temp != '\0' ? temp : "/tmp");
        const std::string kept = base + "/loopcalc-locales-" + std::to_string(::getuid());
        if (::access((kept + "/ar_EG.UTF-8/LC_NUMERIC").c_str(), R_OK) == 0) {
            return kept;
        }
        std::string path = kept + "-XXXXXX";
        if (::mkdtemp(path.data()) == nullptr) {
            return std::string();
        }
        for (const char* name : {"de_DE", "ar_EG"}) {
            std::string command = "localedef -i ";
            command.append(name).append(" -f UTF-8 '").append(path).append("/").append(name);
            command.append(".UTF-8' >/dev/null 2>&1");
            if (std::system(command.c_str()) != 0) {
                return std::string();
            }
        }
        if (std::rename(path.c_str(), kept.c_str()) != 0) {
            // Another process was first: its folder is as good.
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        return ::access((kept + "/ar_EG.UTF-8/LC_NUMERIC").c_str(), R_OK) == 0 ? kept : std::string();
    }();
    return folder;
}

/// "LOCPATH='folder' LC_ALL=locale " for a shell command line, or "" where
/// the locales could not be made.
inline std::string LocaleAssignments(const char* locale)
{
    if (LocaleFolder().empty()) {
        return {};
    }
    return std::string("LOCPATH='").append(LocaleFolder()).append("' LC_ALL=").append(locale).append(" ");
}

/// Why a test that needs the locales is skipped.
inline constexpr const char* kNoLocales = "localedef could not make de_DE.UTF-8 and ar_EG.UTF-8 here";

}  // namespace loopcalc::testing
