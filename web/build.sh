#!/usr/bin/env bash
# Builds the web edition into build-web: the core's tests as WebAssembly (run them with
# `ctest --test-dir build-web`) and the site, in build-web/site.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-web"
# em++'s optimizer runs under node and needs Debian's acorn module.
export NODE_PATH=/usr/share/nodejs

# emcmake echoes the command it runs; errors still show.
if [ ! -f "$build/CMakeCache.txt" ]; then
    { emcmake cmake -S "$root" -B "$build" -G Ninja -DBUILD_DESKTOP=OFF \
        -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null; } 2>&1 | { grep -v '^configure: ' || true; } >&2
fi
if [ $# -gt 0 ]; then
    nice cmake --build "$build" -j2 --target "$@"
else
    nice cmake --build "$build" -j2
fi
