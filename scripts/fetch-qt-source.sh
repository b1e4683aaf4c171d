#!/usr/bin/env bash
# Fetches Debian's qt6-base source (the Qt of the Linux build) into a
# directory given as the first argument, through a private apt configuration
# with a deb-src entry for this machine's Debian suites, so that the system's
# own apt sources stay untouched. Prints the unpacked source directory.
set -euo pipefail
qt_version=${QT_DEBIAN_VERSION:-6.4.2+dfsg-10}
dest=${1:?usage: scripts/fetch-qt-source.sh DIR}

fail() {
  echo "fetch-qt-source: $*" >&2
  exit 1
}

# The deb-src lines: the same URIs and suites as the system's deb sources.
deb_src_lines() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk '
      BEGIN { RS = ""; FS = "\n" }
      {
        types = ""; suites = ""; uris = ""; comps = ""; enabled = 1
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:/) types = " " substr($i, 7) " "
          if ($i ~ /^Suites:/) suites = substr($i, 8)
          if ($i ~ /^URIs:/) uris = substr($i, 6)
          if ($i ~ /^Components:/) comps = substr($i, 12)
          if ($i ~ /^Enabled:[ \t]*no/) enabled = 0
        }
        gsub(/[ \t]+/, " ", types)
        if (!enabled || types !~ / deb / || uris !~ /debian/) next
        n = split(suites, s, " "); split(uris, u, " ")
        for (j = 1; j <= n; j++)
          print "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] " u[1] " " s[j] " " comps
      }' "$f"
  done
  if [ -f /etc/apt/sources.list ]; then
    awk '$1 == "deb" && /debian/ { $1 = "deb-src"; print }' /etc/apt/sources.list
  fi
}

mkdir -p "$dest"
dest=$(cd "$dest" && pwd)
upstream=${qt_version%%+*}
srcdir="$dest/qt6-base-$upstream+dfsg"
if [ -f "$srcdir/.fetched-$qt_version" ]; then
  echo "$srcdir"
  exit 0
fi

apt="$dest/apt"
mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
deb_src_lines >"$apt/sources.list"
[ -s "$apt/sources.list" ] || fail "no Debian source in /etc/apt/sources.list.d/*.sources or /etc/apt/sources.list"
opts=(-o "Dir::Etc::sourcelist=$apt/sources.list" -o Dir::Etc::sourceparts=/dev/null
      -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
      -o Dir::State::status=/dev/null -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
apt-get "${opts[@]}" -qq update >&2 || fail "apt-get update of the deb-src lists failed; check the network"
rm -rf "$srcdir"
(cd "$dest" && apt-get "${opts[@]}" -qq source "qt6-base=$qt_version" >&2) \
  || fail "apt-get source qt6-base=$qt_version failed (dpkg-dev unpacks it)"
[ -d "$srcdir" ] || fail "apt-get source left no $srcdir"
touch "$srcdir/.fetched-$qt_version"
echo "$srcdir"
