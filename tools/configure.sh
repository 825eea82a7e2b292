#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sourced by the scripts that keep a build folder:
#   configure DIR [CMAKE_ARGUMENTS]
# configures DIR with Ninja when it has no cache yet, and again when one of
# the given -DNAME=VALUE settings differs from its cache (so that a folder
# first configured by ./run gets the settings ./test asks for). Otherwise it
# does nothing: a folder that is up to date costs no configure run.

# True when DIR has no cache, or its cache lacks one of the -D settings given.
cache_differs() {
    local cache=$1/CMakeCache.txt arg name value
    shift
    [ -f "$cache" ] || return 0
    for arg in "$@"; do
        [[ $arg == -D* ]] || continue
        name=${arg#-D}
        value=${name#*=}
        name=${name%%=*}
        name=${name%%:*}
        awk -v n="$name:" -v v="$value" \
            'index($0, n) == 1 && substr($0, index($0, "=") + 1) == v { found = 1 } END { exit !found }' \
            "$cache" || return 0
    done
    return 1
}

configure() {
    local dir=$1
    shift
    if cache_differs "$dir" "$@"; then
        cmake -S . -B "$dir" -G Ninja "$@"
    fi
}
