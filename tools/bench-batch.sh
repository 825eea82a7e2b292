#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times loopcalc-cli batch on generated rows of mixed shapes.
#   tools/bench-batch.sh [ROWS] [BUILD_DIR]
# Configures BUILD_DIR (default build-cli, RelWithDebInfo) if needed, brings
# loopcalc-cli up to date there, writes ROWS rows (default 1000000) to
# BUILD_DIR/bench-rows.csv and runs the batch once with /usr/bin/time -v,
# the batch's output to /dev/null. Any failure stops it with a message.
set -eEuo pipefail
trap 'echo "bench-batch: stopped: \"$BASH_COMMAND\" failed (line $LINENO)" >&2' ERR

rows=${1:-1000000}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build-cli}
cli=$build/bin/loopcalc-cli
csv=$build/bench-rows.csv
[[ $rows =~ ^[0-9]+$ ]] || { echo "bench-batch: ROWS must be a whole number, not '$rows'" >&2; exit 64; }

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOOPCALC_GUI=OFF
fi
cmake --build "$build" --target loopcalc-cli -j2

# Eight row kinds in turn: six results spread over the four shapes, a
# refusal and an out-of-range result, so that every outcome is timed. The
# note column is carried through, quoted in one row kind.
awk -v rows="$rows" 'BEGIN {
    print "shape,radius,turns,wire-radius,width,height,outer-radius,inner-radius,trace,note"
    for (i = 0; i < rows; i++) {
        k = i % 8
        t = 2 + (i % 97)
        if (k == 0)      printf "circular,%d.5,%d,0.127,,,,,,row %d\n", 5 + i % 40, t, i
        else if (k == 1) printf "rectangular,,%d,0.2,%d,%d,,,,\n", t, 10 + i % 30, 5 + i % 20
        else if (k == 2) printf "spiral,,%d,,,,%d.5,7.25,,\n", 1 + i % 99, 8 + i % 10
        else if (k == 3) printf "flat-rectangular,,%d,,%d,10,,,0.%d,\n", t, 15 + i % 20, 1 + i % 9
        else if (k == 4) printf "circular,%d,%d.5,0.2,,,,,,\"quoted, note\"\n", 3 + i % 50, t
        else if (k == 5) printf "rectangular,,%d,0.127,21,10,,,,\n", t
        else if (k == 6) printf "spiral,,0,,,,8.5,7.25,,refused\n"
        else             printf "circular,200,100,0.1,,,,,,out of range\n"
    }
}' >"$csv"

echo "rows: $rows ($(du -h "$csv" | cut -f1) of CSV in $csv)"
/usr/bin/time -v "$cli" batch "$csv" >/dev/null 2>"$build/bench-time.txt" || {
    cat "$build/bench-time.txt" >&2
    echo "bench-batch: loopcalc-cli batch failed" >&2
    exit 1
}
seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' "$build/bench-time.txt")
user=$(awk -F': ' '/User time/ { print $2 }' "$build/bench-time.txt")
sys=$(awk -F': ' '/System time/ { print $2 }' "$build/bench-time.txt")
rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$build/bench-time.txt")
echo "wall: ${seconds} s, user: ${user} s, system: ${sys} s, peak RSS: ${rss} KiB"
# On a busy machine the wall clock includes time spent waiting for a core;
# the CPU figure is what one core of our own achieves.
awk -v r="$rows" -v s="$seconds" -v u="$user" -v y="$sys" 'BEGIN {
    if (s > 0) printf "rows per second (wall clock): %.0f\n", r / s
    if (u + y > 0) printf "rows per second (CPU time): %.0f\n", r / (u + y)
    if (s <= 0 || u + y <= 0) print "rows per second: not measurable, the run took less than 0.01 s: use more rows"
}'
