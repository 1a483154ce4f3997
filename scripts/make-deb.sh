#!/usr/bin/env bash
# Packs the build into a Debian package with CPack and checks it with lintian,
# which fails on errors and prints its warnings.
# Usage: scripts/make-deb.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
# The staged tree's folders go into the package as they are: readable by all.
umask 022

log=$(mktemp)
trap 'rm -f "$log"' EXIT
(cd "$build" && cpack --config CPackConfig.cmake) | tee "$log"
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$log")
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "make-deb: CPack made no package" >&2
    exit 1
fi

lintian --fail-on error "$deb" || {
    echo "make-deb: lintian found errors in $deb" >&2
    exit 1
}
echo "Package: $deb"
