#!/usr/bin/env bash
# Starts the game from the build tree; falls back to the companion where no game window is built.
set -euo pipefail
build=${1:-build}
if [ -x "$build/src/app/velmora2003" ]; then
  exec "$build/src/app/velmora2003" "${@:2}"
fi
exec "$build/src/velmora2003-cli" deal 1
