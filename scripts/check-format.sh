#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what .clang-format makes of it; with --fix, rewrites
# every C++ file by .clang-format instead (scripts/dev.sh format).
#   scripts/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
files() { find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort; }
if [ "${1:-}" = --fix ]; then
    files | xargs clang-format -i
    echo "every C++ file rewritten by .clang-format"
else
    files | xargs clang-format --dry-run --Werror
    echo "every C++ file follows .clang-format"
fi
