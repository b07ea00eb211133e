#!/usr/bin/env bash
# The platform layer is the only code that may include SDL, SDL_ttf, SDL_image or libpng.
cd "$(dirname "$0")/.."
hits=$(grep -rnE '#\s*include\s*[<"](SDL2?/|SDL[_a-z]*\.h|png\.h)' src --include='*.h' --include='*.cpp' | grep -v '^src/platform/')
if [ -n "$hits" ]; then
  echo "SDL or libpng included outside src/platform:"
  echo "$hits"
  exit 1
fi
echo "Layer check passed: SDL and libpng only in src/platform"
