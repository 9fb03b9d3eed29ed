#!/usr/bin/env bash
# Runs each fuzz target for the given number of seconds (default 45), starting from its committed
# seed corpus and what earlier runs found. Needs the build that scripts/test.sh makes in
# build-checks. A failing input is saved in build-checks/corpus and the script fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-45}
build="$root/build-checks"

mkdir -p "$build/corpus"
cd "$build/corpus"
for seeds in "$root"/core/fuzz/corpus/* "$root"/sorting/fuzz/corpus/*; do
    name=$(basename "$seeds")
    mkdir -p "$name"
    cp -n "$seeds"/* "$name"/
    if "$build/bin/fuzz_$name" -max_total_time="$seconds" -max_len=4096 "$name" >"$name.log" 2>&1; then
        echo "fuzz: $name: $(grep -E '^Done' "$name.log")"
    else
        tail -n 40 "$name.log"
        echo "fuzz: $name failed; the input is in $build/corpus" >&2
        exit 1
    fi
done
