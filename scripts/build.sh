#!/usr/bin/env bash
# Configures and builds the program, its data and its tests in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j"$(nproc)"
