#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sourced by the slow checks (static analysis, sanitizers, fuzzing) so that a
# run of ./test with nothing changed does not repeat them:
#   unchanged NAME [FILE...]   true when the sources, the given files (the
#                              programs a check runs) and the check's
#                              settings are those of its last clean pass
#   passed NAME                records that pass, after the check succeeded
# The record lives in .check-stamps/NAME in the checkout (ignored by git). A
# fresh clone has none, so every check runs there; CHECK_ALWAYS=1 runs every
# check whatever the records say.

stamp_dir=.check-stamps

# Every file of the checkout but build folders and git's own, the given
# files, the tools' versions and the sanitizer and fuzzing settings.
fingerprint() {
    {
        find . \( -path ./.git -o -path './build*' -o -path "./$stamp_dir" \) -prune -o -type f -print0 |
            sort -z | xargs -0 sha1sum
        if [ "$#" -gt 0 ]; then
            sha1sum "$@"
        fi
        env | grep -E '^(ASAN|UBSAN|LSAN|FUZZ|QT)_' | sort || true
        for tool in c++ clang++ clang-tidy-14 clang-format-14; do
            if command -v "$tool" >/dev/null; then
                "$tool" --version | sed -n 1p
            fi
        done
        dpkg-query -W -f='${Package} ${Version}\n' qt6-base-dev 2>/dev/null || true
    } | sha1sum | cut -d' ' -f1
}

unchanged() {
    local name=$1
    shift
    check_fingerprint=$(fingerprint "$@")
    [ -z "${CHECK_ALWAYS:-}" ] && [ -f "$stamp_dir/$name" ] && [ "$(cat "$stamp_dir/$name")" = "$check_fingerprint" ]
}

passed() {
    mkdir -p "$stamp_dir"
    echo "${check_fingerprint:?fingerprint taken by unchanged first}" >"$stamp_dir/$1"
}
