#!/usr/bin/env bash
# Sets up a Debian machine for Vokta and builds it.
#   scripts/dev.sh start   install what the program needs, make a release build and start Vokta
#   scripts/dev.sh format  rewrite every C++ file by .clang-format (the files the test command checks)
#   scripts/dev.sh test    install what the tests need; check the formatting and the layers' includes;
#                          make the release build's .deb and validate it;
#                          build and run every test with CTest; run each fuzz target briefly; run the
#                          suite again built with the address and undefined-behaviour sanitizers
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
jobs=$(nproc)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures a preset, proves that the package list installs everything the configure step loaded,
# and builds it.
build() {
    local preset=$1
    shift
    cmake --preset "$preset"
    scripts/check-packages.sh "build/$preset/vokta-system-files.txt" "$@"
    cmake --build --preset "$preset" -j "$jobs"
}

case "${1:-}" in
    start)
        install_missing "${release_packages[@]}"
        build release "${release_packages[@]}"
        exec ./build/release/vokta
        ;;
    format)
        install_missing clang-format
        exec scripts/check-format.sh --fix
        ;;
    test)
        install_missing "${test_packages[@]}"
        scripts/check-format.sh
        scripts/check-layers.sh
        build release "${release_packages[@]}"
        scripts/check-deb.sh build/release
        build dev "${test_packages[@]}"
        ctest --preset dev -j "$jobs"
        fuzz/fuzz.sh 100000
        build asan "${test_packages[@]}"
        ctest --preset asan -j "$jobs"
        ;;
    *)
        echo "usage: $0 start|test|format" >&2
        exit 2
        ;;
esac
