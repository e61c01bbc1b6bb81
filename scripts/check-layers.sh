#!/usr/bin/env bash
# Fails when a file of a layer of src/ includes a header of a layer above it. The
# layers, lowest first (calls up through them already fail to link: see
# src/CMakeLists.txt):
layers=(platform discovery settings launch config dialogs app)
set -euo pipefail
cd "$(dirname "$0")/.."
rank() {
    local i
    for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && echo "$i" && return; done
    echo "check-layers: $1 is no layer" >&2
    exit 1
}
status=0
while IFS=: read -r file _ line; do
    from=${file#src/}
    from=${from%%/*}
    to=$(sed -E 's|^#include "([a-z_]+)/.*|\1|' <<<"$line")
    if [ "$(rank "$to")" -gt "$(rank "$from")" ]; then
        echo "check-layers: $file includes $to/, a layer above $from/" >&2
        status=1
    fi
done < <(git grep -n -E '^#include "[a-z_]+/' -- 'src/*.cpp' 'src/*.h')
exit $status
