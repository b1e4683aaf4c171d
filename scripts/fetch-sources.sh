#!/usr/bin/env bash
# Fetches the public data sources of the data builder into .cache/:
#   .cache/npm/node_modules/{cnchar-order,hanzi-writer-data}  pinned by package-lock.json
#   .cache/wubi98/usr/share/fcitx5/table/wubi98-single.main.dict
# (the Debian package fcitx5-table-wubi98-single, one pinned version taken from
# trixie through a private apt configuration so that the system's own sources
# stay untouched).
# Work already done is skipped, so a second run takes well under a second.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache="$root/.cache"
mkdir -p "$cache"

fail() {
  echo "fetch-sources: $*" >&2
  exit 1
}

fetch_npm_packages() {
  local dir="$cache/npm"
  local stamp="$dir/.installed-lock"
  mkdir -p "$dir"
  if [ -f "$stamp" ] && cmp -s "$stamp" "$root/package-lock.json" \
     && [ -d "$dir/node_modules/cnchar-order" ] && [ -d "$dir/node_modules/hanzi-writer-data" ]; then
    return
  fi
  command -v npm >/dev/null 2>&1 || fail "npm is missing; install the Debian packages nodejs and npm (scripts/setup.sh does)"
  echo "fetch-sources: installing cnchar-order and hanzi-writer-data (npm ci)"
  cp "$root/package.json" "$root/package-lock.json" "$dir/"
  rm -f "$stamp"
  if ! (cd "$dir" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error); then
    fail "npm could not install cnchar-order / hanzi-writer-data into $dir; check that the npm registry is reachable and run scripts/fetch-sources.sh again"
  fi
  cp "$root/package-lock.json" "$stamp"
}

# The Wubi 98 table comes from one pinned build of the Debian 13 "trixie"
# package, checked against its SHA-256, so that every machine builds the same
# data. A table installed on the system is read only when asked for
# (cmake -DLUMBRELL_WUBI_TABLE=PATH, or lumbrell-data --wubi-table PATH).
wubi_package=fcitx5-table-wubi98-single
wubi_version=5.1.7-1
wubi_sha256=6c0a2198adb7ddccea989e98edbd157f58864abcecf8045a7ece2d9f7b1eb6cf

# The Debian mirror of this machine: the URI of the apt source whose suite is
# the system's own release (so neither a -security or -updates source nor a
# third-party one, whatever their files are called). LUMBRELL_DEBIAN_MIRROR
# overrides it.
debian_mirror() {
  if [ -n "${LUMBRELL_DEBIAN_MIRROR:-}" ]; then
    echo "$LUMBRELL_DEBIAN_MIRROR"
    return
  fi
  local codename uri=""
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$codename" ] || return 0
  if compgen -G "/etc/apt/sources.list.d/*.sources" >/dev/null; then
    uri=$(awk -v release="$codename" '
      BEGIN { RS = ""; FS = "\n" }
      {
        types = ""; suites = ""; uris = ""; enabled = 1
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:/) types = " " substr($i, 7) " "
          if ($i ~ /^Suites:/) suites = " " substr($i, 8) " "
          if ($i ~ /^URIs:/) { uris = substr($i, 6); gsub(/^[ \t]+/, "", uris) }
          if ($i ~ /^Enabled:[ \t]*no/) enabled = 0
        }
        gsub(/[ \t]+/, " ", types); gsub(/[ \t]+/, " ", suites)
        if (enabled && types ~ / deb / && index(suites, " " release " ")) {
          split(uris, u, " ")
          print u[1]
          exit
        }
      }' /etc/apt/sources.list.d/*.sources)
  fi
  if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    uri=$(awk -v release="$codename" '
      $1 == "deb" {
        i = 2
        if ($i ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
        if ($(i + 1) == release) { print $i; exit }
      }' /etc/apt/sources.list)
  fi
  echo "$uri"
}

wubi_deb_is_pinned() {
  [ -f "$1" ] && echo "$wubi_sha256  $1" | sha256sum --check --status
}

fetch_wubi98_table() {
  local dir="$cache/wubi98"
  local dict="$dir/usr/share/fcitx5/table/wubi98-single.main.dict"
  local deb="$dir/deb/${wubi_package}_${wubi_version}_all.deb"
  local stamp="$dir/.unpacked-sha256"
  if [ -s "$dict" ] && [ "$(cat "$stamp" 2>/dev/null)" = "$wubi_sha256" ]; then
    return
  fi

  if ! wubi_deb_is_pinned "$deb"; then
    local mirror
    mirror=$(debian_mirror)
    [ -n "$mirror" ] || fail "no Debian source for this machine's release in /etc/apt/sources.list.d/*.sources or /etc/apt/sources.list; set LUMBRELL_DEBIAN_MIRROR to a Debian mirror (such as http://deb.debian.org/debian) and run scripts/fetch-sources.sh again"
    echo "fetch-sources: downloading $wubi_package $wubi_version (trixie) from $mirror"
    local apt="$dir/apt"
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$dir/deb"
    local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    echo "deb [signed-by=$keyring] $mirror trixie main" >"$apt/sources.list"
    local opts=(-o "Dir::Etc::sourcelist=$apt/sources.list" -o Dir::Etc::sourceparts=/dev/null
                -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
                -o Dir::State::status=/dev/null -o APT::Architecture=amd64 -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
    apt-get "${opts[@]}" -qq update \
      || fail "apt-get update for trixie from $mirror failed; check the network and run scripts/fetch-sources.sh again"
    (cd "$dir/deb" && rm -f ./*.deb && apt-get "${opts[@]}" -qq download "$wubi_package=$wubi_version") \
      || fail "apt-get could not download $wubi_package $wubi_version from trixie on $mirror; if trixie has moved to a newer version, check its table and update wubi_version and wubi_sha256 in scripts/fetch-sources.sh"
    wubi_deb_is_pinned "$deb" \
      || fail "$deb does not have the SHA-256 $wubi_sha256 pinned in scripts/fetch-sources.sh; delete $dir and run scripts/fetch-sources.sh again"
  fi
  rm -rf "$dir/usr" "$stamp"
  dpkg-deb -x "$deb" "$dir" || fail "dpkg-deb could not unpack $deb; delete $dir and run scripts/fetch-sources.sh again"
  [ -s "$dict" ] || fail "$deb holds no wubi98-single.main.dict"
  echo "$wubi_sha256" >"$stamp"
}

check_debian_sources() {
  local f
  for f in /usr/share/rime-data/stroke.dict.yaml /usr/share/rime-data/luna_pinyin.dict.yaml /usr/share/rime-data/pinyin_simp.dict.yaml; do
    [ -f "$f" ] || fail "$f is missing; install the Debian packages rime-data-stroke, rime-data-luna-pinyin and rime-data-pinyin-simp (scripts/setup.sh does)"
  done
}

fetch_npm_packages
fetch_wubi98_table
check_debian_sources
