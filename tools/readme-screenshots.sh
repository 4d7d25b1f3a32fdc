#!/usr/bin/env bash
# Takes the README's pictures of Sorvane's main window and its Options dialog under
# Wine in a virtual screen, with two sample records listed. Run after a Windows build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export WINEPREFIX=${WINEPREFIX:-$root/build/windows/wineprefix}
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  scripts/wine-prefix.sh "$WINEPREFIX"
  records="$WINEPREFIX/drive_c/users/$(whoami)/Documents/Sorvane/Records"
  mkdir -p "$records"
  for name in "Daily report" "Fill the order form"; do
    printf "" > "$records/$name.rec"  # listed by name; the content is not read
  done
  scripts/wine-run.sh dist/Sorvane.exe &
  scripts/wine-run.sh build/windows/tests/win/wait_window.exe Sorvane_IDK290SE5 Sorvane 60000
  sleep 1
  import -window root png:- | convert - -fuzz 2% -trim +repage docs/main-window.png
  scripts/wine-run.sh build/windows/tests/win/send_command.exe Sorvane_IDK290SE5 32782
  scripts/wine-run.sh build/windows/tests/win/wait_window.exe "#32770" Options 10000
  sleep 1
  import -window root png:- | convert - -fuzz 2% -trim +repage docs/options.png
  /usr/lib/wine/wineserver -k
'
