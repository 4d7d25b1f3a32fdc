#!/usr/bin/env bash
# Configures and builds one build: "native" (portable code and its tests, with
# sanitizers), "native-release" (the same optimized without sanitizers, and the native
# benchmarks) or "windows" (the programs, their tests and benchmarks, cross-compiled).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-}" in
  native) cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug ;;
  native-release) cmake -S "$root" -B "$root/build/native-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
                    -DSUITE_SANITIZERS=OFF ;;
  windows) cmake -S "$root" -B "$root/build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
             -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" ;;
  *) echo "usage: build.sh native|native-release|windows" >&2; exit 2 ;;
esac
cmake --build "$root/build/$1"
