#!/usr/bin/env bash
# Creates a private, quiet Wine prefix once: no Mono or Gecko prompts, no crash dialog,
# a virtual desktop (focus rules and a notification area as on Windows), and real
# folders instead of the links into the Unix home folder.
# Usage: wine-prefix.sh PREFIX [--no-desktop]
set -euo pipefail
prefix=$1
desktop=${2:-}

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
[ -f "$prefix/.suite-ready" ] && exit 0

echo "wine-prefix: creating $prefix"
rm -rf "$prefix"
mkdir -p "$prefix"
"$wine" wineboot --init >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
if [ "$desktop" != --no-desktop ]; then
  "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1280x1024 /f >/dev/null 2>&1
fi
/usr/lib/wine/wineserver -w
for link in "$prefix"/drive_c/users/*/*; do
  if [ -L "$link" ]; then rm "$link" && mkdir "$link"; fi
done
touch "$prefix/.suite-ready"
