#!/usr/bin/env bash
# Installs what is missing, builds everything into build/ and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
scripts/check_layers.sh
(export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy; cd build && ctest --output-on-failure -j"$(nproc)")
# The real-window suite: the built program under Xvfb, driven with xdotool.
scripts/window_test.sh build
