#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, checks the licence information of every file (reuse lint), builds
# the game and its tests three times, each with warnings as errors, and runs every test of every
# build under a private virtual display and sound server:
#
#   build-gcc     GCC, Release (as packagers build), with the benchmarks (so they keep compiling),
#                 and the Debian package built from it and checked (tests/packaging/)
#   build-asan    GCC, Debug, AddressSanitizer and UndefinedBehaviorSanitizer
#   build-clang   clang, Release
#
# so that a change that breaks one compiler or one optimisation level cannot land.
#
#   scripts/test.sh           all three builds (what CI runs)
#   scripts/test.sh --quick   the GCC build and its tests only, for a quick local loop
set -euo pipefail
cd "$(dirname "$0")/.."

quick=0
case "${1:-}" in
"") ;;
--quick) quick=1 ;;
-h | --help)
    sed -n '6,18s/^# \{0,1\}//p' "$0"
    exit 0
    ;;
*)
    echo "usage: $0 [--quick]" >&2
    exit 2
    ;;
esac

scripts/install-deps.sh test

# Every file states its copyright and licence, and every licence named has its text in LICENSES/.
if ! reuse lint --quiet; then
    reuse lint | tail -n 20 >&2
    echo "test.sh: reuse lint FAILED" >&2
    exit 1
fi

jobs=$(nproc)
started=$SECONDS
# Prints how long each step took, so that the time CI spends stays visible.
took() {
    echo "test.sh: $1 took $((SECONDS - $2)) s" >&2
}

# build DIR COMPILER [CMAKE ARGS...]: configures and builds every target with warnings as errors.
# The compiler is named explicitly, so that CXX in the environment cannot swap it.
build() {
    local dir=$1 compiler=$2 step=$SECONDS
    shift 2
    cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
        "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    took "building $dir" "$step"
}

build_dirs=(build-gcc)
build build-gcc g++ -DCMAKE_BUILD_TYPE=Release -DVANTRELLO_BENCHMARKS=ON \
    -DVANTRELLO_PACKAGE_TESTS=ON
if [ "$quick" -eq 0 ]; then
    build_dirs+=(build-asan build-clang)
    build build-asan g++ -DCMAKE_BUILD_TYPE=Debug -DVANTRELLO_SANITIZE=ON \
        -DVANTRELLO_BENCHMARKS=OFF -DVANTRELLO_PACKAGE_TESTS=OFF
    build build-clang clang++ -DCMAKE_BUILD_TYPE=Release -DVANTRELLO_BENCHMARKS=OFF \
        -DVANTRELLO_PACKAGE_TESTS=OFF
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export -f took
export jobs
# Runs the tests of every build, even after one has failed, and fails if any failed.
run_tests() {
    local dir step status=0
    for dir in "$@"; do
        step=$SECONDS
        if ! ctest --test-dir "$dir" --output-on-failure -j"$jobs"; then
            echo "test.sh: tests of $dir FAILED" >&2
            status=1
        fi
        took "testing $dir" "$step"
    done
    return "$status"
}
export -f run_tests
scripts/with-display.sh scripts/with-audio.sh bash -c 'run_tests "$@"' run_tests "${build_dirs[@]}"
took "test.sh" "$started"
