#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, address and undefined-behaviour sanitizers) and runs each
# for a bounded time. Seeds and crashes live in fuzz/corpus/<target>/ (a crash is written there
# as crash-<hash>, so that the ordinary test run replays it from then on); what a run learns
# besides goes to <build>/corpus/<target>/, which later runs start from.
# Usage: run-fuzz.sh [build-dir] [seconds-per-target] [targets...]
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
cd "$(dirname "$0")/.."

cxx=${FUZZ_CXX:-}
if [ -z "$cxx" ]; then
  # The standard library's std::expected needs clang 19 or later.
  for candidate in clang++-22 clang++-21 clang++-20 clang++-19; do
    if command -v "$candidate" >/dev/null; then
      cxx=$candidate
      break
    fi
  done
fi
if [ -z "$cxx" ]; then
  echo "run-fuzz.sh: no clang++ 19 or later found (scripts/install-deps.sh --fuzz)" >&2
  exit 1
fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=()
  for dir in fuzz/corpus/*/; do
    targets+=("$(basename "$dir")")
  done
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
  -DVELMORA_FUZZ=ON -DVELMORA_BENCH=OFF
cmake --build "$build" -j"${JOBS:-2}" --target "${targets[@]/#/fuzz_}"

symbolizer=$(command -v "llvm-symbolizer-${cxx##*-}" || command -v llvm-symbolizer || true)
if [ -n "$symbolizer" ]; then
  export ASAN_SYMBOLIZER_PATH=$symbolizer
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
# Absolute paths: a target may change its working folder.
root=$PWD
case $build in /*) ;; *) build=$root/$build ;; esac
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  echo "== fuzz_$t for ${seconds}s"
  if ! "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$root/fuzz/corpus/$t/" \
      "$build/corpus/$t" "$root/fuzz/corpus/$t"; then
    failed+=("$t")
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "run-fuzz.sh: crashes in ${failed[*]}; the inputs are in fuzz/corpus/<target>/" >&2
  exit 1
fi
