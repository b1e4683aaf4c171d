#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything, then runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
