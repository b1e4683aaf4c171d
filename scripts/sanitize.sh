#!/usr/bin/env bash
# Builds the program's tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan and runs them on the offscreen platform. Any report fails the run.
#
#   scripts/sanitize.sh            every test but the soak
#   scripts/sanitize.sh --quick    the window-free and window tests only (what ./test.sh runs)
#   scripts/sanitize.sh -R lookup  extra arguments go to ctest
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${LUMBRELL_ASAN_BUILD:-$root/build-asan}"
jobs="${LUMBRELL_JOBS:-$(nproc)}"

# The data comes from the main build (./test.sh builds it first).
data="${LUMBRELL_DATA:-$root/build/data}"
if [ ! -f "$data/wwbb11.dat" ]; then
  echo "sanitize.sh: no built data in $data: run scripts/build.sh first (or set LUMBRELL_DATA)" >&2
  exit 1
fi

quick=0
if [ "${1:-}" = "--quick" ]; then
  quick=1
  shift
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMBRELL_SANITIZE=ON -DLUMBRELL_DATA_TOOLS=OFF -DLUMBRELL_PREBUILT_DATA="$data" >/dev/null
cmake --build "$build" -j"$jobs"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

# The soak test repeats the whole character set ten times: too slow under the sanitizers.
selection=(-LE soak)
if [ "$quick" = 1 ]; then
  # The program's own areas; the pictures of the data build and the screenshot are left to the full run.
  selection+=(-E 'tst_screenshot|tst_decomposer|tst_drawing|tst_picture_stage')
fi
cd "$build"
ctest --output-on-failure -j"$jobs" "${selection[@]}" "$@"
