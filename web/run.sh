#!/usr/bin/env bash
# Builds the web edition and serves build-web/site on 127.0.0.1 at a free port, printing the URL.
# Without a display it takes screenshots of the list and of each program's page after a typical
# click with headless chromium instead, prints the PNGs' paths and stops the server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/bootstrap.sh"
"$root/web/build.sh" >/dev/null
site="$root/build-web/site"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec node "$root/web/tools/serve.mjs" "$site"
fi

[ -d "$root/web/node_modules/playwright" ] || npm ci --prefix "$root/web" --no-audit --no-fund >/dev/null
output=$(mktemp)
node "$root/web/tools/serve.mjs" "$site" >"$output" &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -f "$output"' EXIT
for _ in $(seq 100); do
    [ -s "$output" ] && break
    sleep 0.1
done
url=$(head -n 1 "$output")
echo "$url"
node "$root/web/tools/screenshots.mjs" "$url" "$root/build-web/screenshots"
