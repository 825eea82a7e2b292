#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmarks in build-bench (Release; BENCH_DIR names another
# folder) and runs every one of them, printing nanoseconds per call. Run it
# on a quiet machine; ./test runs it only briefly, to see that it works.
#   tools/bench.sh                      all benchmarks
#   tools/bench.sh --benchmark_filter=Press    arguments go to each benchmark
set -eEuo pipefail
trap 'echo "bench: stopped: \"$BASH_COMMAND\" failed (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
source tools/setup.sh

dir=${BENCH_DIR:-build-bench}
if [ -f "$dir/CMakeCache.txt" ]; then
    configure "$dir" -DLOOPCALC_BENCH=ON
else
    configure "$dir" -DCMAKE_BUILD_TYPE=Release -DLOOPCALC_BENCH=ON -DLOOPCALC_GUI=ON -DBUILD_TESTING=OFF
fi
cmake --build "$dir" --target help >"$dir/targets.txt"
mapfile -t targets < <(sed -n 's/^\(bench_[a-z0-9_]*\):.*/\1/p' "$dir/targets.txt" | sort)
[ "${#targets[@]}" -gt 0 ] || { echo "bench: no benchmarks found in $dir" >&2; exit 1; }
cmake --build "$dir" -j2 --target "${targets[@]}"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for target in "${targets[@]}"; do
    echo "== $target"
    "$dir/bin/$target" --benchmark_time_unit=ns --benchmark_counters_tabular=true "$@"
done
