#!/usr/bin/env bash
# Starts the real game twice in one user session (headless, in a temporary home): the second
# start must hand over to the first and end at once; after the first was killed, leaving its
# socket file behind, a new start must run and take the socket over.
# usage: single-instance-test.sh GAME
set -euo pipefail
game=$1

source "$(dirname "$0")/temp-home.sh"
home=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$home"
}
trap cleanup EXIT
temp_home "$home"
export QT_QPA_PLATFORM=offscreen

# Waits up to 30 s for a copy of the game to listen.
wait_for_socket() {
  for _ in $(seq 300); do
    if compgen -G "$XDG_RUNTIME_DIR/velmora2003-*" > /dev/null; then
      return 0
    fi
    sleep 0.1
  done
  echo "no copy of the game listens"
  return 1
}

# A later start hands over and ends; the running copy goes on.
check_hand_over() {
  local rc=0
  timeout 20 "$game" > /dev/null 2>&1 || rc=$?
  if [ "$rc" -ne 0 ]; then
    echo "a second start did not hand over (status $rc)"
    exit 1
  fi
  if ! kill -0 "$1" 2>/dev/null; then
    echo "the running copy ended"
    exit 1
  fi
}

"$game" > /dev/null 2>&1 &
first=$!
pids+=("$first")
wait_for_socket
check_hand_over "$first"

kill -9 "$first"
wait "$first" 2>/dev/null || true
socket=$(compgen -G "$XDG_RUNTIME_DIR/velmora2003-*") || { echo "no socket file left"; exit 1; }
stale=$(stat -c "%i %.9Z" "$socket")

"$game" > /dev/null 2>&1 &
next=$!
pids+=("$next")
# The new copy replaces the stale socket file by its own.
for _ in $(seq 300); do
  if [ -S "$socket" ] && [ "$(stat -c "%i %.9Z" "$socket")" != "$stale" ]; then
    check_hand_over "$next"
    echo "hand-over checked"
    exit 0
  fi
  sleep 0.1
done
echo "a start after a killed copy never took the socket over"
exit 1
