#!/usr/bin/env bash
# Installs, from Debian's packages only, whatever the build and the tests need and
# is not there yet, and brings libpng's source for the Windows build.
# Safe to run again: it does nothing when everything is in place. Needs root.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
packages=(
  cmake ninja-build g++ pkg-config
  patch g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  libz-mingw-w64-dev googletest libgtest-dev libpng-dev
  wine64 xvfb xauth xdotool x11-utils imagemagick dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

updated=0
apt_update() { [ $updated = 1 ] || { as_root apt-get update -qq; updated=1; }; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  apt_update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# libpng for Windows is cross-built from Debian's own source package.
src_dir="$here/third_party/src"
if ! ls "$src_dir"/libpng1.6_*.orig.tar.* >/dev/null 2>&1; then
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    base=/etc/apt/sources.list.d/debian.sources
    if [ -f "$base" ]; then
      # The first stanza is the main archive; the security suite has no libpng source.
      awk 'BEGIN{RS="";ORS="\n\n"} NR==1' "$base" \
        | sed -e 's/^Types:.*/Types: deb-src/' -e 's/^Suites:.*/Suites: bookworm/' \
        | as_root tee /etc/apt/sources.list.d/project-src.sources >/dev/null
    else
      echo "deb-src http://deb.debian.org/debian bookworm main" | as_root tee /etc/apt/sources.list.d/project-src.list >/dev/null
    fi
    updated=0
  fi
  apt_update
  mkdir -p "$src_dir"
  (cd "$src_dir" && apt-get source --download-only libpng1.6 >/dev/null)
fi
echo "install-deps: everything is in place"
