#!/usr/bin/env bash
# Installs what is missing, builds Brisko with warnings as errors and runs every
# test headless; then again under AddressSanitizer and UndefinedBehaviorSanitizer;
# runs the tests of the search and of what follows it under ThreadSanitizer; then
# fuzzes the save for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# The sources as the repository's .clang-format lays them out.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
# No folder of src/ includes a header of a layer above it.
bash scripts/check-layers.sh

# The package needs none of the test tools: package.sh, run where dpkg-query
# knows no package installed, asks apt-get for the packaging set alone, and
# apt-get stops it there.
asked=$(
    fake=$(mktemp -d)
    trap 'rm -rf "$fake"' EXIT
    printf '#!/bin/sh\nexit 1\n' >"$fake/dpkg-query"
    printf '#!/bin/sh\nexec "$@"\n' >"$fake/sudo"
    cat >"$fake/apt-get" <<'END'
#!/bin/sh
[ "$1" = install ] || exit 0
for name; do case $name in install | -*) ;; *) echo "$name" ;; esac; done
exit 1
END
    chmod +x "$fake"/*
    PATH="$fake:$PATH" bash scripts/package.sh 2>/dev/null || true
)
expected="appstream cmake desktop-file-utils dpkg-dev file g++ lintian make pkg-config qt6-base-dev"
[ "$(LC_ALL=C sort <<<"$asked" | xargs)" = "$expected" ] ||
    { echo "test: package.sh asks for: $(xargs <<<"$asked"); expected: $expected" >&2; exit 1; }

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DBRISKO_WERROR=ON -DBRISKO_BENCH=ON
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

# Brisko as a desktop installs it and as a Debian package, from a Release build
# of the program alone.
bash scripts/check-package.sh

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBRISKO_WERROR=ON -DBRISKO_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

# The search's threads under ThreadSanitizer (clang): the discovery, dialogs and
# launch tests, in a build of their own; a race ends its test with a failure. The
# tests that start programs with QProcess (a Windows program built and run through
# Wine, the real OpenArena) are left out: the sanitizer's runtime (clang 14) aborts
# in the child that QProcess clones.
CC=clang CXX=clang++ cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DBRISKO_WERROR=ON -DBRISKO_TSAN=ON
cmake --build build-tsan --target discovery_tests dialogs_tests launch_tests -j"$jobs"
for area in discovery dialogs launch; do
    TSAN_OPTIONS=halt_on_error=1 ctest --test-dir "build-tsan/tests/$area" --output-on-failure \
        -j"$jobs" -E 'ARealWindowsProgramThroughRealWineInItsPrefix|OpenArenaTest\.'
done

# The save fuzzer (clang, libFuzzer), for a fixed time from the real configs; any
# finding fails and is kept in build-fuzz/. Only the fuzz target is built. Its
# temporary folders go to memory where it can, as a save flushes to disk.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBRISKO_FUZZ=ON -DBRISKO_TESTS=OFF
cmake --build build-fuzz --target config_save_fuzz -j"$jobs"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
scratch=/dev/shm
[ -d "$scratch" ] && [ -w "$scratch" ] || scratch="${TMPDIR:-/tmp}"
TMPDIR="$scratch" build-fuzz/fuzz/config_save_fuzz -max_total_time=60 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ "$corpus" ../shared/configs
