#!/usr/bin/env bash
# Builds assetgen and rewrites data/Files with its output (fonts are not part of it:
# cmake/fonts.cmake copies those from the font packages at build time).
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install_deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target assetgen
build/tools/assetgen/assetgen data/Files
echo "data/Files regenerated; check 'git status data/Files'"
