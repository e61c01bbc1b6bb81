#!/usr/bin/env bash
# Draws the icon's PNG pictures from data/icons/brisko.svg with rsvg-convert
# (Debian's librsvg2-bin). Run it after changing the SVG and commit the PNGs:
# the build takes them as they are, so it needs no SVG tool.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || bash scripts/install-deps.sh librsvg2-bin
sizes=$(sed -n 's/^set(BRISKO_ICON_SIZES \(.*\))$/\1/p' CMakeLists.txt)
for size in $sizes; do
    rsvg-convert --width "$size" --height "$size" data/icons/brisko.svg -o "data/icons/brisko-$size.png"
done
ls -l data/icons
