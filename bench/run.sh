#!/usr/bin/env bash
# Builds and runs the benchmarks; figures go to standard output.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh native-release
build/native-release/bench/record_codec/record_codec_bench "${ROUNDS:-15}"
build/native-release/bench/due_task_check/due_task_memory_bench

scripts/build.sh windows

export WINEPREFIX=$root/build/windows/wineprefix
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  scripts/wine-prefix.sh "$WINEPREFIX"
  /usr/lib/wine/wineserver -p
  scripts/wine-run.sh build/windows/bench/startup/startup_bench.exe "${ROUNDS:-15}"
  scripts/wine-run.sh build/windows/bench/playback_fidelity/playback_fidelity_bench.exe
  scripts/wine-run.sh build/windows/bench/hook_cost/hook_cost_bench.exe
  scripts/wine-run.sh build/windows/bench/due_task_check/due_task_memory_bench.exe
  scripts/wine-run.sh build/windows/bench/due_task_check/due_task_list_bench.exe
  /usr/lib/wine/wineserver -k
'
