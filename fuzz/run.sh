#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, ASan and UBSan in build-fuzz,
# then runs each in turn for the given number of seconds (default 180).
# A crashing input lands in build-fuzz/artifacts/<target>/; copy it to
# tests/hardening/regressions/<target>/ so the test suite replays it.
#
#   fuzz/run.sh [seconds] [target...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${LUMBRELL_FUZZ_BUILD:-$root/build-fuzz}"
seconds="${1:-180}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(record_file point_list table_search table_file)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMBRELL_FUZZ=ON -DLUMBRELL_SANITIZE=ON -DLUMBRELL_DATA_TOOLS=OFF >/dev/null
cmake --build "$build" -j"${LUMBRELL_JOBS:-2}" --target fuzz

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  seeds=("$root/fuzz/corpus/$target")
  [ -d "$root/tests/hardening/regressions/$target" ] && seeds+=("$root/tests/hardening/regressions/$target")
  echo "== fuzz_$target for ${seconds}s"
  # One worker: the machine's cores are shared.
  "$build/fuzz/fuzz_$target" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -max_len=16384 \
    -timeout=10 -rss_limit_mb=4096 -artifact_prefix="$artifacts/" -print_final_stats=1 || status=1
done
exit $status
