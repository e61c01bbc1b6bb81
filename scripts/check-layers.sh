#!/usr/bin/env bash
# Fails when a library of src/ includes a header of a library it does not name
# among its USES in src/**/CMakeLists.txt, or names one it includes nothing of:
# the build links each library to exactly what it uses (and links each on its own
# with --no-undefined, so that a call around the graph fails too: see
# src/CMakeLists.txt). platform/qt is the library qt, app/views and
# app/qt_windows the library views, app/main.cpp the program itself.
set -euo pipefail
cd "$(dirname "$0")/.."

# The library a source file or an included header belongs to.
library() {
    case $1 in
        platform/qt/*) echo qt ;;
        app/views/* | app/qt_windows.*) echo views ;;
        app/main.cpp) echo program ;;
        *) echo "${1%%/*}" ;;
    esac
}

declare -A uses=()
while read -r name rest; do
    uses[$name]=" $rest "
done < <(git ls-files -z 'src/*CMakeLists.txt' | xargs -0 cat |
    sed -nE 's/^brisko_layer\(([a-z]+)( USES ([a-z ]+))?$/\1 \3/p')

status=0
declare -A included=()
while IFS=: read -r file _ line; do
    from=$(library "${file#src/}")
    to=$(library "$(sed -E 's|^#include "([^"]+)".*|\1|' <<<"$line")")
    [ "$from" = "$to" ] || [ "$from" = program ] && continue
    included[$from]+=" $to "
    if [ -z "${uses[$from]+set}" ]; then
        echo "check-layers: $file is in no library (src/$from)" >&2
        status=1
    elif [[ ${uses[$from]} != *" $to "* ]]; then
        echo "check-layers: $file includes $to/, which $from does not use" >&2
        status=1
    fi
done < <(git grep -n -E '^#include "[a-z_]+/' -- 'src/*.cpp' 'src/*.h')

for name in "${!uses[@]}"; do
    for used in ${uses[$name]}; do
        if [[ ${included[$name]-} != *" $used "* ]]; then
            echo "check-layers: $name uses $used but includes nothing of it" >&2
            status=1
        fi
    done
done
exit $status
