#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the whole project in build-asan with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the whole test suite there, the window
# tests offscreen. Any report stops the test that triggered it and fails the
# run.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build-asan
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
source tools/configure.sh
source tools/unchanged.sh
# The code is not optimised (-O0): side by side on the idle machine the
# whole instrumented build took 173 processor seconds instead of 186 at -O1
# (91 s instead of 97 s on the clock) and its test run 18 instead of 17.5
# (18 s on the clock instead of 17), 5 s less for the step; a source of the
# code under test compiles in 45 to 75 % of the time, but most of the build
# is the tests' own sources, at -Og in every build (tests/CMakeLists.txt).
# -g1 gives the traces their functions, files and lines for a sixth less
# compile time than full debug information. The helpers no test runs (the
# screenshot tool, the accuracy survey) are left out.
# Each program or library compiles as one unit (a unity build), its sources
# included into one generated file, so that the headers they share are read
# and their templates instrumented once: from scratch, 260 processor seconds
# instead of 355 (134 s on the clock instead of 184). The build of ./test
# still compiles every source on its own, so a source that leans on what
# another included before it fails there; one that clashes with another
# fails here.
configure "$dir" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O0" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=0 \
    -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" -DCMAKE_MODULE_LINKER_FLAGS="$flags" \
    -DLOOPCALC_WERROR=ON -DLOOPCALC_LLD=ON \
    -DLOOPCALC_TOOLS=OFF
cmake --build "$dir" -j2

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside Qt's and fontconfig's own caches only; see the file.
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
mapfile -t programs < <(find "$dir/bin" -type f -perm -u+x | sort)
if unchanged sanitizers "${programs[@]}"; then
    echo "sanitizers: sources and instrumented programs as at their last clean run; not run again (CHECK_ALWAYS=1 forces it)"
    exit 0
fi
# GoogleTest programs run whole: a process per case would pay the
# sanitizers' start and leak check hundreds of times.
ctest --test-dir "$dir" --output-on-failure -j2 -LE case
passed sanitizers
