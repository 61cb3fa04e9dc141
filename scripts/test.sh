#!/usr/bin/env bash
# Builds and runs every test three times: a normal build, an AddressSanitizer +
# UndefinedBehaviorSanitizer build and a ThreadSanitizer build, each failing on any report.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DQML_BUILD_BENCH=OFF "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

echo "== normal build"
run_suite build/normal -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
run_suite build/asan -DCMAKE_BUILD_TYPE=Debug -DQML_SANITIZE=ON

echo "== ThreadSanitizer build"
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
run_suite build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQML_TSAN=ON

echo "== all tests passed"
