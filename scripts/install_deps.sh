#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need, if missing.
set -euo pipefail
PACKAGES=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev
          libpng-dev zlib1g-dev libgtest-dev libbenchmark-dev xvfb xdotool imagemagick
          x11-utils fonts-dejavu-core clang libclang-rt-14-dev)
if [ -f "$(dirname "$0")/extra_packages.txt" ]; then
  while read -r p; do [ -n "$p" ] && PACKAGES+=("$p"); done < "$(dirname "$0")/extra_packages.txt"
fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
