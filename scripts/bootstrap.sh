#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the programs need.
# Does nothing when they are all present.
set -euo pipefail

packages=(g++ clang libclang-rt-14-dev cmake ninja-build qt6-base-dev qt6-qpa-plugins xvfb xauth
    fonts-dejavu-core locales)

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
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The window tests run once more under a Russian locale, where the C library writes a decimal comma.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; then
    echo "bootstrap: generating the ru_RU.UTF-8 locale"
    if ! grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'ru_RU.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${sudo[@]}" locale-gen >/dev/null
fi
