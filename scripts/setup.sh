#!/usr/bin/env bash
# Installs the Debian 12 packages TAVU needs to build, run and test, skipping what is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev qt6-translations-l10n
    # lupdate and lrelease: the English translation is built into the program at build time.
    qt6-tools-dev qt6-l10n-tools
    libcurl4-openssl-dev libcli11-dev libsqlite3-dev
    libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
    libfontconfig-dev fonts-ipafont-gothic xvfb xauth time
    # Installing and packaging: rsvg-convert renders the icon's bitmap sizes from its SVG at
    # build time; dpkg-dev gives CPack dpkg-shlibdeps for the .deb's dependencies; the tests
    # validate the desktop entry (desktop-file-utils) and the AppStream data (appstream) and
    # run the bash completion through bash-completion's own helpers.
    librsvg2-bin dpkg-dev desktop-file-utils appstream bash-completion
)
if [ "${TAVU_SETUP_FUZZ:-0}" = 1 ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
