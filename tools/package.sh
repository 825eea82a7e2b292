#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package the way the README says and checks it:
#   tools/package.sh [BUILD_DIR]      (default build-release)
# configures BUILD_DIR as a Release build with warnings as errors (and the
# benchmarks, which the documented commands run), without the tests when the
# folder is new (./test gives its own build folder, tests and all), builds
# it, runs cpack -G DEB there, then checks
#  - the package's file list (dpkg-deb -c) against the list below, and that
#    dpkg-shlibdeps computed its dependencies;
#  - the desktop entry (desktop-file-validate), the metainfo (appstreamcli
#    validate --no-net, and validate-tree over the whole tree) and both
#    manual pages (man -l renders them without a warning);
#  - both programs, run from the package unpacked with dpkg -x into a
#    scratch root;
#  - the bash completion's candidates for a few command lines.
# Any failure stops it with a message.
set -eEuo pipefail
trap 'echo "package: stopped: \"$BASH_COMMAND\" failed (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
source tools/configure.sh

dir=${1:-build-release}
app_id=org.loopcalc.LoopCalc
fail() {
    echo "package: $*" >&2
    exit 1
}

settings=(-DCMAKE_BUILD_TYPE=Release -DLOOPCALC_WERROR=ON -DLOOPCALC_BENCH=ON)
[ -f "$dir/CMakeCache.txt" ] || settings+=(-DBUILD_TESTING=OFF)
configure "$dir" "${settings[@]}"
cmake --build "$dir"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
deb=$dir/loopcalc_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
(cd "$dir" && cpack -G DEB)
[ -f "$deb" ] || fail "cpack made no $deb"

# The files, nothing more and nothing less, all owned by root.
expected="./usr/bin/loopcalc
./usr/bin/loopcalc-cli
./usr/lib/loopcalc/libloopcalc-pictures.so
./usr/share/applications/$app_id.desktop
./usr/share/bash-completion/completions/loopcalc-cli
./usr/share/doc/loopcalc/copyright
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/man/man1/loopcalc-cli.1.gz
./usr/share/man/man1/loopcalc.1.gz
./usr/share/metainfo/$app_id.metainfo.xml"
listing=$(dpkg-deb -c "$deb")
files=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort)
if [ "$files" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$files") >&2 || true
    fail "the package's files differ from the list above (< expected, > packaged)"
fi
awk '$2 != "root/root" { bad = 1; print } END { exit bad }' <<<"$listing" >&2 || fail "files not owned by root"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in 'libc6 (>=' 'libqt6widgets6 (>=' 'libqt6svg6 (>=' 'libstdc++6 (>='; do
    [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib...: the shared library dependencies were not computed"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

share=$root/usr/share
# A hint or a warning counts as a failure, as an error does.
notes=$(desktop-file-validate "$share/applications/$app_id.desktop" 2>&1) || fail "desktop entry: $notes"
[ -z "$notes" ] || fail "desktop entry: $notes"
appstreamcli validate --no-net --strict "$share/metainfo/$app_id.metainfo.xml"
appstreamcli validate-tree --no-net --strict "$root"
grep -q "<release version=\"$version\"" "$share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo has no release $version"
for page in "$share"/man/man1/*.1.gz; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >"$root/page.txt" 2>"$root/page.err"
    if [ -s "$root/page.err" ]; then
        cat "$root/page.err" >&2
        fail "man -l warns about $(basename "$page")"
    fi
    grep -q "^NAME" "$root/page.txt" || fail "$(basename "$page") renders without a NAME section"
    grep -q "LoopCalc $version" "$root/page.txt" || fail "$(basename "$page") does not name version $version"
    lexgrog "$page" >/dev/null || fail "$(basename "$page") has no NAME line that whatis can read"
done

# The programs, from the unpacked root only: the command line's worked
# example and version, and the window running until it is stopped.
cli=$root/usr/bin/loopcalc-cli
[ "$("$cli" circular)" = " 5.78 µH" ] || fail "$cli circular does not print the worked example"
[ "$("$cli" --version)" = "loopcalc-cli $version" ] || fail "$cli --version does not print $version"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/loopcalc" || status=$?
[ "$status" -eq 124 ] || fail "$root/usr/bin/loopcalc ended with status $status instead of running"

# The completion: a command line (the last word is being completed) and the
# candidates bash offers for it.
completions=(
    "loopcalc-cli f|flat-rectangular"
    "loopcalc-cli spiral --|--outer-radius --inner-radius --turns --frequency --no-warnings --warnings --help"
    "loopcalc-cli turns sp|spiral"
    "loopcalc-cli turns circular --|--radius --wire-radius --target --frequency --no-warnings --warnings --help"
    "loopcalc-cli circular --radius |"
    "loopcalc-cli batch --|--models --warnings --output-bom --help"
)
for entry in "${completions[@]}"; do
    line=${entry%%|*}
    want=${entry#*|}
    got=$(bash -c 'source "$1"; read -ra COMP_WORDS <<<"$2"; [[ $2 == *" " ]] && COMP_WORDS+=("");
                   COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _loopcalc_cli; echo "${COMPREPLY[*]}"' \
        _ "$share/bash-completion/completions/loopcalc-cli" "$line")
    [ "$got" = "$want" ] || fail "completing '$line' offers '$got', not '$want'"
done
echo "package: $deb checked"
