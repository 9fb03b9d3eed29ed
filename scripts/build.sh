#!/usr/bin/env bash
# Configures the build folder once and builds the given targets (all when none are given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "$build" --target "$@"
else
    cmake --build "$build"
fi
