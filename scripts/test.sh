#!/usr/bin/env bash
# Installs what is missing, builds the game twice (plain, and with AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs every test of both builds under a private
# virtual display and sound server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVANTRELLO_SANITIZE=ON -DVANTRELLO_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_tests() {
    ctest --test-dir build --output-on-failure -j"$jobs"
    ctest --test-dir build-asan --output-on-failure -j"$jobs"
}
export -f run_tests
scripts/with-display.sh scripts/with-audio.sh bash -c run_tests
