#!/usr/bin/env bash
# Builds the release files into build/release: the .deb, the .rpm, a source tarball of the
# committed tree and, when build-web/site exists, the web site as a tarball and as a SCORM 1.2
# package for course platforms. Builds the programs first when the build is missing or out of date.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
release="$build/release"

"$root/scripts/bootstrap.sh" dpkg-dev rpm git zip
"$root/scripts/build.sh"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=classroom-demos-$version

rm -rf "$release" "$build/cpack"
mkdir -p "$release"
if ! cpack --config "$build/CPackConfig.cmake" -G "DEB;RPM" -B "$build/cpack" >"$build/cpack.log" 2>&1; then
    cat "$build/cpack.log" >&2
    exit 1
fi
mv "$build"/cpack/*.deb "$build"/cpack/*.rpm "$release"/

# The tarball holds what is committed: uncommitted changes are left out.
if [ -n "$(git -C "$root" status --porcelain --untracked-files=no)" ]; then
    echo "package: uncommitted changes are not in the source tarball" >&2
fi
git -C "$root" archive --format=tar.gz --prefix="$name/" -o "$release/$name.tar.gz" HEAD

if [ -d "$root/build-web/site" ]; then
    tar --sort=name --owner=0 --group=0 --numeric-owner -C "$root/build-web" \
        -czf "$release/$name-web.tar.gz" --transform "s|^site|$name-web|" site
    # The site with its manifest at the root, as a course platform imports it.
    manifest="$root/build-web/scorm/imsmanifest.xml"
    if [ -f "$manifest" ]; then
        (cd "$root/build-web/site" && find . -type f -printf '%P\n' | LC_ALL=C sort |
            zip -X -q -@ "$release/$name-scorm.zip")
        zip -X -q -j "$release/$name-scorm.zip" "$manifest"
    fi
fi

ls -1 "$release"/*
