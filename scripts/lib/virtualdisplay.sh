# Sourced by the scripts that show windows without a display: starts Xvfb on a free display
# number, exports DISPLAY, and stops it when the script ends. Needs `pids` and `cleanup` below.
pids=()
tempfiles=()
# Ends what was started last first, so that programs end before their display does.
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "${tempfiles[@]}"
}
trap cleanup EXIT

start_virtual_display() {
    local displayfile runtimedir
    displayfile=$(mktemp)
    runtimedir=$(mktemp -d)
    tempfiles+=("$displayfile" "$runtimedir")
    Xvfb -displayfd 3 -screen 0 800x600x24 -br -nolisten tcp 3>"$displayfile" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 100); do
        [ -s "$displayfile" ] && break
        sleep 0.1
    done
    if [ ! -s "$displayfile" ]; then
        echo "the virtual display did not start" >&2
        exit 1
    fi
    export DISPLAY=":$(cat "$displayfile")"
    export XDG_RUNTIME_DIR="$runtimedir"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}
