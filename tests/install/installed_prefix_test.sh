#!/usr/bin/env bash
# Installs the build into a temporary prefix (DESTDIR), makes the prefix read-only and runs
# the installed window and command line there (installed_prefix_driver) with HOME and every
# XDG variable in a temporary folder. Passes when the driver passes and a listing of the
# prefix with the hash of every file is the same before and after.
# Usage: installed_prefix_test.sh <cmake> <build folder> <driver>
set -euo pipefail
cmake=$1 build=$2 driver=$3

tmp=$(mktemp -d)
cleanup() { chmod -R u+w "$tmp" 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT
chmod 755 "$tmp"
root=$tmp/root prefix=$tmp/root/usr

DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null
cp "$driver" "$prefix/bin/"
chmod -R a-w "$root"

listing() {
    (cd "$root" && find . -printf '%M %U %s %p\n' | LC_ALL=C sort &&
        find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}
listing >"$tmp/before"

home=$tmp/home
mkdir -p "$home" "$tmp/runtime" "$tmp/work"
chmod 700 "$tmp/runtime"
run=()
# Root may write anywhere, read-only or not: the programs run as an unprivileged user then,
# so that a write into the prefix fails as it would for a player.
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$home" "$tmp/runtime" "$tmp/work"
    run=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi

status=0
env -i PATH=/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    XDG_CACHE_HOME="$home/.cache" XDG_STATE_HOME="$home/.local/state" XDG_RUNTIME_DIR="$tmp/runtime" \
    XDG_DATA_DIRS=/usr/share XDG_CONFIG_DIRS=/etc/xdg TAVU_TEST_WORK="$tmp/work" \
    "${run[@]}" sh -c 'cd "$TAVU_TEST_WORK" && exec "$0"' "$prefix/bin/$(basename "$driver")" || status=$?

listing >"$tmp/after"
if ! diff -u "$tmp/before" "$tmp/after"; then
    echo "The installed prefix changed while the programs ran." >&2
    status=1
fi
exit $status
