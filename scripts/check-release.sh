#!/usr/bin/env bash
# Checks what scripts/package.sh made (in build/release, or the folder given): the .deb with
# lintian, the .rpm with rpmlint, the AppStream metadata and menu entries inside the .deb, and the
# licence information of the source tree. Fails on any error, and on any lintian warning.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
release=${1:-$root/build/release}

"$root/scripts/bootstrap.sh" lintian rpmlint appstream desktop-file-utils reuse

debs=("$release"/*.deb)
rpms=("$release"/*.rpm)
for package in "${debs[0]}" "${rpms[0]}"; do
    [ -f "$package" ] || { echo "check-release: no package in $release; run scripts/package.sh" >&2; exit 1; }
done

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "${debs[0]}" "$tree"

failed=()
check() {
    local name=$1
    shift
    echo "== $name"
    "$@" || failed+=("$name")
}

# Lintian only advises against running as root, which CI does.
lintian_quiet_as_root() {
    local output status=0
    output=$(lintian --fail-on error,warning "$@" 2>&1) || status=$?
    grep -vx 'running with root privileges is not recommended!' <<<"$output" || true
    return "$status"
}

# desktop-file-validate fails on errors only; a warning fails here too (hints are advice).
desktop_files_clean() {
    local output
    output=$(desktop-file-validate "$@" 2>&1) || { echo "$output"; return 1; }
    [ -z "$output" ] || echo "$output"
    ! grep -q 'warning:' <<<"$output"
}

check lintian lintian_quiet_as_root "${debs[@]}"
check rpmlint rpmlint -c "$root/packaging/rpmlint.toml" "${rpms[@]}"
for metainfo in "$tree"/usr/share/metainfo/*.metainfo.xml; do
    check "appstreamcli validate $(basename "$metainfo")" appstreamcli validate --no-net "$metainfo"
done
# Also checks each component against the menu entry it names.
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$tree"
check desktop-file-validate desktop_files_clean "$tree"/usr/share/applications/*.desktop
check "reuse lint" reuse --root "$root" lint

if [ ${#failed[@]} -gt 0 ]; then
    echo "check-release: failed: ${failed[*]}" >&2
    exit 1
fi
echo "check-release: all checks passed"
