#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds every libFuzzer target (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz and runs each one briefly on a
# scratch copy of its seed corpus; the corpus in the repository is never
# written. Fails when a target finds a crash or a broken property.
#   tools/fuzz.sh              every target, FUZZ_SECONDS (10) each, FUZZ_JOBS
#                              (the number of cores) at a time
#   tools/fuzz.sh handlers     only fuzz_handlers
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-10}
dir=build-fuzz
source tools/configure.sh
source tools/unchanged.sh
# Each library compiles as one unit (a unity build), as in the sanitizer
# build: from scratch, 39 processor seconds instead of 72 (20 s on the clock
# instead of 37).
settings=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOOPCALC_FUZZ=ON -DLOOPCALC_GUI=OFF -DBUILD_TESTING=OFF
    -DLOOPCALC_WERROR=ON -DLOOPCALC_LLD=ON -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=0)
# The compiler is chosen once: the cache holds its full path.
if [ -f "$dir/CMakeCache.txt" ]; then
    configure "$dir" "${settings[@]}"
else
    configure "$dir" -DCMAKE_CXX_COMPILER=clang++ "${settings[@]}"
fi
# Only the fuzz targets (and what they link): other folders may be mid-edit.
mapfile -t targets < <(cmake --build "$dir" --target help | sed -n 's/^\(fuzz_[a-z0-9_]*\):.*/\1/p' | sort)
if [ "$#" -gt 0 ]; then
    targets=("${@/#/fuzz_}")
fi
[ "${#targets[@]}" -gt 0 ] || { echo "no fuzz targets found" >&2; exit 1; }
cmake --build "$dir" -j2 --target "${targets[@]}"
record=fuzzing-$(IFS=-; echo "${targets[*]}")-${seconds}s
if unchanged "$record" "${targets[@]/#/$dir/bin/}"; then
    echo "fuzzing: sources and targets as at their last clean run; not run again (CHECK_ALWAYS=1 forces it)"
    exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# fuzz_one TARGET: runs the target for its seconds on a scratch copy of its
# corpus and prints what it found; fails when it found a fault.
fuzz_one() {
    local target=$1 corpus=$scratch/$1 artifact
    mkdir -p "$corpus"
    if [ -d "fuzz/corpus/$target" ]; then
        cp -r "fuzz/corpus/$target/." "$corpus/"
    fi
    echo "== $target (${seconds}s)"
    # Crash files go to the scratch folder too; a failure prints the input.
    if ! "$dir/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=0 \
        -artifact_prefix="$scratch/$target-" "$corpus" >"$scratch/$target.log" 2>&1; then
        tail -n 40 "$scratch/$target.log"
        for artifact in "$scratch/$target"-*; do
            [ -e "$artifact" ] || continue
            mkdir -p "$dir/artifacts"
            cp "$artifact" "$dir/artifacts/"
            echo "input kept in $dir/artifacts/$(basename "$artifact"):"
            od -An -c "$artifact" | head -n 8
        done
        return 1
    fi
    grep -E '^#[0-9]+.*DONE' "$scratch/$target.log" | tail -n 1 || true
}

# A fuzzer runs in one process on one core: FUZZ_JOBS of them (the number of
# cores) run at once, each for its full time. Their reports are printed in
# the targets' order.
at_once=${FUZZ_JOBS:-$(nproc)}
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$at_once" ]; do
        wait -n || true
    done
    (fuzz_one "$target" >"$scratch/$target.report" 2>&1 && touch "$scratch/$target.passed") &
done
wait
failed=()
for target in "${targets[@]}"; do
    cat "$scratch/$target.report"
    [ -e "$scratch/$target.passed" ] || failed+=("$target")
done
if [ "${#failed[@]}" -gt 0 ]; then
    echo "fuzzing failed: ${failed[*]}" >&2
    exit 1
fi
passed "$record"
echo "fuzzing passed: ${targets[*]}"
