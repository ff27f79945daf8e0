#!/usr/bin/env bash
# Start-up against an empty Qt main window of the same size with a menu bar, toolbar and
# status bar: both are started alternately, RUNS times each, under one virtual display, with a
# game dealt from the command line. For each start: the time from launch to the first frame
# on screen, and the peak memory (/usr/bin/time -f %M). Prints the medians, their ratio and
# the peak memory of each.
#   bench/startup.sh [BUILD] [RUNS]
# QT_SCALE_FACTOR is passed through (unset: 1x).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-10}
if [ -z "${VELMORA_STARTUP_INNER:-}" ]; then
  cmake --build "$build" --target velmora2003 velmora_baseline_window > /dev/null
  unset QT_QPA_PLATFORM
  exec env VELMORA_STARTUP_INNER=1 xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$build" "$runs"
fi

game=$build/src/app/velmora2003
baseline=$build/bench/velmora_baseline_window
source scripts/temp-home.sh
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
temp_home "$home"
printf ' 1 \r\n' > "$home/dealt.vlg" # game 1, no moves yet

# One start of PROGRAM ARGS...: prints "MILLISECONDS KILOBYTES".
start() {
  local out=$home/out mem=$home/mem before
  before=$(date +%s%N)
  VELMORA_FIRST_FRAME=1 timeout 60 /usr/bin/time -f %M -o "$mem" "$@" > "$out" 2> /dev/null
  awk -v before="$before" -v kb="$(cat "$mem")" \
    '/^first-frame/ { printf "%.2f %d\n", ($2 * 1000 - before) / 1e6, kb }' "$out"
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# A first start of each, not counted: the game's first run sets up its folders, and both load
# their libraries into the page cache.
size=$(start "$game" "$home/dealt.vlg" > /dev/null; VELMORA_FIRST_FRAME=1 timeout 60 "$game" \
  "$home/dealt.vlg" 2> /dev/null | awk '/^first-frame/ { sub("x", " ", $3); print $3 }')
start "$baseline" $size > /dev/null

: > "$home/game.txt"
: > "$home/baseline.txt"
for ((i = 1; i <= runs; i++)); do
  start "$game" "$home/dealt.vlg" >> "$home/game.txt"
  start "$baseline" $size >> "$home/baseline.txt"
done

gameMs=$(cut -d' ' -f1 "$home/game.txt" | median)
baseMs=$(cut -d' ' -f1 "$home/baseline.txt" | median)
gameKb=$(cut -d' ' -f2 "$home/game.txt" | median)
baseKb=$(cut -d' ' -f2 "$home/baseline.txt" | median)
echo "window ${size/ /x}, scale ${QT_SCALE_FACTOR:-1}, $runs starts each, medians; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "game:     first frame $(cut -d' ' -f1 "$home/game.txt" | tr '\n' ' ')ms"
echo "baseline: first frame $(cut -d' ' -f1 "$home/baseline.txt" | tr '\n' ' ')ms"
awk -v g="$gameMs" -v b="$baseMs" -v gk="$gameKb" -v bk="$baseKb" 'BEGIN {
  printf "first frame: game %.1f ms, baseline %.1f ms, ratio %.3f\n", g, b, g / b
  printf "peak memory: game %.1f MB, baseline %.1f MB, difference %.1f MB\n", gk / 1024, bk / 1024, (gk - bk) / 1024
}'
