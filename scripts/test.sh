#!/usr/bin/env bash
# Installs what is missing, builds the native and the Windows build, and runs every
# test: the portable code natively under ASan/UBSan, the programs under Wine in one
# Xvfb server that this script starts and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh native
scripts/build.sh windows

ctest --test-dir build/native --output-on-failure

export WINEPREFIX=$root/build/windows/wineprefix
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  scripts/wine-prefix.sh "$WINEPREFIX"
  /usr/lib/wine/wineserver -p   # keep one server for the whole run: each start is faster
  # Start the prefix'"'"'s own background processes (services, the desktop) now, away from
  # ctest'"'"'s output pipes, which they would otherwise hold open after a test ends.
  scripts/wine-run.sh build/windows/tests/win/wait_window.exe none none 1 >/dev/null 2>&1 || true
  ctest --test-dir build/windows --output-on-failure
' || status=$?
# Nothing the tests started may outlive the run.
WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
exit $status
