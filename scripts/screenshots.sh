#!/usr/bin/env bash
# Makes the README's pictures: each program on a virtual display with a window manager, after a
# typical click, saved as docs/PROGRAM.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/programs.sh"

"$root/scripts/bootstrap.sh" openbox xdotool
"$root/scripts/build.sh" "${programs[@]}" grabscreen
bin="$root/build/bin"
source "$root/scripts/lib/virtualdisplay.sh"
start_virtual_display
openbox --sm-disable --config-file "$root/desktop/tools/openbox-rc.xml" >/dev/null 2>&1 &
pids+=($!)
sleep 1

mkdir -p "$root/docs"
for program in "${programs[@]}"; do
    "$bin/$program" &
    pid=$!
    window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
    sleep 0.5
    # Positions inside the window, in pixels, from the layouts.
    if [ "$program" = Bank ]; then
        xdotool mousemove --window "$window" 208 180 click 1 # Расчет
    else
        xdotool mousemove --window "$window" 180 124 click 1 # the entry box
        xdotool type --delay 20 "5 3 8 1 9 2 7 4 10 6"
        xdotool mousemove --window "$window" 192 156 click 1 # Сортировка
    fi
    xdotool mousemove 0 0
    "$bin/grabscreen" "$root/docs/$program.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$root/docs/$program.png"
done
