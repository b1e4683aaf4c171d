#!/usr/bin/env bash
# The Windows installer in a fresh Wine prefix, which is removed afterwards:
#   installer_test.sh SETUP.EXE LINUX_LUMBRELL CHARACTERS_FILE ARTEFACTS_DIR WINE_PREFIX
# WINE_PREFIX is a folder of the build; whatever is there is replaced.
# 1. "SETUP.EXE /S" installs into Program Files with a Start-menu entry and an
#    entry in Apps & features;
# 2. the installed "lumbrell.exe --print" prints what the Linux build prints;
# 3. the window starts, a click on a syllable shows its first character's
#    pictures (ARTEFACTS_DIR/windows-window.png); a copy killed by force does
#    not block the next start, and a second start hands over to the first;
# 4. the silent uninstall removes the program folder, the entry and the key.
# Needs an X display (ctest runs it under xvfb-run).
set -euo pipefail
stop_wine=$(cd "$(dirname "$0")/../../scripts" && pwd)/stop-wine.sh
setup=$1 linux_lumbrell=$2 characters_file=$3 artefacts=$4 WINEPREFIX=$5

fail() {
  echo "installer_test: $*" >&2
  exit 1
}

export LC_ALL=C.UTF-8
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The installed program runs on the windows platform, whatever the tests around it use.
unset QT_QPA_PLATFORM
rm -rf "$WINEPREFIX"
export WINEPREFIX
work=$(mktemp -d "${TMPDIR:-/tmp}/lumbrell-windows-test.XXXXXX")
cleanup() {
  "$stop_wine" "$WINEPREFIX"
  rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT

wine_run() {
  wine "$@"
}

echo "installer_test: preparing a Wine prefix"
wineboot --init >/dev/null 2>&1
wineserver -w

program_files="$WINEPREFIX/drive_c/Program Files/Lumbrell"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Lumbrell.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumbrell'
exe='C:\Program Files\Lumbrell\lumbrell.exe'

# ---- 1. silent install ----
echo "installer_test: installing silently"
wine_run "$setup" /S
wineserver -w
for f in lumbrell.exe uninstall.exe wwbb11.dat qt.conf Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6Network.dll \
         libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll \
         tables/Text1bh1.txt tables/Text1bh5w.txt bmp/五.bmp LICENSE.txt; do
  [ -f "$program_files/$f" ] || fail "the installer did not install $f"
done
installed_pictures=$(find "$program_files/bmp" -name '*.bmp' | wc -l)
[ "$installed_pictures" -eq "$(find "$(dirname "$linux_lumbrell")/../data/bmp" -name '*.bmp' | wc -l)" ] \
  || fail "the installer installed $installed_pictures pictures, not all of the data's"
[ -f "$start_menu" ] || fail "no Start-menu entry at $start_menu"
wine_run reg query "$uninstall_key" /v UninstallString >"$work/key.txt" 2>&1 \
  || fail "no uninstaller in Apps & features ($uninstall_key)"
grep -q 'uninstall.exe' "$work/key.txt" || fail "the uninstall entry does not name uninstall.exe: $(cat "$work/key.txt")"

# ---- 2. --print gives the Linux build's lines ----
echo "installer_test: comparing --print with the Linux build"
while IFS= read -r line; do
  case "$line" in '#'* | '') continue ;; esac
  linux_status=0 windows_status=0
  "$linux_lumbrell" --print "$line" >"$work/linux.out" 2>"$work/linux.err" || linux_status=$?
  wine_run "$exe" --print "$line" >"$work/windows.out" 2>"$work/windows.err" || windows_status=$?
  if ! cmp -s "$work/linux.out" "$work/windows.out" || ! cmp -s "$work/linux.err" "$work/windows.err" \
     || [ "$linux_status" != "$windows_status" ]; then
    diff "$work/linux.out" "$work/windows.out" >&2 || true
    diff "$work/linux.err" "$work/windows.err" >&2 || true
    fail "--print $line: Windows (status $windows_status) and Linux (status $linux_status) differ"
  fi
  [ -s "$work/linux.out" ] || [ -s "$work/linux.err" ] || fail "--print $line printed nothing"
done <"$characters_file"

# ---- 3. the window ----
mkdir -p "$artefacts"
window_id() {
  xdotool search --sync --onlyvisible --name 'Lumbrell 3.0' 2>/dev/null | head -1
}
start_window() {
  wine_run "$exe" "$@" >/dev/null 2>&1 &
  local id
  id=$(timeout 120 bash -c "until xdotool search --onlyvisible --name 'Lumbrell 3.0' 2>/dev/null | head -1 | grep .; do sleep 1; done") \
    || fail "the window did not appear"
  echo "$id"
}
shot() {
  import -window root "$1"
}

echo "installer_test: starting the window"
window=$(start_window)
sleep 3
shot "$work/before.png"
# The syllable chooser: 20,46 to 117,322 in the window's 96 dpi client area, its
# edit field on top; the first row of its list, "a", lies some 80 pixels down.
xdotool mousemove --window "$window" 50 80 click 1
sleep 3
shot "$artefacts/windows-window.png"
echo "installer_test: screenshot in $artefacts/windows-window.png"
# The four pictures (146,174 to 597,287 of the client area) were empty before the click.
geometry=$(xdotool getwindowgeometry --shell "$window")
x=$(echo "$geometry" | sed -n 's/^X=//p') y=$(echo "$geometry" | sed -n 's/^Y=//p')
crop="450x113+$((x + 146))+$((y + 174))"
# (ImageMagick's policy on Debian reads no /dev/fd: the crops go through files.)
convert "$work/before.png" -crop "$crop" "$work/before-pictures.png"
convert "$artefacts/windows-window.png" -crop "$crop" "$work/after-pictures.png"
changed=$(compare -metric AE "$work/before-pictures.png" "$work/after-pictures.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 1000 ] 2>/dev/null || fail "the click on a syllable changed $changed pixels of the pictures"

echo "installer_test: a copy killed by force does not block the next start"
wine_run taskkill /F /IM lumbrell.exe >/dev/null 2>&1 || true
timeout 30 bash -c "while xdotool search --onlyvisible --name 'Lumbrell 3.0' >/dev/null 2>&1; do sleep 1; done" \
  || fail "the killed window is still there"
window=$(start_window)
echo "installer_test: a second start hands over to the first"
timeout 60 wine "$exe" 五 >/dev/null 2>&1 || fail "the second start did not hand over and end"
[ "$(xdotool search --onlyvisible --name 'Lumbrell 3.0' | wc -l)" -eq 1 ] || fail "a second window opened"
wine_run taskkill /IM lumbrell.exe >/dev/null 2>&1 || true
wineserver -k
wineserver -w

# ---- 4. silent uninstall ----
echo "installer_test: uninstalling silently"
wine_run "C:\\Program Files\\Lumbrell\\uninstall.exe" /S
wineserver -w
if [ -e "$program_files" ]; then
  find "$program_files" >&2
  fail "the uninstaller left the program folder behind"
fi
[ ! -e "$start_menu" ] || fail "the uninstaller left the Start-menu entry"
! wine_run reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left $uninstall_key"
echo "installer_test: passed"
