#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTRELLO_BENCHMARKS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target vantrello
exec build/bin/vantrello
