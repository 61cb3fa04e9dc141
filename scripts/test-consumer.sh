#!/usr/bin/env bash
# Installs the library into a temporary prefix and builds the host project examples/consumer/
# against it, once with find_package and once with pkg-config; then moves the installed tree
# elsewhere and builds both again, so neither package file may hold the prefix it was installed to.
#
#   bash scripts/test-consumer.sh [BUILD_DIR]    default build/normal, configured when missing
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh pkgconf

build=${1:-build/normal}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQML_BUILD_BENCH=OFF >/dev/null
fi
# What the install rules take: the library and the quorvel-ml tool.
cmake --build "$build" --target quorvelml quorvel-ml -j"$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The sample French file's translation; the language type 3 picks French from the sample catalogue.
expected="Ouvrir le fichier"

fail() {
  echo "test-consumer: $*" >&2
  exit 1
}

# Runs the two programs of one build against the installed tree at $1.
run_programs() {
  local prefix=$1 dir=$2 output
  output=$(LC_ALL=C "$dir/consumer" "$prefix/share/quorvel-ml/lang") || fail "$dir/consumer failed"
  [ "$(head -n1 <<<"$output")" = "$expected" ] || fail "$dir/consumer printed: $output"
  "$dir/version_check" >/dev/null || fail "$dir/version_check: header and library disagree"
}

# Builds and runs the consumer against the installed tree at $1, through CMake, then pkg-config.
check() {
  local prefix=$1 out=$work/builds/$2
  echo "== consumer, find_package: $2"
  cmake -S examples/consumer -B "$out/cmake" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
  grep -q "^quorvel_ml_DIR:PATH=$prefix/" "$out/cmake/CMakeCache.txt" ||
    fail "find_package took a quorvel_ml package from outside $prefix"
  cmake --build "$out/cmake" >/dev/null
  run_programs "$prefix" "$out/cmake"

  echo "== consumer, pkg-config: $2"
  local pcfile flags libdir
  pcfile=$(find "$prefix" -name quorvelml.pc)
  [ -n "$pcfile" ] || fail "no quorvelml.pc under $prefix"
  # Only the tree under test, never a copy installed on the system.
  export PKG_CONFIG_LIBDIR
  PKG_CONFIG_LIBDIR=$(dirname "$pcfile")
  flags=$(pkg-config --cflags --libs quorvelml)
  libdir=$(pkg-config --variable=libdir quorvelml)
  mkdir -p "$out/pkg-config"
  "${CXX:-c++}" -std=c++17 -Wall -Wextra -Werror examples/consumer/consumer.cpp $flags -Wl,-rpath,"$libdir" \
    -o "$out/pkg-config/consumer"
  "${CC:-cc}" -std=c99 -pedantic -Wall -Wextra -Werror examples/consumer/version_check.c $flags \
    -Wl,-rpath,"$libdir" -o "$out/pkg-config/version_check"
  run_programs "$prefix" "$out/pkg-config"
}

cmake --install "$build" --prefix "$work/installed" >/dev/null
check "$work/installed" "installed"
mkdir -p "$work/somewhere/else"
mv "$work/installed" "$work/somewhere/else/tree"
check "$work/somewhere/else/tree" "moved"
echo "== consumer builds passed"
