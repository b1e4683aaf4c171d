#!/usr/bin/env bash
# Stops the Wine server of a Wine prefix and removes the folder it kept its
# socket in, so that nothing of that prefix stays in the temporary folder:
#   scripts/stop-wine.sh WINEPREFIX
# Debian's Wine keeps it in $TMPDIR/wine-XXXXXX/server-DEV-INODE, the
# wine-XXXXXX named by the prefix's file "wineserver"; Wine upstream in
# /tmp/.wine-UID/server-DEV-INODE.
set -euo pipefail
prefix=${1:?usage: scripts/stop-wine.sh WINEPREFIX}
[ -d "$prefix" ] || exit 0
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
server=$(printf 'server-%x-%x' "$(stat -c %d "$prefix")" "$(stat -c %i "$prefix")")
folders=("/tmp/.wine-$(id -u)")
if [ -f "$prefix/wineserver" ]; then
  folders+=("${TMPDIR:-/tmp}/$(head -c 64 "$prefix/wineserver" | tr -d '/\n')")
fi
for folder in "${folders[@]}"; do
  rm -rf "${folder:?}/$server"
  # Removed once no server of another prefix is in it.
  rmdir "$folder" 2>/dev/null || true
done
