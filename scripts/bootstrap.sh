#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the programs need, and any
# named on the command line. Does nothing when they are all present. Each is named here and
# installed without the packages it only recommends, so that a name missing here fails on a fresh
# machine rather than on one whose packages happened to bring it.
set -euo pipefail

# Qt Charts needs Qt OpenGL's CMake files, which qt6-base-dev only recommends.
packages=(g++ clang libclang-rt-14-dev libc++-14-dev libc++abi-14-dev cmake ninja-build doctest-dev
    libfast-float-dev nlohmann-json3-dev qt6-base-dev libqt6opengl6-dev qt6-qpa-plugins
    qt6-translations-l10n qt6-charts-dev xvfb xauth fonts-dejavu-core locales python3 emscripten
    chromium firefox-esr fonttools woff2 esbuild "$@")
# A node from outside Debian brings its own npm; Debian's would replace that node with its own.
command -v npm >/dev/null || packages+=(npm)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "bootstrap: installing ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

# Playwright, which runs the browser tests, needs a newer node than Debian 12's (18).
node=$(node --version 2>/dev/null || echo none)
major=${node#v}
major=${major%%.*}
if [[ ! $major =~ ^[0-9]+$ ]] || [ "$major" -lt 20 ]; then
    echo "bootstrap: the browser tests need node 20 or later, from outside Debian 12; found $node" >&2
fi

# The window tests run under Russian and English locales too.
for locale in ru_RU en_US; do
    if ! locale -a 2>/dev/null | grep -qix "$locale\.utf-\?8"; then
        echo "bootstrap: generating the $locale.UTF-8 locale"
        if ! grep -q "^$locale.UTF-8 UTF-8" /etc/locale.gen; then
            echo "$locale.UTF-8 UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
        fi
        generate=1
    fi
done
if [ -n "${generate:-}" ]; then
    "${sudo[@]}" locale-gen >/dev/null
fi
