#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a given number of executions.
#   fuzz/fuzz.sh [executions per target]   (default 10000000)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10000000}
compiler=$(command -v clang++-14 || command -v clang++)
targets=(parse_number locale_parse round_trip design_file)
# The whole project is configured (the fuzz targets link vokta_core), but only the fuzz targets are built.
# A build folder configured otherwise (from fuzz/ alone, before) is made anew.
if [ -f build/fuzz/CMakeCache.txt ] && ! grep -qx 'VOKTA_FUZZ:BOOL=ON' build/fuzz/CMakeCache.txt; then
    rm -rf build/fuzz
fi
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVOKTA_BUILD_TESTS=OFF -DVOKTA_FUZZ=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null
for target in "${targets[@]}"; do
    work=$(mktemp -d)
    cp fuzz/corpus/$target/* "$work"/
    echo "fuzz_$target: $runs executions"
    set +e
    # A number is short; a design file is a few hundred bytes.
    max_len=64
    [ "$target" = design_file ] && max_len=1024
    build/fuzz/fuzz/fuzz_$target -runs="$runs" -max_len=$max_len -artifact_prefix="build/fuzz/$target-" -print_final_stats=1 "$work" >"$work.log" 2>&1
    status=$?
    set -e
    grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|^Done|gave|digits|come back|reason|not stable|error kind|read back|short' "$work.log" | head -20
    rm -f "$work.log"
    rm -rf "$work"
    [ "$status" -eq 0 ] || { echo "fuzz_$target failed"; exit 1; }
done
