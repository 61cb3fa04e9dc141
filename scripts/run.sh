#!/usr/bin/env bash
# The main job: builds the library and shows it at work on the sample language directory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/normal -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/normal -j"$(nproc)" --target example_host
build/normal/examples/example_host examples/lang
