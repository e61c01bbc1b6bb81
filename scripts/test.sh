#!/usr/bin/env bash
# Installs what is missing, builds Brisko with warnings as errors and runs every
# test headless; then again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# The sources as the repository's .clang-format lays them out.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

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
