#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The accuracy survey: how far the classic formulas and the published closed
# forms lie from the numeric references over the ranges the coils are built
# in, as Markdown tables (the README's "How accurate is it?" comes from it).
#   tools/accuracy.sh [BUILD_DIR]
# Configures BUILD_DIR (default build-cli, RelWithDebInfo, no window) if
# needed, brings loopcalc-accuracy up to date there and runs it.
set -eEuo pipefail
trap 'echo "accuracy: stopped: \"$BASH_COMMAND\" failed (line $LINENO)" >&2' ERR

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-cli}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOOPCALC_GUI=OFF
fi
cmake --build "$build" --target loopcalc-accuracy -j2
"$build/bin/loopcalc-accuracy"
