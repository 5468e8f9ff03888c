#!/usr/bin/env bash
# Proves a package list complete for a configured build: every file the configure step took from the
# system (its CMake package configuration files) belongs to a package of the list or to a
# hard dependency of one, followed through Depends and Pre-Depends but never Recommends.
#   scripts/check-packages.sh FILES-LIST PACKAGE...
# FILES-LIST is the vokta-system-files.txt a configure step writes. Prints each missing package and
# fails when there is one.
set -euo pipefail
files_list=$1
shift

# The packages that installed the files, in one look-up; a file found through a symbolic link is looked
# up again by its real path.
mapfile -t files < <(grep -v '^$' "$files_list")
lookup=("${files[@]}")
for file in "${files[@]}"; do lookup+=("$(readlink -f "$file")"); done
owners=$(dpkg-query -S "${lookup[@]}" 2>/dev/null || true)
needed=()
for file in "${files[@]}"; do
    pkg=$(awk -v f="$file" -F': ' '$2 == f { split($1, p, "[:,]"); print p[1]; exit }' <<<"$owners")
    real=$(readlink -f "$file")
    [ -n "$pkg" ] || pkg=$(awk -v f="$real" -F': ' '$2 == f { split($1, p, "[:,]"); print p[1]; exit }' <<<"$owners")
    [ -n "$pkg" ] || { echo "no Debian package owns $file" >&2; exit 1; }
    needed+=("$pkg")
done

# The hard-dependency closure of the list among installed packages; an alternative (a | b) and a virtual
# package count through the first installed package that satisfies them.
closure=$(dpkg-query -W -f='${Package}\t${db:Status-Status}\t${Provides}\t${Pre-Depends}, ${Depends}\n' |
    awk -F'\t' -v roots="$*" '
    function name(s) { gsub(/\(.*\)|:[a-z0-9]+|[ ]/, "", s); return s }
    $2 == "installed" {
        pkg[$1] = 1; deps[$1] = $4
        n = split($3, prov, ","); for (i = 1; i <= n; i++) providers[name(prov[i])] = providers[name(prov[i])] " " $1
    }
    END {
        n = split(roots, queue, " ")
        for (i = 1; i <= n; i++) seen[queue[i]] = 1
        for (head = 1; head <= n; head++) {
            m = split(deps[queue[head]], clause, ",")
            for (j = 1; j <= m; j++) {
                k = split(clause[j], alt, "|")
                for (a = 1; a <= k; a++) {
                    d = name(alt[a]); if (d == "") continue
                    cand = (d in pkg) ? d : ""
                    if (cand == "" && (d in providers)) { split(providers[d], via, " "); cand = via[1] }
                    if (cand == "") continue
                    if (!(cand in seen)) { seen[cand] = 1; queue[++n] = cand }
                    break
                }
            }
        }
        for (p in seen) print p
    }')

missing=()
for pkg in $(printf '%s\n' "${needed[@]}" | sort -u); do
    grep -qx -- "$pkg" <<<"$closure" || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    for pkg in "${missing[@]}"; do echo "the package list lacks $pkg" >&2; done
    exit 1
fi
echo "package list complete: ${#needed[@]} files from $(printf '%s\n' "${needed[@]}" | sort -u | wc -l) packages"
