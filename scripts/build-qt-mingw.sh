#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64) from Debian's own qt6-base source,
# the Qt of the Linux build, and installs it into a cache folder outside the
# checkout. Qt builds its absolute install path into itself, so the folder is
# fixed, and its name carries a key made of the Qt version, the patch and the
# build flags: a change to any of them builds a new Qt, the same ones reuse
# the cached one. Prints the Qt prefix on its last line.
#
#   scripts/build-qt-mingw.sh            cache under /var/cache/lumbrell
#   LUMBRELL_QT_CACHE=DIR scripts/...    cache under DIR
#
# Only what the program and its tests use is built: Core, Gui, Widgets,
# Network, Test, and the windows and offscreen platform plugins.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${LUMBRELL_QT_CACHE:-/var/cache/lumbrell}
qt_debian_version=6.4.2+dfsg-10
qt_version=${qt_debian_version%%+*}
patch_file="$root/packaging/windows/qt-$qt_version-mingw-no-opengl-no-direct2d.patch"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"

fail() {
  echo "build-qt-mingw: $*" >&2
  exit 1
}

# Debian's source has no 3rdparty/wintab (tablet events) and no sqlite; the
# bundled freetype serves the offscreen plugin, the bundled zlib, png,
# pcre2 and harfbuzz keep the DLL set free of MinGW packages.
qt_flags=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_direct2d=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_openssl=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_pkg_config=OFF
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_harfbuzz=ON
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
  # Smaller and quicker to build than -O3, and fast enough for a lookup tool.
  -DFEATURE_optimize_size=ON
  # Of the network the program uses only the local socket (one running copy).
  -DFEATURE_http=OFF -DFEATURE_ssl=OFF -DFEATURE_schannel=OFF -DFEATURE_dtls=OFF -DFEATURE_sspi=OFF
  -DFEATURE_gssapi=OFF -DFEATURE_brotli=OFF -DFEATURE_networkproxy=OFF -DFEATURE_socks5=OFF
  -DFEATURE_dnslookup=OFF -DFEATURE_udpsocket=OFF -DFEATURE_networkdiskcache=OFF
  -DFEATURE_topleveldomain=OFF -DFEATURE_networklistmanager=OFF
  # Parts of Gui and Widgets that no window of the program shows.
  -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
  -DFEATURE_pdf=OFF -DFEATURE_movie=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_tuiotouch=OFF
  -DFEATURE_sessionmanager=OFF -DFEATURE_systemtrayicon=OFF
  -DFEATURE_undostack=OFF -DFEATURE_undocommand=OFF -DFEATURE_undogroup=OFF -DFEATURE_undoview=OFF
  -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF
  -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_splashscreen=OFF -DFEATURE_toolbox=OFF
  -DFEATURE_fontdialog=OFF -DFEATURE_colordialog=OFF -DFEATURE_wizard=OFF -DFEATURE_keysequenceedit=OFF
  -DFEATURE_dockwidget=OFF -DFEATURE_columnview=OFF
)

cache_key() {
  {
    echo "$qt_debian_version"
    cat "$patch_file" "$toolchain"
    printf '%s\n' "${qt_flags[@]}"
    x86_64-w64-mingw32-g++-posix --version | head -1
  } | sha256sum | cut -c1-12
}

for tool in x86_64-w64-mingw32-g++-posix cmake ninja perl dpkg-source; do
  command -v "$tool" >/dev/null 2>&1 \
    || fail "$tool is missing; scripts/setup.sh --windows installs what the Windows build needs"
done
[ -x /usr/lib/qt6/libexec/moc ] || fail "the host Qt tools are missing (Debian package qt6-base-dev-tools)"

mkdir -p "$cache"
key=$(cache_key)
prefix="$cache/qt-$qt_version-mingw-$key"
stamp="$prefix/.lumbrell-qt-complete"

# One build at a time per cache; a second caller waits and then reuses it.
exec 9>"$cache/.qt-$qt_version-mingw.lock"
flock 9

if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi

start=$(date +%s)
work="$cache/build-qt-$qt_version-mingw-$key"
# A build that was stopped goes on where it stopped; anything else starts afresh.
if [ ! -f "$work/build/build.ninja" ]; then
  src=$("$root/scripts/fetch-qt-source.sh" "$cache/src")
  rm -rf "$work" "$prefix"
  mkdir -p "$work"
  cp -a "$src" "$work/src"
  patch -d "$work/src" -p1 --quiet <"$patch_file" || fail "$patch_file does not apply to $src"
fi

echo "build-qt-mingw: building Qt $qt_version for Windows into $prefix (about 20 minutes on 2 idle cores)" >&2
jobs=${LUMBRELL_JOBS:-$(nproc)}
if [ ! -f "$work/build/build.ninja" ]; then
  cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_flags[@]}" \
    >"$work/configure.log" 2>&1 || fail "Qt's configure failed; see $work/configure.log"
fi
nice -n "${LUMBRELL_NICE:-15}" cmake --build "$work/build" -j "$jobs" >>"$work/build.log" 2>&1 \
  || fail "Qt's build failed; see $work/build.log"
cmake --install "$work/build" >"$work/install.log" 2>&1 || fail "Qt's install failed; see $work/install.log"
elapsed=$(( $(date +%s) - start ))
echo "$qt_debian_version key $key built in ${elapsed}s on $(date -u +%FT%TZ)" >"$stamp"
rm -rf "$work"
echo "build-qt-mingw: Qt for Windows built in ${elapsed}s" >&2
echo "$prefix"
