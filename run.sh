#!/usr/bin/env bash
# Installs what is missing, builds the game into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target wordloom
exec build/wordloom
