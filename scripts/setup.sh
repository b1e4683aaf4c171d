#!/usr/bin/env bash
# Installs the Debian packages this checkout needs, by name, then fetches the
# public data sources into .cache/. Quick when nothing is missing.
#
#   scripts/setup.sh          what building and running the program need (./run.sh)
#   scripts/setup.sh --windows  and what the Windows build needs (scripts/build-windows.sh)
#   scripts/setup.sh --test   and the tools of the tests, the sanitizer and fuzzing
#                             builds, the Debian packages and the Windows build
#                             and its tests under Wine (./test.sh)
#
# As root it installs with apt-get, through sudo otherwise; without either it
# prints the apt-get line to run as root and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# Building and running: compiler and build tools, Qt, zstd, FreeType, the
# Chinese fonts (AR PL UMing and UKai, which the characters without stroke
# outlines are drawn from; Noto Serif CJK SC, which covers all of GBK, for every
# character the window shows), a Latin font where l and 1 differ, Qt's own
# translations, and the data sources that Debian carries. Every name is in
# Debian 12 and 13.
apt_packages=(
  cmake g++ make pkg-config ca-certificates debian-archive-keyring
  qt6-base-dev qt6-base-dev-tools libgl-dev libzstd-dev libfreetype-dev
  fonts-arphic-uming fonts-arphic-ukai fonts-noto-cjk
  fonts-dejavu-core qt6-translations-l10n
  rime-data-stroke rime-data-luna-pinyin rime-data-pinyin-simp
)
command -v npm >/dev/null 2>&1 || apt_packages+=(nodejs npm)

# Tests: clang and its fuzzing runtime, an X server for the screenshots, the
# desktop-entry and AppStream validators, what the Debian packages are
# built and checked with, and the Kai font GB2312's stroke outlines were cut
# from (the stroke-extraction check, target check_stroke_extraction).
test_packages=(
  clang libclang-rt-dev fonts-arphic-gkai00mp
  xvfb xauth
  desktop-file-utils appstream
  dpkg-dev lintian file
)

# The Windows build: the MinGW-w64 compiler (posix threads), what Qt's source
# is fetched, unpacked and built with, Wine to run what is built, NSIS for
# the installer and icotool for its icon; its tests click and photograph the
# window under Xvfb.
windows_packages=(
  g++-mingw-w64-x86-64-posix wine64 wine nsis icoutils
  dpkg-dev ninja-build patch perl
)
windows_test_packages=(xvfb xauth xdotool imagemagick)

case "${1:-}" in
  --test) apt_packages+=("${test_packages[@]}" "${windows_packages[@]}" "${windows_test_packages[@]}") ;;
  --windows) apt_packages+=("${windows_packages[@]}") ;;
  "") ;;
  *) echo "usage: scripts/setup.sh [--test | --windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${apt_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

ask_root() {
  echo "setup: missing Debian packages: ${missing[*]}" >&2
  echo "setup: run as root:  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  echo "setup: then run this command again." >&2
  exit 1
}

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    as_root=()
  elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    ask_root
  fi
  echo "setup: installing ${missing[*]}"
  # sudo drops the caller's environment: apt is given its own through env.
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq || ask_root
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" || ask_root
fi

if [ -x "$root/scripts/fetch-sources.sh" ]; then
  "$root/scripts/fetch-sources.sh"
fi
