#!/usr/bin/env bash
# The time from Brisko's start to its selection dialog ("Select Config" shown),
# under a virtual X server, for two homes: one holding only
# .q3a/baseq3/q3config.cfg, and a generated tree of many entries.
#
#   bash scripts/startup-time.sh [--runs=N] [--tree=PATH] [--entries=N] [--binary=PATH] [--cold]
#
# The tree is made by ../shared/tools/mktree at --tree (default
# /tmp/brisko-bench-tree, as discovery_bench makes it) unless one of the same
# entry count is there. Brisko is built in build-release first, unless --binary
# names the program to time (another build, to compare). Each home is
# started once untimed (warm cache), then --runs times (default 5); the median is
# printed with every run, and the time the first window titled "Brisko" showed
# (the progress window of the search, when it came before the dialog).
#
# With --cold, only the tree is timed, each start after writing back and dropping
# the page cache (as the first start after a boot; needs root), and each start
# followed by GNU find on the same tree, cold too: the medians and their ratio
# are printed. Run by hand; needs xvfb-run and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=5
tree=/tmp/brisko-bench-tree
entries=1000000
inner=false
cold=false
binary=
for arg in "$@"; do
    case "$arg" in
        --runs=*) runs=${arg#*=} ;;
        --tree=*) tree=${arg#*=} ;;
        --entries=*) entries=${arg#*=} ;;
        --binary=*) binary=$(realpath "${arg#*=}") ;;
        --cold) cold=true ;;
        --inner) inner=true ;;
        *) echo "unknown argument: $arg" >&2; exit 2 ;;
    esac
done

now() { date +%s%N; }
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
dropCache() { sync && echo 3 >/proc/sys/vm/drop_caches; }
# The cache dropped, then xdotool read back, so that the tool that watches for
# the windows does not wait on the disk itself.
coldStart() { dropCache && xdotool getmouselocation >/dev/null 2>&1; }

# Inside the X server: time each home.
if $inner; then
    brisko=$BRISKO_BINARY
    config=$(mktemp -d)
    trap 'rm -rf "$config"' EXIT
    # Milliseconds from the start of the process to the first window titled
    # "Brisko" and to the dialog on the screen: "FIRST DIALOG".
    once() {
        local start first="" pid
        start=$(now)
        HOME="$1" XDG_CONFIG_HOME="$config" "$brisko" >/dev/null 2>>"$config/stderr" &
        pid=$!
        until xdotool search --onlyvisible --name '^Select Config$' >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || { echo "brisko ended before the dialog:" >&2; cat "$config/stderr" >&2; exit 1; }
            if [ -z "$first" ] && xdotool search --onlyvisible --name '^Brisko$' >/dev/null 2>&1; then
                first=$((($(now) - start) / 1000000))
            fi
            sleep "$POLL"
        done
        local end
        end=$(now)
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        echo "${first:--} $(((end - start) / 1000000))"
    }
    # The watching costs processor time the start needs: in a start of seconds
    # (cold), it looks every 20 ms rather than every 2.
    POLL=0.002
    if $COLD; then
        POLL=0.02
        starts=() firsts=() finds=()
        for ((i = 0; i < runs; i++)); do
            coldStart
            read -r first dialog < <(once "$TREE_HOME")
            starts+=("$dialog") firsts+=("$first")
            dropCache
            start=$(now)
            find "$TREE_HOME" -iname q3config.cfg >/dev/null
            finds+=($((($(now) - start) / 1000000)))
        done
        echo "cold, home of $TREE_ENTRIES entries: to the dialog: median $(median "${starts[@]}") ms" \
            "(runs: ${starts[*]}; first \"Brisko\" window: ${firsts[*]})"
        echo "cold, find -iname q3config.cfg: median $(median "${finds[@]}") ms (runs: ${finds[*]})"
        awk -v a="$(median "${starts[@]}")" -v b="$(median "${finds[@]}")" \
            'BEGIN { printf "ratio start to the dialog / find: %.2f\n", a / b }'
        exit 0
    fi
    for home in "$EMPTY_HOME" "$TREE_HOME"; do
        label="home with only .q3a/baseq3/q3config.cfg"
        [ "$home" = "$TREE_HOME" ] && label="home of $TREE_ENTRIES entries ($home)"
        once "$home" >/dev/null
        times=() firsts=()
        for ((i = 0; i < runs; i++)); do
            read -r first dialog < <(once "$home")
            times+=("$dialog") firsts+=("$first")
        done
        echo "$label: median $(median "${times[@]}") ms (runs: ${times[*]}; first \"Brisko\" window: ${firsts[*]})"
    done
    exit 0
fi

for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install $tool)" >&2; exit 1; }
done
if $cold && ! { [ -w /proc/sys/vm/drop_caches ] && dropCache; } 2>/dev/null; then
    echo "--cold: the page cache cannot be dropped here (needs root and a writable /proc/sys/vm/drop_caches); skipped"
    exit 0
fi
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
BRISKO_BINARY=$binary EMPTY_HOME=$empty TREE_HOME=$tree TREE_ENTRIES=$entries COLD=$cold \
    xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' bash "$0" --inner --runs="$runs"
