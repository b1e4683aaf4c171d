#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything, then runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh" --test
"$root/scripts/build.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
# The program's own tests once more under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan); LUMBRELL_SANITIZE_TESTS=0 leaves them out, =full runs every test there.
case "${LUMBRELL_SANITIZE_TESTS:-quick}" in
  0) ;;
  full) "$root/scripts/sanitize.sh" ;;
  *) "$root/scripts/sanitize.sh" --quick ;;
esac
