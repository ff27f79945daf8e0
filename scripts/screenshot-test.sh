#!/usr/bin/env bash
# Starts the real game under a virtual display with a dealt game, saves a picture of its
# window and checks that the picture was written.
# usage: screenshot-test.sh GAME CLI OUT.png
set -euo pipefail
game=$1
cli=$2
out=$3

source "$(dirname "$0")/temp-home.sh"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
temp_home "$home"
unset QT_QPA_PLATFORM

"$cli" play 1 dA --save "$home/game.vlg" > /dev/null
rm -f "$out"
VELMORA_SCREENSHOT="$out" timeout 60 \
  xvfb-run -a -s "-screen 0 1280x900x24" "$game" "$home/game.vlg"

size=$(stat -c %s "$out")
if [ "$size" -lt 20000 ]; then
  echo "screenshot too small ($size bytes): $out"
  exit 1
fi
echo "screenshot: $out ($size bytes)"
