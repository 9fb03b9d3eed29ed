#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/bootstrap.sh"
"$root/scripts/build.sh"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure
