#!/usr/bin/env bash
# The set-up's package list against what a configure step loaded: complete as it stands, and a list
# that lacks a needed package fails naming it.
#   check-packages-test.sh SOURCE-DIR SYSTEM-FILES
set -uo pipefail
source_dir=$1
files=$2
source "$source_dir/scripts/packages.sh"
check="$source_dir/scripts/check-packages.sh"
status=0

"$check" "$files" "${test_packages[@]}" || { echo "FAIL: the test command's list is incomplete"; status=1; }
for dropped in libqt6opengl6-dev libgtest-dev qt6-charts-dev; do
    crafted=()
    for p in "${test_packages[@]}"; do [ "$p" = "$dropped" ] || crafted+=("$p"); done
    if out=$("$check" "$files" "${crafted[@]}" 2>&1); then
        echo "FAIL: a list without $dropped passed"
        status=1
    elif ! grep -qx "the package list lacks $dropped" <<<"$out"; then
        echo "FAIL: a list without $dropped did not name it: $out"
        status=1
    fi
done
[ $status -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $status
