#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, by package name, then fetches
# the public data sources into the cache folder. Quick when nothing is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

apt_packages=(
  cmake g++ make pkg-config git ca-certificates
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libzstd-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth x11-apps imagemagick
  fonts-arphic-uming
  rime-data-stroke rime-data-luna-pinyin rime-data-pinyin-simp
)
command -v npm >/dev/null 2>&1 || apt_packages+=(nodejs npm)

missing=()
for p in "${apt_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ -x "$root/scripts/fetch-sources.sh" ]; then
  "$root/scripts/fetch-sources.sh"
fi
