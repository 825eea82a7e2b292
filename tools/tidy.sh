#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Static analysis of the project's own sources: clang-tidy with the checked-in
# .clang-tidy (every warning an error), and clang-format --dry-run with the
# checked-in .clang-format over those sources and the tests and fuzzers too
# (tables that formatting would wreck sit between clang-format off/on). Uses
# the compile commands of the normal build (build/, or TIDY_BUILD_DIR), which
# must be configured and built first, so that generated headers exist. Fails
# on any finding. Takes TIDY_JOBS (2) clang-tidy processes at a time.
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

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/single" "$work/units" "$work/alone" "$work/logs"
# Each source is checked as it is written, without the build's precompiled
# headers (GCC's, which clang cannot read).
sed -E 's# -Winvalid-pch##g; s# -include [^ ]*/cmake_pch\.hxx##g' "$build/compile_commands.json" \
    >"$work/single/compile_commands.json"

# clang-tidy checks the sources several to a translation unit, a generated
# file that #includes them (tools/tidy-units.awk puts together the sources
# the build compiles with the same command). Profiled, about 80 % of its
# time went to matching the checks against the Qt and standard library
# headers each source includes; a unit pays for that once instead of once
# per source. A fresh clone's static analysis took 100 processor seconds
# instead of 249 (51 s on the clock instead of 126), the sources compiled on
# their own below included. With every check clang-tidy has turned on, both
# ways found the same 6 138 findings in this tree but for 69 of one check
# that looks at the main file only (llvmlibc-implementation-in-namespace,
# not one of ours) and one in the generated file (llvm-include-order); and
# faults planted in a source amid a unit, in an unnamed namespace, in a
# source of calc/models and in a header failed both ways alike.
# Sources that cannot share a unit because each defines the same name at
# file scope, one set a line: the calculators' enums of their page's boxes,
# the picture files' stream headers.
printf '%s\n' \
    "calc/circularcoil.cpp calc/flatrectcoil.cpp calc/rectwirecoil.cpp calc/spiralcoil.cpp" \
    "shell/bakedpictures.cpp shell/startstyle.cpp" >"$work/apart"
printf '%s\n' "${sources[@]}" >"$work/sources"
awk -v root="$PWD/" -v out="$work/units" -f tools/compile-commands.awk -f tools/tidy-units.awk \
    "$work/apart" "$work/sources" "$work/single/compile_commands.json" | sort -rn >"$work/units/list"
# Findings in the included sources count as in a main file: the header
# filter also admits the project's sources.
header_filter=$(sed -n "s/^HeaderFilterRegex: '\(.*\)'$/\1/p" .clang-tidy)
root_pattern=$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$PWD")
header_filter="$header_filter|^$root_pattern/($(IFS='|'; echo "${dirs[*]}"))/.*\.cpp\$"
# In a unit a source may use a header that an earlier source included; so
# each source that the build compiles with a precompiled header (which hides
# a missing #include there too) is compiled once more on its own, without
# it, by the build's compiler with the build's flags (about 2.5 s each),
# unless the build compiles it without one elsewhere too.
awk -v root="$PWD/" -v out="$work/alone" -f tools/compile-commands.awk -f tools/tidy-alone.awk \
    "$work/sources" "$build/compile_commands.json" "$build/compile_commands.json" >"$work/alone/list"

# check KIND NAME: one job, its output in logs/.
#   unit NAME      clang-tidy over the unit NAME
#   single SOURCE  clang-tidy over SOURCE on its own
#   alone N        the compile command alone/N
check() {
    case $1 in
    unit)
        clang-tidy-14 -p "$work/units" --config-file=.clang-tidy --header-filter="$header_filter" --quiet \
            "$work/units/$2.cpp" >"$work/logs/unit-$2" 2>&1 || true
        ;;
    single) clang-tidy-14 -p "$work/single" --quiet "$2" >"$work/logs/single-${2//\//-}" 2>&1 || true ;;
    alone) bash "$work/alone/$2" >"$work/logs/alone-$2" 2>&1 || echo "tidy: $(cat "$work/alone/$2") failed" >>"$work/logs/alone-$2" ;;
    esac
}
export -f check
export work header_filter

echo "clang-tidy: ${#sources[@]} sources in $(wc -l <"$work/units/list") units, $jobs at a time;" \
    "$(wc -l <"$work/alone/list") sources compiled on their own"
{
    awk '{ print "unit " $2 }' "$work/units/list"
    sed 's/^/alone /' "$work/alone/list"
} | xargs -P "$jobs" -L 1 bash -c 'check "$@"' _
# A unit that does not compile (two of its sources define the same name,
# say) is checked again source by source, and only that way counts; so is a
# source the build does not compile.
mapfile -t singles < <(cut -d' ' -f3- "$work/units/list" | tr ' ' '\n' | sort -u | comm -13 - "$work/sources")
if [ "${#singles[@]}" -gt 0 ]; then
    echo "tidy: not in the build's compile commands, checked one by one: ${singles[*]}"
fi
while read -r _ unit unit_sources; do
    if grep -q '\[clang-diagnostic-error\]' "$work/logs/unit-$unit"; then
        echo "tidy: $unit does not compile as one unit; checking its sources one by one:$unit_sources"
        rm "$work/logs/unit-$unit"
        read -ra more <<<"$unit_sources"
        singles+=("${more[@]}")
    fi
done <"$work/units/list"
if [ "${#singles[@]}" -gt 0 ]; then
    printf 'single %s\n' "${singles[@]}" | xargs -P "$jobs" -L 1 bash -c 'check "$@"' _
fi
# Everything but the counts of suppressed warnings (in Qt's and the standard
# library's headers) is a finding.
if cat "$work"/logs/* | grep -vE '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$'; then
    status=1
fi
if [ "$status" -ne 0 ]; then
    echo "tidy: findings above" >&2
else
    echo "tidy: clean"
    passed "tidy-$(basename "$build")"
fi
exit "$status"
