#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time and peak memory of the main window beside a bare Qt window.
#
#   tools/bench-startup.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR (default: build-bench) is configured here as a Release build with
# -DLOOPCALC_BENCH=ON when it is missing or lacks that option, and the
# probes are brought up to date. The first two run RUNS times (20),
# alternately, on a virtual X server when no display is set; each run prints
# the milliseconds from just before its start to the end of its first paint,
# and /usr/bin/time gives its peak resident memory. Then each probe runs once
# under callgrind, which counts the instructions from the process's first one
# to the end of its first paint: a figure that does not depend on how busy
# the machine is. So does a third probe, the bare window painting only the
# start page's text in the page's fonts: what the text alone costs, a floor
# that no way of building the widgets goes below. valgrind is installed
# here when missing (it is needed by this tool only). Any failure stops it
# with a message.
set -eEuo pipefail
trap 'echo "bench-startup: stopped: \"$BASH_COMMAND\" failed (line $LINENO)" >&2' ERR
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/configure.sh

dir=${1:-build-bench}
runs=${2:-20}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "bench-startup: RUNS must be a whole number above 0, not '$runs'" >&2; exit 64; }

if [ -z "${LOOPCALC_BENCH_INNER:-}" ]; then
    if ! command -v valgrind >/dev/null; then
        echo "bench-startup: installing valgrind for the instruction count"
        as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
        if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q valgrind; then
            as_root apt-get update -q
            as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q valgrind
        fi
    fi
    if [ -f "$dir/CMakeCache.txt" ]; then
        configure "$dir" -DLOOPCALC_BENCH=ON
    else
        configure "$dir" -DCMAKE_BUILD_TYPE=Release -DLOOPCALC_BENCH=ON
    fi
    cmake --build "$dir" --target startup-window startup-bare startup-text
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        exec env LOOPCALC_BENCH_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$dir" "$runs"
    fi
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

run_once() {  # name binary
    local t0 out
    t0=$(date +%s%N)
    if ! out=$(LOOPCALC_T0_NS=$t0 /usr/bin/time -f %M -o "$tmp/rss" "$2" 2>"$tmp/err"); then
        cat "$tmp/err" >&2
        echo "bench-startup: $2 failed" >&2
        exit 1
    fi
    if [[ $out != startup_ms=* ]]; then
        echo "bench-startup: $2 printed '$out', not its start-up time" >&2
        exit 1
    fi
    echo "${out#startup_ms=}" >>"$tmp/$1.ms"
    cat "$tmp/rss" >>"$tmp/$1.kb"
}

# One unmeasured run each warms the file cache.
"$dir/bin/startup-window" >/dev/null 2>&1 || true
"$dir/bin/startup-bare" >/dev/null 2>&1 || true
for ((i = 0; i < runs; i++)); do
    run_once window "$dir/bin/startup-window"
    run_once bare "$dir/bin/startup-bare"
done

# Instructions to the first paint: the probes stop callgrind's count there.
# A process the probe forks writes its own log, which is not read.
count_once() {  # name binary
    local pid
    valgrind --tool=callgrind --callgrind-out-file=/dev/null --log-file="$tmp/$1.vg.%p" "$2" >/dev/null 2>"$tmp/err" &
    pid=$!
    if ! wait "$pid"; then
        cat "$tmp/$1.vg.$pid" >&2
        echo "bench-startup: $2 failed under callgrind" >&2
        exit 1
    fi
    if ! sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p' "$tmp/$1.vg.$pid" | grep . >"$tmp/$1.ir"; then
        echo "bench-startup: callgrind gave no count for $2" >&2
        exit 1
    fi
}
count_once window "$dir/bin/startup-window"
count_once bare "$dir/bin/startup-bare"
count_once text "$dir/bin/startup-text"

median() { sort -g "$1" | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
maximum() { sort -g "$1" | tail -n 1; }

wm=$(median "$tmp/window.ms"); bm=$(median "$tmp/bare.ms")
wk=$(median "$tmp/window.kb"); bk=$(median "$tmp/bare.kb")
wx=$(maximum "$tmp/window.kb"); bx=$(maximum "$tmp/bare.kb")
wi=$(cat "$tmp/window.ir"); bi=$(cat "$tmp/bare.ir"); ti=$(cat "$tmp/text.ir")
printf '%-12s %18s %22s %18s %24s\n' "" "start to paint" "peak RSS (median)" "peak RSS (max)" "instructions to paint"
printf '%-12s %15.1f ms %19d KiB %15d KiB %24d\n' "main window" "$wm" "$wk" "$wx" "$wi"
printf '%-12s %15.1f ms %19d KiB %15d KiB %24d\n' "bare window" "$bm" "$bk" "$bx" "$bi"
awk -v a="$wm" -v b="$bm" -v c="$wk" -v d="$bk" -v e="$wi" -v f="$bi" \
    'BEGIN {printf "%-12s %15.2f x  %19.2f x  %37.2f x\n", "ratio", a / b, c / d, e / f}'
awk -v t="$ti" -v b="$bi" 'BEGIN {printf "page text alone, on the bare window: %d instructions, %.2f x the bare window\n", t, t / b}'
echo "($runs runs each, alternating; instructions from one run each under callgrind; platform ${QT_QPA_PLATFORM:-xcb})"
