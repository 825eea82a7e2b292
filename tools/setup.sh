#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shared by ./run and ./test: installs the Debian packages the build, the
# package and its checks need (only those missing), and offers
#   build DIR [CMAKE_ARGUMENTS]
# which configures DIR as tools/configure.sh says and brings it up to date.
set -euo pipefail

PACKAGES=(
    cmake g++ ninja-build pkg-config
    libgtest-dev libgmock-dev
    qt6-base-dev qt6-svg-dev libqt6svg6 libfontconfig-dev
    fonts-liberation2 xvfb xauth time
    clang clang-tidy clang-format libclang-rt-14-dev lld
    libbenchmark-dev
    dpkg-dev file desktop-file-utils appstream man-db
    locales
)

missing_packages() {
    local p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing: $missing"
    # shellcheck disable=SC2086
    if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing; then
        # Empty or stale package lists: refresh them once and try again.
        as_root apt-get update -q
        # shellcheck disable=SC2086
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing
    fi
}

build() {
    local dir=${1:-build}
    shift || true
    configure "$dir" "$@"
    cmake --build "$dir"
}

cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/configure.sh
install_missing
