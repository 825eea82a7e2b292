#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every loopcalc-cli example of the README and docs/*.md and compares
# what it prints with what the page shows.
#   tests/docs/examples.sh BIN_DIR SOURCE_DIR
# An example is a line "$ command" inside a fenced block, followed by the
# lines it prints: standard output, then standard error. A last line ending
# in "(exit status N)" expects status N; otherwise the status must be 0.
# Commands that run a script of tools/ are left to ./test's own step.
set -euo pipefail

bin=$1
source_dir=$2
export PATH=$bin:$PATH
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
count=0
failures=0

check() {  # file command expected-lines
    local file=$1 command=$2 expected=$3 status=0 want=0 actual
    [[ $command == *loopcalc-cli* && $command != tools/* ]] || return 0
    expected=${expected%$'\n'}
    local pattern='^(.*[^ ]) +\(exit status ([0-9]+)\)$'
    local last=${expected##*$'\n'}
    if [[ $last =~ $pattern ]]; then
        want=${BASH_REMATCH[2]}
        expected=${expected%"$last"}${BASH_REMATCH[1]}
    fi
    (cd "$scratch" && bash -c "$command" >"$scratch/out" 2>"$scratch/err") || status=$?
    actual=$(cat "$scratch/out" "$scratch/err")
    count=$((count + 1))
    if [ "$actual" != "$expected" ] || [ "$status" -ne "$want" ]; then
        failures=$((failures + 1))
        echo "$file: \$ $command"
        echo "  shows (exit status $want):"
        sed 's/^/    /' <<<"$expected"
        echo "  prints (exit status $status):"
        sed 's/^/    /' <<<"$actual"
    fi
}

for file in "$source_dir"/README.md "$source_dir"/docs/*.md; do
    fenced=0
    command=""
    expected=""
    while IFS= read -r line; do
        if [[ $line == '```'* ]]; then
            [ -z "$command" ] || check "$file" "$command" "$expected"
            command=""
            fenced=$((1 - fenced))
        elif [ "$fenced" -eq 1 ] && [[ $line == '$ '* ]]; then
            [ -z "$command" ] || check "$file" "$command" "$expected"
            command=${line#'$ '}
            expected=""
        elif [ -n "$command" ]; then
            expected+=$line$'\n'
        fi
    done <"$file"
done

echo "$count examples, $failures differ"
[ "$count" -gt 0 ] && [ "$failures" -eq 0 ]
