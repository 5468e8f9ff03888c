#!/usr/bin/env bash
# Fails when an include crosses the layers that the folders of src/ show, printing each such include as
# file:line with the rule it breaks:
#   a core file (src/base, and the files at the top of a calculator's folder) includes no Qt header and
#   no ui/ header;
#   src/base includes nothing above it (src/components, src/ui, src/app, a calculator);
#   src/components, the core component data and models the calculators share, includes only src/base;
#   src/ui includes no calculator and nothing of src/app;
#   a calculator (its core or its ui/) includes no other calculator and nothing of src/app.
# Every folder of src/ but base, components, ui and app is a calculator.
#   scripts/check-layers.sh [ROOT]   (ROOT: the tree to check, this repository by default)
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root"
[ -d src ] || { echo "$root has no src folder" >&2; exit 2; }

# Whether a path relative to src/ is a window file: src/ui, src/app, or a calculator's ui/ folder.
is_ui() {
    case $1 in
        ui/* | app/* | */ui/*) return 0 ;;
        *) return 1 ;;
    esac
}

# Sets normal to a path with its "." and ".." steps taken; a path that leaves its start comes back empty.
# (Plain bash, no processes: the check runs over every include of the tree.)
normalize() {
    local step parts steps=()
    IFS=/ read -ra parts <<<"$1"
    for step in "${parts[@]}"; do
        case $step in
            '' | .) ;;
            ..)
                [ ${#steps[@]} -gt 0 ] || { normal=""; return; }
                unset 'steps[${#steps[@]}-1]'
                ;;
            *) steps+=("$step") ;;
        esac
    done
    local IFS=/
    normal="${steps[*]}"
}

# Sets target to what a quoted include names, relative to src/, looked up as the compiler does: beside the
# including file first, then from src/.
resolve() {
    local file=$1 name=$2
    if [ -e "src/${file%/*}/$name" ]; then
        normalize "${file%/*}/$name"
    else
        normalize "$name"
    fi
    target=$normal
}

include_pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*(["<])([^">]+)[">]'
failures=0
fail() {
    echo "src/$1:$2: $3: $4"
    failures=$((failures + 1))
}

# Every include line of the tree, as FILE:LINE:TEXT with FILE relative to src/.
includes=$(cd src && find . -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \) -print0 | sort -z |
    xargs -0 -r grep -Hn '^[[:space:]]*#[[:space:]]*include' | sed 's|^\./||' || true)
while IFS=: read -r file line text; do
    from=${file%%/*}
    if [ "$from" = "$file" ]; then continue; fi # a file at the top of src/ belongs to no layer
    core=yes
    if is_ui "$file"; then core=no; fi
    [[ $text =~ $include_pattern ]] || continue
    delimiter=${BASH_REMATCH[1]}
    name=${BASH_REMATCH[2]}
    if [ "$delimiter" = '<' ]; then
        shown="#include <$name>"
        if [[ $name =~ ^[Qq] ]]; then
            if [ $core = yes ]; then fail "$file" "$line" "$shown" "a core file includes no Qt header"; fi
            continue
        fi
        # A project header named with angle brackets counts as one named from src/.
        if [ ! -e "src/$name" ]; then continue; fi
        target=$name
    else
        shown="#include \"$name\""
        resolve "$file" "$name"
        if [ -z "$target" ]; then continue; fi
    fi
    to=${target%%/*}
    if [ "$to" = "$target" ]; then continue; fi # a header at the top of src/ belongs to no layer
    if [ $core = yes ] && is_ui "$target"; then
        fail "$file" "$line" "$shown" "a core file includes no ui/ header"
    fi
    case $from in
        base)
            if [ "$to" != base ]; then fail "$file" "$line" "$shown" "base/ includes nothing above it"; fi
            ;;
        components)
            if [ "$to" != base ] && [ "$to" != components ]; then
                fail "$file" "$line" "$shown" "components/ includes nothing but base/"
            fi
            ;;
        ui)
            if [ "$to" != base ] && [ "$to" != ui ]; then
                fail "$file" "$line" "$shown" "ui/ includes no calculator and nothing of app/"
            fi
            ;;
        app) ;;
        *)
            if [ "$to" = app ]; then
                fail "$file" "$line" "$shown" "a calculator includes nothing of app/"
            elif [ "$to" != base ] && [ "$to" != components ] && [ "$to" != ui ] && [ "$to" != "$from" ]; then
                fail "$file" "$line" "$shown" "a calculator includes no other calculator"
            fi
            ;;
    esac
done <<<"$includes"

if [ $failures -gt 0 ]; then
    echo "$failures include(s) cross the layers" >&2
    exit 1
fi
echo "every include keeps to its layer"
