#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the ordinary build, then
# a clang build with AddressSanitizer and UndefinedBehaviorSanitizer, which runs the tests again
# and each fuzz target for a bounded time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/bootstrap.sh"

"$root/scripts/build.sh"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure

checks="$root/build-checks"
[ -f "$checks/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$checks" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DFUZZING=ON >/dev/null
cmake --build "$checks"
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$root/sanitizer-suppressions.txt" \
    UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir "$checks" --output-on-failure
"$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-45}"
"$root/scripts/package.sh" && "$root/scripts/check-release.sh"
