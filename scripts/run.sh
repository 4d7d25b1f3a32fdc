#!/usr/bin/env bash
# Installs what is missing, builds the programs into dist/ and starts Sorvane under
# Wine: on your display when there is one, otherwise in a virtual screen, where a
# screenshot of its main window is written to sorvane-screenshot.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh windows
cmake --install build/windows --prefix dist >/dev/null
echo "run: the programs and Res are in $root/dist"

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX=$root/build/wine-user
  scripts/wine-prefix.sh "$WINEPREFIX" --no-desktop
  exec scripts/wine-run.sh dist/Sorvane.exe
fi

export WINEPREFIX=$root/build/windows/wineprefix
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  scripts/wine-prefix.sh "$WINEPREFIX"
  scripts/wine-run.sh dist/Sorvane.exe &
  # The main window is up when the window-waiting tool finds it.
  scripts/wine-run.sh build/windows/tests/win/wait_window.exe Sorvane_IDK290SE5 Sorvane 60000
  sleep 1
  import -window root sorvane-screenshot.png
  /usr/lib/wine/wineserver -k
'
echo "run: no display; Sorvane started in a virtual screen, screenshot: $root/sorvane-screenshot.png"
