#!/usr/bin/env bash
# Screenshots of Brisko for the README. Runs the real program under Xvfb on a
# sample home that holds a real player's config, drives it with xdotool as a
# player would (choose the config, choose a 3D card, visit the four pages, Save &
# Test), and saves each window as a PNG file under docs/. Run it again after
# changing a window: it makes the same pictures afresh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test xdotool x11-apps netpbm
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISKO_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target brisko >/dev/null
brisko=$PWD/build/src/app/brisko
config=${BRISKO_SHARED_DIR:-../shared}/configs/15-expandingshapes-configs.cfg
docs=$PWD/docs
mkdir -p "$docs"

work=$(mktemp -d)
app="" xvfb=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The sample home: the config where a native engine keeps it, and stand-ins for
# the game, so that Save & Test is enabled whichever way Brisko finds the game.
# They are never started: the test-map dialog is cancelled.
home=$work/home
mkdir -p "$home/.q3a/baseq3" "$work/bin"
cp "$config" "$home/.q3a/baseq3/q3config.cfg"
chmod u+w "$home/.q3a/baseq3/q3config.cfg"
for game in "$home/.q3a/quake3.exe" "$work/bin/ioquake3"; do
    printf '#!/bin/sh\nexit 0\n' >"$game"
    chmod +x "$game"
done

# An X server of its own, on a display number it picks itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

# Brisko sees the sample home as /home/player (a mount of its own, in a mount
# namespace of its own; Debian lets any user make one), so the pictures show a
# player's path, the same at every run.
unshare --mount --map-root-user sh -c 'mount -t tmpfs tmpfs /home && mkdir /home/player &&
    mount --bind "$1" /home/player && cd /home/player &&
    exec env -u QT_QPA_PLATFORM HOME=/home/player XDG_CONFIG_HOME=/home/player/.config \
        PATH="$2:/usr/bin:/bin" "$3"' sh "$home" "$work/bin" "$brisko" >"$work/brisko.log" 2>&1 &
app=$!

# The visible window of this title.
window() {
    local ids
    ids=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$") ||
        { echo "screenshots: no window '$1'" >&2; exit 1; }
    echo "${ids%%$'\n'*}"
}
# Where a control that sits on the window itself lies, from the window's design
# table (src/FILE): "x y w h".
geometry() {
    local row
    row=$(grep -oE "\{&[A-Za-z]+::$2, +\{\}, +[0-9]+, +[0-9]+, +[0-9]+, +[0-9]+" "src/$1") ||
        { echo "screenshots: no $2 in $1" >&2; exit 1; }
    tr -cs '0-9' ' ' <<<"${row#*\{\},}"
}
centre() {
    set -- $(geometry "$1" "$2")
    echo $(($1 + $3 / 2)) $(($2 + $4 / 2))
}
click() {
    xdotool mousemove --window "$1" $(centre "$2" "$3") click 1
}
shot() {
    sleep 0.7  # the window paints what the last action changed
    xwd -id "$1" -silent | xwdtopnm -quiet | pnmtopng -compression 9 >"$docs/$2.png"
    echo "docs/$2.png: $(stat -c %s "$docs/$2.png") bytes"
}

# The config choice at start-up, then its OK.
select=$(window "Select Config")
shot "$select" select-config
click "$select" dialogs/select_config.cpp Button1

# A 3D card unlocks the pages: hold the list open and let go on its first card.
main=$(window Brisko)
sleep 0.5
xdotool mousemove --window "$main" $(centre settings/form1.cpp Accelerator) mousedown 1
sleep 0.8
xdotool mouseup 1

# The four pages, from the tree: its first row, opened, then one row down each
# time. Each row shows the page of its caption: client (the root), renderer,
# railgun, network.
read -r x y _ <<<"$(geometry settings/form1.cpp TreeView1)"
xdotool mousemove --window "$main" $((x + 40)) $((y + 8)) click 1 key Right
shot "$main" page-client
for page in renderer railgun network; do
    xdotool key Down
    shot "$main" "page-$page"
done

# Save & Test: the save asks first (unless an earlier save was confirmed), then
# the test-map dialog, shown with its extra row; then Cancel and Exit.
click "$main" settings/form1.cpp SaveTestBtn
confirm=$(timeout 5 xdotool search --sync --onlyvisible --name '^Confirm$' 2>/dev/null || true)
if [ -n "$confirm" ]; then
    xdotool mousemove --window "${confirm%%$'\n'*}" 10 10 key y
fi
map=$(window "Select Test Map")
click "$map" dialogs/map_select.cpp Button3
shot "$map" test-map
click "$map" dialogs/map_select.cpp Button2
click "$main" settings/form1.cpp ExitBtn
wait "$app" || true
app=""

for png in "$docs"/*.png; do
    [ "$(stat -c %s "$png")" -le 102400 ] || echo "screenshots: $png is over 100 KB" >&2
done
