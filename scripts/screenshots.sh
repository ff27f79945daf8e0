#!/usr/bin/env bash
# Pictures of the game window under a virtual display.
#   screenshots.sh [BUILD]             the README's pictures, written to docs/
#   screenshots.sh BUILD DIR [all]     the same at 1x and 2x in DIR/1x and DIR/2x, with every
#                                      dialog the menus open when "all" is given
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shots=$build/tests/mainwindow/window_shots
cmake --build "$build" --target window_shots > /dev/null

source scripts/temp-home.sh
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
temp_home "$home"
unset QT_QPA_PLATFORM

run() {
  VELMORA_SHOTS=$1 QT_SCALE_FACTOR=$2 xvfb-run -a -s "-screen 0 1600x1200x24" "$shots" \
    --gtest_brief=1
}

if [ $# -lt 2 ]; then
  run "$PWD/docs" 1
  exit 0
fi
out=$2
if [ "${3:-}" = all ]; then
  export VELMORA_SHOTS_ALL=1
fi
run "$out/1x" 1
run "$out/2x" 2
