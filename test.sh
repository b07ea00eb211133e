#!/usr/bin/env bash
# Installs what is missing, builds everything into build/ and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
scripts/check_layers.sh
(export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy; cd build && ctest --output-on-failure -j"$(nproc)")
# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer; any
# report fails the run.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DWORDLOOM_SANITIZE=ON -DWORDLOOM_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)" --target wordloom_tests
(export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
 cd build-asan && ctest --output-on-failure -j"$(nproc)")
# Every reader of outside bytes under libFuzzer for a short while (FUZZ_SECONDS each).
fuzz/run.sh "${FUZZ_SECONDS:-30}"
# The real-window suite: the built program under Xvfb, driven with xdotool.
scripts/window_test.sh build
