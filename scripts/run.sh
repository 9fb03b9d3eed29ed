#!/usr/bin/env bash
# Installs what is missing, builds one program and opens it. Without a display the program runs
# on a virtual one: the script saves a screenshot of its window, prints the PNG's path and ends it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
programs=(pickmin pairswap tally Bank)

program=${1:-}
if [[ ! " ${programs[*]} " == *" $program "* ]]; then
    echo "usage: $0 PROGRAM    (one of: ${programs[*]})" >&2
    exit 2
fi

"$root/scripts/bootstrap.sh"
"$root/scripts/build.sh" "$program" grabscreen
bin="$root/build/bin"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/$program"
fi

shots="$root/build/screenshots"
mkdir -p "$shots"
displayfile=$(mktemp)
runtimedir=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$displayfile" "$runtimedir"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -br -nolisten tcp 3>"$displayfile" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$displayfile" ] && break
    sleep 0.1
done
[ -s "$displayfile" ] || { echo "run: the virtual display did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$displayfile")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$runtimedir"

"$bin/$program" &
pids+=($!)
"$bin/grabscreen" "$shots/$program.png"
echo "$shots/$program.png"
