#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each of them, two at a time.
#
#   bash fuzz/run.sh [seconds per target] [target ...]       default: 20 seconds, every target
#   QML_FUZZ_RUNS=10000000 bash fuzz/run.sh 0 phrase_translator   a number of executions (0 seconds: no
#                                                                 time limit, else whichever ends first)
#   QML_FUZZ_SEED=1 ...                                           a fixed random seed: the same
#                                                                 executions on every run
#   QML_FUZZ_BUILD_DIR=build/fuzz-long ...                        another build directory
#
# Each target starts from its seeds in fuzz/corpus/<target> and keeps what it learns in
# build/fuzz/corpus/<target>; a failing input lands in build/fuzz/artifacts/<target>/ and the
# script exits non-zero. Logs: build/fuzz/logs/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang libclang-rt-14-dev

seconds=${1:-20}
shift || true
runs=${QML_FUZZ_RUNS:-}
seed=${QML_FUZZ_SEED:-}
build=${QML_FUZZ_BUILD_DIR:-build/fuzz}

CC=clang CXX=clang++ cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in fuzz/targets/*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

run_target() {
  local target=$1
  local work=$build/corpus/$target artifacts=$build/artifacts/$target/ log=$build/logs/$target.log
  mkdir -p "$work" "$artifacts" "$(dirname "$log")"
  local limit=(-max_total_time="$seconds")
  [ -n "$runs" ] && limit+=(-runs="$runs")
  [ -n "$seed" ] && limit+=(-seed="$seed")
  if ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/fuzz_$target" "${limit[@]}" -max_len=4096 -timeout=30 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    echo "fuzz: $target passed, $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$') executions"
  else
    echo "fuzz: $target FAILED, see $log and $artifacts" >&2
    grep -E "property broken|ERROR: |SUMMARY" -A3 "$log" | head -20 >&2 || true
    return 1
  fi
}

# Two at a time: each target is one process, and the machine has few cores.
parallel=$(($(nproc) < 2 ? 1 : 2))
failed=0
running=0
for target in "${targets[@]}"; do
  if ((running >= parallel)); then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
while ((running > 0)); do
  wait -n || failed=1
  running=$((running - 1))
done
exit $failed
