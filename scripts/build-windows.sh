#!/usr/bin/env bash
# Builds the Windows installer build/windows/lumbrell-3.0-setup.exe from
# Debian packages alone:
# - installs what the Windows build needs (scripts/setup.sh --windows);
# - builds the data in the Linux build (build/; the data is the same on
#   every platform) and the Linux program, which the tests compare with;
# - builds Qt for Windows, or reuses the cached one (scripts/build-qt-mingw.sh);
# - cross-builds lumbrell.exe and its tests in build/windows, lays out the
#   program folder (build/windows/program) and packs it with NSIS.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux_build="$root/build"
windows_build="$linux_build/windows"
jobs=${LUMBRELL_JOBS:-$(nproc)}

"$root/scripts/setup.sh" --windows

if [ ! -f "$linux_build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$linux_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$linux_build" -j"$jobs" --target lumbrell

qt_prefix=$("$root/scripts/build-qt-mingw.sh" | tail -1)

# A build made with another Qt starts afresh: its cache names the old Qt.
qt_toolchain="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake"
if [ -f "$windows_build/CMakeCache.txt" ] \
   && ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$qt_toolchain" "$windows_build/CMakeCache.txt"; then
  echo "build-windows: Qt changed ($qt_prefix); building $windows_build afresh" >&2
  rm -rf "$windows_build"
fi

# (A configure that stopped half-way leaves a cache but no build.ninja.)
if [ ! -f "$windows_build/build.ninja" ]; then
  cmake -S "$root" -B "$windows_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt_toolchain" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DLUMBRELL_LINUX_BUILD="$linux_build"
fi

# The build's Wine prefix, made once before anything runs in it.
if [ ! -f "$windows_build/wine/system.reg" ]; then
  WINEPREFIX="$windows_build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1
  WINEPREFIX="$windows_build/wine" wineserver -w
fi

cmake --build "$windows_build" -j"$jobs"
cmake --build "$windows_build" --target installer
# The Wine server that ran the art tool goes, with its socket folder.
"$root/scripts/stop-wine.sh" "$windows_build/wine"
echo "build-windows: $windows_build/lumbrell-3.0-setup.exe"
