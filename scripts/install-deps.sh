#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run the game.
# Does nothing when everything is already present. With --fuzz, also the clang and libFuzzer
# that `make fuzz` needs (clang 19: the standard library's std::expected needs it).
set -euo pipefail

packages=(
  build-essential cmake make pkg-config clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev
  xvfb xauth fonts-dejavu-core
  librsvg2-bin
  desktop-file-utils appstream libxml2-utils shared-mime-info
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang-19 libclang-rt-19-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
