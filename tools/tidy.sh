#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Static analysis of the project's own sources: clang-tidy with the checked-in
# .clang-tidy (every warning an error), and clang-format --dry-run with the
# checked-in .clang-format over those sources and the tests and fuzzers too
# (tables that formatting would wreck sit between clang-format off/on). Uses
# the compile commands of the normal build (build/, or TIDY_BUILD_DIR), which
# must be configured and built first, so that generated headers exist. Fails
# on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${TIDY_BUILD_DIR:-build}
jobs=${TIDY_JOBS:-2}
dirs=(calc cli log shell app)
format_dirs=("${dirs[@]}" tests fuzz)
if [ ! -f "$build/compile_commands.json" ]; then
    echo "tidy: $build/compile_commands.json is missing: configure and build $build first" >&2
    exit 1
fi

source tools/unchanged.sh
if unchanged "tidy-$(basename "$build")" "$build/compile_commands.json"; then
    echo "tidy: sources as at the last clean run; not run again (CHECK_ALWAYS=1 forces it)"
    exit 0
fi

existing=()
for d in "${dirs[@]}"; do
    [ -d "$d" ] && existing+=("$d")
done
mapfile -t sources < <(find "${existing[@]}" -name '*.cpp' | sort)
[ "${#sources[@]}" -gt 0 ] || { echo "tidy: no sources found" >&2; exit 1; }
mapfile -t formatted < <(find "${format_dirs[@]}" \( -name '*.cpp' -o -name '*.h' \) | sort)

status=0
echo "clang-format: ${#formatted[@]} sources and headers"
if ! clang-format-14 --dry-run -Werror "${formatted[@]}"; then
    echo "tidy: clang-format found badly formatted code (fix with clang-format-14 -i <file>)" >&2
    status=1
fi

echo "clang-tidy: ${#sources[@]} sources, $jobs at a time"
log=$(mktemp)
commands=$(mktemp -d)
trap 'rm -rf "$log" "$commands"' EXIT
# Each source is checked as it is written, without the build's precompiled
# headers (GCC's, which clang cannot read).
sed -E 's# -Winvalid-pch##g; s# -include [^ ]*/cmake_pch\.hxx##g' "$build/compile_commands.json" \
    >"$commands/compile_commands.json"
if ! printf '%s\n' "${sources[@]}" | xargs -P "$jobs" -n 1 clang-tidy-14 -p "$commands" --quiet >"$log" 2>&1; then
    status=1
fi
# Everything but the counts of suppressed warnings (in Qt's and the standard
# library's headers) is a finding.
if grep -vE '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' "$log"; then
    status=1
fi
if [ "$status" -ne 0 ]; then
    echo "tidy: findings above" >&2
else
    echo "tidy: clean"
    passed "tidy-$(basename "$build")"
fi
exit "$status"
