#!/usr/bin/env bash
# Builds everything and runs every test, then all of it again under the sanitizers.
set -euo pipefail
build=${1:-build}
jobs=${2:-2}
cd "$(dirname "$0")/.."

export QT_QPA_PLATFORM=offscreen

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"

# The whole suite again under the address and undefined-behaviour sanitizers: any report fails
# its test.
cmake -S . -B "$build-asan" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_CORE_ONLY=OFF
cmake --build "$build-asan" -j"$jobs"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp}
ctest --test-dir "$build-asan" --output-on-failure -j"$jobs"
