#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program and its data, and starts it
# (arguments go to the program: ./run.sh 峰).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "$root/build/bin/lumbrell" "$@"
