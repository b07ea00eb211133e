#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for SECONDS on
# a scratch copy of its seed corpus, one after the other.
#   fuzz/run.sh SECONDS [TARGET...]   targets: setup scores song word_list text_fields find_words
# FUZZ_KEEP_GOING=1 keeps fuzzing past crashes (libFuzzer's fork mode), so one
# shallow fault does not end the whole run.
# Exits non-zero when any target crashed, hung, ran out of memory or made a
# sanitizer report; the input that did it is left in build-fuzz/artifacts/<target>/.
set -u
cd "$(dirname "$0")/.."

ALL_TARGETS=(setup scores song word_list text_fields find_words)
if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
  echo "usage: fuzz/run.sh SECONDS [TARGET...]  (targets: ${ALL_TARGETS[*]})" >&2
  exit 2
fi
SECONDS_EACH=$1
shift
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=("${ALL_TARGETS[@]}")
for t in "${TARGETS[@]}"; do
  if [ ! -f "fuzz/fuzz_$t.cpp" ]; then
    echo "unknown target: $t" >&2
    exit 2
  fi
done

BUILD="$PWD/build-fuzz"
mkdir -p "$BUILD"
cmake -S fuzz -B "$BUILD" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DWORDLOOM_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$BUILD/configure.log" 2>&1 \
  || { cat "$BUILD/configure.log"; exit 1; }
build_targets=()
for t in "${TARGETS[@]}"; do build_targets+=(--target "fuzz_$t"); done
# Two cores are shared with other builds: never more than two jobs.
cmake --build "$BUILD" -j2 "${build_targets[@]}" || exit 1

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=0
summary=()
for t in "${TARGETS[@]}"; do
  scratch="$BUILD/scratch/$t"
  artifacts="$BUILD/artifacts/$t"
  log="$BUILD/logs/$t.log"
  rm -rf "$scratch"
  mkdir -p "$scratch" "$artifacts" "$(dirname "$log")"
  # The committed seeds stay as they are; new inputs go to the scratch copy.
  cp -r "fuzz/corpus/$t/." "$scratch/"
  dict=()
  [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="$PWD/fuzz/dict/$t.dict")
  keep_going=()
  [ "${FUZZ_KEEP_GOING:-0}" = 1 ] && keep_going=(-fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1)
  echo "== $t: ${SECONDS_EACH}s"
  "$BUILD/fuzz_$t" "$scratch" "${dict[@]}" "${keep_going[@]}" -max_total_time="$SECONDS_EACH" -timeout=30 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1
  rc=$?
  # libFuzzer's last status line: "#N  DONE  cov: C ft: F corp: ..." (or the last
  # pulse when it stopped early).
  status=$(grep -E '^#[0-9]+' "$log" | tail -1)
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$status")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$status")
  verdict=ok
  if [ $rc -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|FUZZ CHECK FAILED|SUMMARY: ' "$log"; then
    verdict="FAILED (exit $rc, see $log)"
    failed=1
    grep -E 'ERROR:|runtime error:|FUZZ CHECK FAILED|SUMMARY:|Test unit written' "$log" | head -5
  fi
  summary+=("$(printf '%-12s execs %-10s cov %-6s ft %-7s %s' "$t" "${execs:-?}" "${cov:-?}" "${ft:-?}" "$verdict")")
done

echo
printf '%s\n' "${summary[@]}"
exit $failed
