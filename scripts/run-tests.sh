#!/usr/bin/env bash
# Builds everything and runs every test, then the core again under the sanitizers.
set -euo pipefail
build=${1:-build}
jobs=${2:-2}
cd "$(dirname "$0")/.."

export QT_QPA_PLATFORM=offscreen

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"

# The standard-library core under address and undefined-behaviour sanitizers.
cmake -S . -B "$build-asan" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_CORE_ONLY=ON
cmake --build "$build-asan" -j"$jobs"
ctest --test-dir "$build-asan" --output-on-failure -j"$jobs"
