#!/usr/bin/env bash
# Fetches the public data sources of the data builder into .cache/:
#   .cache/npm/node_modules/{cnchar-order,hanzi-writer-data}  pinned by package-lock.json
#   .cache/wubi98/usr/share/fcitx5/table/wubi98-single.main.dict
# (the Debian package fcitx5-table-wubi98-single, taken from trixie through a
# private apt configuration so that the system's own sources stay untouched).
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

# The mirror this machine already uses for Debian, read from its apt sources.
debian_mirror() {
  local uri=""
  if compgen -G "/etc/apt/sources.list.d/*.sources" >/dev/null; then
    uri=$(awk '/^URIs:/ { for (i = 2; i <= NF; i++) if ($i !~ /security/) { print $i; exit } }' \
          /etc/apt/sources.list.d/*.sources)
  fi
  if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    uri=$(awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /:\/\// && $i !~ /security/) { print $i; exit } }' \
          /etc/apt/sources.list)
  fi
  echo "$uri"
}

fetch_wubi98_table() {
  local installed=/usr/share/fcitx5/table/wubi98-single.main.dict
  local dir="$cache/wubi98"
  local dict="$dir/usr/share/fcitx5/table/wubi98-single.main.dict"
  if [ -f "$installed" ]; then
    mkdir -p "$(dirname "$dict")"
    cmp -s "$installed" "$dict" || cp "$installed" "$dict"
    return
  fi
  [ -s "$dict" ] && return

  local mirror
  mirror=$(debian_mirror)
  [ -n "$mirror" ] || fail "no Debian mirror found in /etc/apt/sources.list.d/*.sources or /etc/apt/sources.list; install fcitx5-table-wubi98-single by hand or add a Debian source"
  echo "fetch-sources: downloading fcitx5-table-wubi98-single (trixie) from $mirror"
  local apt="$dir/apt"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$dir/deb"
  local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  echo "deb [signed-by=$keyring] $mirror trixie main" >"$apt/sources.list"
  local opts=(-o "Dir::Etc::sourcelist=$apt/sources.list" -o Dir::Etc::sourceparts=/dev/null
              -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
              -o Dir::State::status=/dev/null -o APT::Architecture=amd64 -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
  apt-get "${opts[@]}" -qq update \
    || fail "apt-get update for trixie from $mirror failed; check the network and run scripts/fetch-sources.sh again"
  (cd "$dir/deb" && rm -f ./*.deb && apt-get "${opts[@]}" -qq download fcitx5-table-wubi98-single) \
    || fail "apt-get download fcitx5-table-wubi98-single (trixie) failed; check the network and run scripts/fetch-sources.sh again"
  local deb
  deb=$(ls "$dir"/deb/fcitx5-table-wubi98-single_*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || fail "apt-get left no fcitx5-table-wubi98-single .deb in $dir/deb"
  dpkg-deb -x "$deb" "$dir" || fail "dpkg-deb could not unpack $deb; delete $dir and run scripts/fetch-sources.sh again"
  [ -s "$dict" ] || fail "$deb holds no wubi98-single.main.dict"
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
