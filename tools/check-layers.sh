#!/usr/bin/env bash
# Checks that every unit includes only what its layer may see: the layers
# look down, never up, and nothing outside a backend (and the driver) reaches
# a backend's own headers. Prints each offending include; fails if any.
set -euo pipefail
cd "$(dirname "$0")/.."

platform="platform/text/ platform/win/ platform/automation/ platform/forms/"

# The include prefixes a file may use, by where it lives (first match).
allowed() {
    case "$1" in
        src/platform/text/*) echo "platform/text/" ;;
        src/platform/win/*) echo "platform/text/ platform/win/" ;;
        src/platform/headless/driver/* | src/platform/win32/driver/* | src/platform/driver/*)
            echo "$platform platform/driver/ headless/ win32/" ;;
        src/platform/headless/*) echo "platform/text/ platform/win/ headless/" ;;
        src/platform/win32/*) echo "platform/text/ platform/win/ win32/" ;;
        src/platform/automation/*) echo "platform/text/ platform/win/ platform/automation/" ;;
        src/platform/forms/*) echo "$platform" ;;
        src/errors/*) echo "$platform errors/" ;;
        src/util/*) echo "$platform errors/ util/" ;;
        src/winmsg/*) echo "$platform winmsg/" ;;
        src/paint/*) echo "$platform paint/" ;;
        src/controls/*) echo "$platform paint/ controls/" ;;
        src/msgbox/*) echo "$platform paint/ controls/ winmsg/ msgbox/" ;;
        src/*) echo "" ;;
        *) echo "*" ;;  # tests, the sample host, benchmarks: all but backends
    esac
}

status=0
while IFS= read -r file; do
    prefixes=$(allowed "$file")
    while IFS=: read -r line target; do
        ok=0
        if [ "$prefixes" = "*" ]; then
            case "$target" in
                platform/headless/* | platform/win32/* | headless/* | win32/*) ;;
                *) ok=1 ;;
            esac
        else
            for prefix in $prefixes; do
                [[ "$target" == "$prefix"* ]] && ok=1
            done
        fi
        if [ $ok -eq 0 ]; then
            echo "$file:$line: includes \"$target\", which its layer may not see"
            status=1
        fi
    done < <(grep -n '^#include "' "$file" | sed -E 's/^([0-9]+):#include "([^"]+)".*/\1:\2/')
done < <(git ls-files 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'apps/*.h' 'apps/*.cpp' \
    'bench/*.cpp')

[ $status -eq 0 ] && echo "Every include stays within its layer."
exit $status
