#!/usr/bin/env bash
# Runs a Windows program of the build under Wine in the build's private prefix
# (WINEPREFIX, set by the test and run scripts and by the tests' environment).
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the private prefix}"
"$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX"
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
exec /usr/lib/wine/wine64 "$@"
