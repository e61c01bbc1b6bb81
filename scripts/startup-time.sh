#!/usr/bin/env bash
# The time from Brisko's start to its selection dialog ("Select Config" shown),
# under a virtual X server, for two homes: one holding only
# .q3a/baseq3/q3config.cfg, and a generated tree of many entries.
#
#   bash scripts/startup-time.sh [--runs=N] [--tree=PATH] [--entries=N] [--binary=PATH]
#
# The tree is made by ../shared/tools/mktree at --tree (default
# /tmp/brisko-bench-tree, as discovery_bench makes it) unless one of the same
# entry count is there. Brisko is built in build-release first, unless --binary
# names the program to time (another build, to compare). Each home is
# started once untimed (warm cache), then --runs times (default 5); the median is
# printed with every run. Run by hand; needs xvfb-run and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=5
tree=/tmp/brisko-bench-tree
entries=1000000
inner=false
binary=
for arg in "$@"; do
    case "$arg" in
        --runs=*) runs=${arg#*=} ;;
        --tree=*) tree=${arg#*=} ;;
        --entries=*) entries=${arg#*=} ;;
        --binary=*) binary=$(realpath "${arg#*=}") ;;
        --inner) inner=true ;;
        *) echo "unknown argument: $arg" >&2; exit 2 ;;
    esac
done

# Inside the X server: time each home.
if $inner; then
    brisko=$BRISKO_BINARY
    config=$(mktemp -d)
    trap 'rm -rf "$config"' EXIT
    # Milliseconds from the start of the process to the dialog on the screen.
    once() {
        local start end pid
        start=$(date +%s%N)
        HOME="$1" XDG_CONFIG_HOME="$config" "$brisko" >/dev/null 2>>"$config/stderr" &
        pid=$!
        until xdotool search --onlyvisible --name '^Select Config$' >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || { echo "brisko ended before the dialog:" >&2; cat "$config/stderr" >&2; exit 1; }
            sleep 0.002
        done
        end=$(date +%s%N)
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        echo $(((end - start) / 1000000))
    }
    for home in "$EMPTY_HOME" "$TREE_HOME"; do
        label="home with only .q3a/baseq3/q3config.cfg"
        [ "$home" = "$TREE_HOME" ] && label="home of $TREE_ENTRIES entries ($home)"
        once "$home" >/dev/null
        times=()
        for ((i = 0; i < runs; i++)); do times+=("$(once "$home")"); done
        sorted=$(printf '%s\n' "${times[@]}" | sort -n)
        median=$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")
        echo "$label: median ${median} ms (runs: ${times[*]})"
    done
    exit 0
fi

for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install $tool)" >&2; exit 1; }
done
if [ -z "$binary" ]; then
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBRISKO_TESTS=OFF >/dev/null
    cmake --build build-release -j"$(nproc)" --target brisko >/dev/null
    binary=$PWD/build-release/src/app/brisko
fi

if [ "$(cat "$tree.entries" 2>/dev/null)" != "$entries" ] || [ ! -d "$tree" ]; then
    echo "Making a tree of $entries entries at $tree ..."
    python3 ../shared/tools/mktree "$tree" --force --entries "$entries" | grep '^STATS'
    echo "$entries" >"$tree.entries"
fi
empty=$(mktemp -d)
trap 'rm -rf "$empty"' EXIT
mkdir -p "$empty/.q3a/baseq3"
: >"$empty/.q3a/baseq3/q3config.cfg"

echo "$binary; load: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors"
BRISKO_BINARY=$binary EMPTY_HOME=$empty TREE_HOME=$tree TREE_ENTRIES=$entries \
    xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' bash "$0" --inner --runs="$runs"
