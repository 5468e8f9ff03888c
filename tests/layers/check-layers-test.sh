#!/usr/bin/env bash
# The layer check on a small tree of its own: the clean tree passes, and each crafted include that breaks
# a rule fails it, named as file:line with that rule.
#   check-layers-test.sh SOURCE-DIR
set -uo pipefail
check="$1/scripts/check-layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

clean=$work/clean
mkdir -p "$clean"/src/{base,components,ui,app,filters/ui,transformer}
printf '#include <cmath>\n' >"$clean/src/base/Number.h"
printf '#include "base/Number.h"\n' >"$clean/src/base/Number.cpp"
printf '#include <QString>\n#include "base/Number.h"\n' >"$clean/src/ui/Boxes.h"
printf '#include "ui/Boxes.h"\n#include "filters/ui/Window.h"\n' >"$clean/src/app/Main.h"
printf '#include "base/Number.h"\n' >"$clean/src/components/Wire.h"
printf '#include <vector>\n#include "base/Number.h"\n#include "components/Wire.h"\n' >"$clean/src/filters/Design.h"
printf '#include <QWidget>\n#include "../Design.h"\n#include "ui/Boxes.h"\n' >"$clean/src/filters/ui/Window.h"
printf '#include "base/Number.h"\n' >"$clean/src/transformer/Core.h"

passed=0
failed=0
if out=$("$check" "$clean" 2>&1); then
    passed=$((passed + 1))
else
    echo "FAIL: the clean tree failed: $out"
    failed=$((failed + 1))
fi

# file | the include added as its last line | the rule named
while IFS='|' read -r file include rule; do
    tree=$work/crafted
    rm -rf "$tree"
    cp -r "$clean" "$tree"
    echo "$include" >>"$tree/src/$file"
    expected="src/$file:$(wc -l <"$tree/src/$file"): $include: $rule"
    if out=$("$check" "$tree" 2>&1); then
        echo "FAIL: $file with $include passed"
        failed=$((failed + 1))
    elif ! grep -qxF "$expected" <<<"$out"; then
        echo "FAIL: $file with $include: expected \"$expected\", got: $out"
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
done <<'ROWS'
filters/Design.h|#include <QVector>|a core file includes no Qt header
base/Number.cpp|#include <QtCore/QString>|a core file includes no Qt header
filters/Design.h|#include "ui/Window.h"|a core file includes no ui/ header
transformer/Core.h|#include "ui/Boxes.h"|a core file includes no ui/ header
base/Number.h|#include "filters/Design.h"|base/ includes nothing above it
base/Number.h|#include "components/Wire.h"|base/ includes nothing above it
components/Wire.h|#include "filters/Design.h"|components/ includes nothing but base/
components/Wire.h|#include <QString>|a core file includes no Qt header
ui/Boxes.h|#include "../filters/Design.h"|ui/ includes no calculator and nothing of app/
ui/Boxes.h|#include "app/Main.h"|ui/ includes no calculator and nothing of app/
filters/ui/Window.h|#include "transformer/Core.h"|a calculator includes no other calculator
filters/ui/Window.h|#include "app/Main.h"|a calculator includes nothing of app/
ROWS
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
