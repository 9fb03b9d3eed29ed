#!/usr/bin/env bash
# Builds the web edition if needed and measures its budgets (bench/web/budget.mjs, and the
# lesson page's in bench/web/lesson.mjs).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/web/build.sh" >/dev/null
[ -d "$root/web/node_modules/playwright" ] || npm ci --prefix "$root/web" --no-audit --no-fund >/dev/null
# Both print all their figures; the run fails when a page is over a budget.
status=0
node "$root/bench/web/budget.mjs" "$@" || status=$?
node "$root/bench/web/lesson.mjs" "$@" || status=$?
exit "$status"
