#!/usr/bin/env bash
# Sets up a Debian machine for Vokta and builds it.
#   scripts/dev.sh start   install what is missing, build, start Vokta
#   scripts/dev.sh test    install what is missing, build, run every test with CTest, then the same
#                          suite built with the address and undefined-behaviour sanitizers, and a
#                          short run of each fuzz target
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-charts-dev libgl-dev
          libgtest-dev fonts-liberation2 qt6-translations-l10n locales-all clang-14 libclang-rt-14-dev)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset "$1"
    cmake --build --preset "$1"
}

case "${1:-}" in
    start)
        install_missing
        build dev
        exec ./build/dev/vokta
        ;;
    test)
        install_missing
        build dev
        ctest --preset dev
        bench/fuzz.sh 100000
        build asan
        ctest --preset asan
        ;;
    *)
        echo "usage: $0 start|test" >&2
        exit 2
        ;;
esac
