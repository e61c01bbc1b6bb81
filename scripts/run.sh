#!/usr/bin/env bash
# Installs what is missing, builds Brisko and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISKO_TESTS=OFF
cmake --build build -j"$(nproc)" --target brisko
exec ./build/src/app/brisko
