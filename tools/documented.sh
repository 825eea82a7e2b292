#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the commands that the README and docs/ name, each in a form that
# finishes in seconds, and fails when one fails or prints nothing of what it
# should. The loopcalc-cli examples are checked by the test docs.examples;
# ./test, tools/tidy.sh, tools/sanitize.sh and tools/fuzz.sh are ./test's
# own steps.
#   tools/documented.sh [BUILD_DIR]   a Release folder with the benchmarks, as
#                                     tools/package.sh leaves it (default
#                                     build-release; ./test gives build)
set -eEuo pipefail
trap 'echo "documented: stopped: \"$BASH_COMMAND\" failed (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."

dir=${1:-build-release}
# The windows (the start-up bench's, ./run's) run on an X server, as a user's
# do, not on the offscreen platform ./test sets for its tests.
unset QT_QPA_PLATFORM
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# run PATTERN COMMAND...: runs the command, its output shown, and expects
# PATTERN (an extended regular expression) in that output.
run() {
    local pattern=$1
    shift
    echo "-- $*"
    "$@" 2>&1 | tee "$out"
    grep -qE "$pattern" "$out" || { echo "documented: '$*' printed no line matching '$pattern'" >&2; exit 1; }
}

run '^rows per second' tools/bench-batch.sh 2000 "$dir"
run '^\| flat rectangular \(printed NFC antenna\) \|' tools/accuracy.sh "$dir"
run '^ratio +[0-9.]+ x' tools/bench-startup.sh "$dir" 1
run '^Press/flat_rectangular_logged +[0-9]' \
    env BENCH_DIR="$dir" tools/bench.sh --benchmark_filter=Press --benchmark_min_time=0.001
# Without a display ./run photographs the windows on a virtual X server and
# lists the pictures, each of which must be there.
run '\.png$' env -u DISPLAY -u WAYLAND_DISPLAY ./run
while read -r picture; do
    [ -s "$picture" ] || { echo "documented: ./run names $picture, which is missing or empty" >&2; exit 1; }
done < <(grep -E '^ +/.*\.png$' "$out")
echo "documented: the commands ran"
