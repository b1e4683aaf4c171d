#!/usr/bin/env bash
# The full data build, timed: the builder on the cached sources into a fresh
# temporary folder, several runs, the median reported like the other benchmarks.
#   time_data_build.sh LUMBRELL_DATA SOURCE_CACHE RIME_DATA [RUNS]
set -euo pipefail
builder="$1" sources="$2" rime="$3" runs="${4:-3}"
times=()
for ((i = 1; i <= runs; i++)); do
  out=$(mktemp -d)
  start=$(date +%s%N)
  "$builder" --sources "$sources" --rime-data "$rime" --out "$out" >/dev/null
  end=$(date +%s%N)
  rm -rf "$out"
  times+=($(((end - start) / 1000000)))
  echo "data build run $i: ${times[-1]} ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "RESULT : DataBuild::fullDataBuild(): $median msecs (median of $runs runs)"
