#!/usr/bin/env bash
# Installs what is missing, builds one program and opens it. Without a display the program runs
# on a virtual one: the script saves a screenshot of its window, prints the PNG's path and ends it.
# `run.sh web` builds the web edition and serves it instead (see web/run.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/programs.sh"

program=${1:-}
if [ "$program" = web ]; then
    exec "$root/web/run.sh"
fi
if [[ ! " ${programs[*]} $lesson " == *" $program "* ]]; then
    echo "usage: $0 PROGRAM    (one of: ${programs[*]} $lesson, or web)" >&2
    exit 2
fi

"$root/scripts/bootstrap.sh"
"$root/scripts/build.sh" "$program" grabscreen
bin="$root/build/bin"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/$program"
fi

source "$root/scripts/lib/virtualdisplay.sh"
start_virtual_display
shots="$root/build/screenshots"
mkdir -p "$shots"
"$bin/$program" &
pids+=($!)
"$bin/grabscreen" "$shots/$program.png"
echo "$shots/$program.png"
