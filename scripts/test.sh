#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the ordinary build; then
# the core alone with clang and libc++, the library the WebAssembly build uses; then a clang build
# with AddressSanitizer and UndefinedBehaviorSanitizer, which runs the tests again and each fuzz
# target for a bounded time; then the web edition, its core tests under node and its pages in
# headless chromium.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/bootstrap.sh"
# A test that hangs fails after this many seconds; each test also sets its own limit.
timeout=(--timeout 300)

"$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure "${timeout[@]}"

libcxx="$root/build-libcxx"
[ -f "$libcxx/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$libcxx" -G Ninja -DBUILD_DESKTOP=OFF -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_CXX_FLAGS=-stdlib=libc++ -DCMAKE_EXE_LINKER_FLAGS=-stdlib=libc++ >/dev/null
cmake --build "$libcxx"
ctest --test-dir "$libcxx" --output-on-failure "${timeout[@]}"

checks="$root/build-checks"
[ -f "$checks/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$checks" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DFUZZING=ON >/dev/null
cmake --build "$checks"
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$root/sanitizer-suppressions.txt" \
    UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir "$checks" --output-on-failure "${timeout[@]}"
"$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-45}"

# The web edition: the core's tests compiled to WebAssembly and run under node, where numbers are
# written by other library code than natively; then the site in Debian's chromium.
"$root/web/build.sh"
ctest --test-dir "$root/build-web" --output-on-failure "${timeout[@]}"
npm ci --prefix "$root/web" --no-audit --no-fund
(cd "$root/web" && npx --no-install playwright test)
# The table cases, the keyboard, the message box, loading and offline again in Debian's firefox-esr.
(cd "$root/web" && timeout 1500 node tests/firefox/run.mjs)
"$root/scripts/package.sh" && "$root/scripts/check-release.sh"
