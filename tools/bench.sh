#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmarks in build-bench (Release) and runs every one of them,
# printing nanoseconds per call. Not part of ./test; run it on a quiet machine.
#   tools/bench.sh                      all benchmarks
#   tools/bench.sh --benchmark_filter=Press    arguments go to each benchmark
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
PACKAGES=(libbenchmark-dev)
install_missing

dir=build-bench
if [ ! -f "$dir/CMakeCache.txt" ]; then
    # -O2 rather than CMake's -O3: GCC 12 at -O3 raises a false -Wrestrict
    # inside std::string, which -Werror turns into a failed build.
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DLOOPCALC_BENCH=ON -DLOOPCALC_GUI=ON -DBUILD_TESTING=OFF >/dev/null
fi
mapfile -t targets < <(cmake --build "$dir" --target help | sed -n 's/^\(bench_[a-z0-9_]*\):.*/\1/p' | sort)
[ "${#targets[@]}" -gt 0 ] || { echo "no benchmarks found" >&2; exit 1; }
cmake --build "$dir" -j2 --target "${targets[@]}"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for target in "${targets[@]}"; do
    echo "== $target"
    "$dir/bin/$target" --benchmark_time_unit=ns --benchmark_counters_tabular=true "$@"
done
