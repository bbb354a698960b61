#!/usr/bin/env bash
# Builds the .deb with CPack and checks it: every file it installs against the expected
# list, and the control fields a package manager and a desktop rely on.
# Usage: deb_package_test.sh <cpack> <build folder> <expected file list>
set -euo pipefail
cpack=$1 build=$2 expected=$3

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 || {
    cat "$tmp/cpack.log" >&2
    exit 1
}
deb=$(ls "$tmp"/tavu_*.deb)
echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"

status=0
dpkg-deb -c "$deb" >"$tmp/listing"
# Files and links only: the folders follow from them.
awk '$1 !~ /^d/ { print $6 }' "$tmp/listing" | sed 's|^\./|/|' | LC_ALL=C sort >"$tmp/contents"
if ! diff -u <(grep -v '^#' "$expected" | LC_ALL=C sort) "$tmp/contents"; then
    echo "The package's files differ from $expected (- expected, + in the package)." >&2
    status=1
fi
for program in /usr/bin/tavu /usr/bin/tavu-cli; do
    grep -q "^-rwxr-xr-x .* \.$program\$" "$tmp/listing" || {
        echo "$program is not installed as an executable" >&2
        status=1
    }
done

field() { dpkg-deb -f "$deb" "$1"; }
expect_field() {
    if ! grep -qE "$2" <<<"$(field "$1")"; then
        echo "$1: '$(field "$1")' does not match '$2'" >&2
        status=1
    fi
}
expect_field Package '^tavu$'
expect_field Section '^games$'
expect_field Maintainer '.+ <.+@.+>'
expect_field Description 'random books and match conditions'
# Computed from the binaries, plus the Japanese face the window names.
for dependency in libc6 libstdc\\+\\+6 libqt6widgets6 libqt6gui6 libqt6core6 libcurl4 fonts-ipafont-gothic; do
    expect_field Depends "(^|, )$dependency( |,|$)"
done
field Depends
exit $status
