#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything, then runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh" --test
"$root/scripts/build.sh"

# Runs the tests of one build folder. The tests get a temporary folder of
# their own: whatever is in it afterwards was left behind by a test, and that
# fails the run. Qt keeps its runtime files where XDG_RUNTIME_DIR says, else
# in the temporary folder.
run_tests() {
  local build=$1
  shift
  local scratch runtime status=0 leftovers
  scratch=$(mktemp -d)
  runtime=$(mktemp -d)
  TMPDIR="$scratch" XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$runtime}" QT_QPA_PLATFORM=offscreen \
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@" || status=$?
  leftovers=$(find "$scratch" -mindepth 1 -maxdepth 1)
  rm -rf "$scratch" "$runtime"
  if [ -n "$leftovers" ]; then
    echo "test.sh: tests left files in the temporary folder:" >&2
    echo "$leftovers" >&2
    status=1
  fi
  return "$status"
}

run_tests "$root/build" "$@"

# The Windows build and its tests under Wine: the window-free suites
# cross-built, and the installer in a fresh Wine prefix.
"$root/scripts/build-windows.sh"
run_tests "$root/build/windows"

# The program's own tests once more under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan); LUMBRELL_SANITIZE_TESTS=0 leaves them out, =full runs every test there.
case "${LUMBRELL_SANITIZE_TESTS:-quick}" in
  0) ;;
  full) "$root/scripts/sanitize.sh" ;;
  *) "$root/scripts/sanitize.sh" --quick ;;
esac
