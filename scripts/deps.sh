#!/usr/bin/env bash
# Installs what building, running and testing Orvanta need on Debian 12.
#   scripts/deps.sh build   - the compiler, CMake and Qt
#   scripts/deps.sh test    - also Xvfb, D-Bus mocks, the tray host, AT-SPI, mingw/wine, ...
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools
    qt6-qpa-plugins qt6-translations-l10n libgl-dev libxcb1-dev libxcb-sync-dev libxcb-dpms0-dev
    libwayland-dev wayland-protocols
    fonts-dejavu-core)
test_packages=(
    xvfb xauth xdotool x11-utils imagemagick trayer weston qt6-wayland
    dbus dbus-x11 python3-dbusmock python3-dbus python3-gi python3-pyatspi at-spi2-core
    libglib2.0-bin
    clang-14 libclang-rt-14-dev
    g++-mingw-w64-x86-64 nsis zip xz-utils
    desktop-file-utils appstream librsvg2-bin icoutils python3-xlib dpkg-dev file pkg-config lintian
    fonts-wqy-zenhei
)

packages=("${build_packages[@]}")
if [ "${1:-build}" = test ]; then
    packages+=("${test_packages[@]}")
fi

sudo_cmd=(env DEBIAN_FRONTEND=noninteractive)
if [ "$(id -u)" -ne 0 ]; then
    # sudo resets the environment: the frontend has to be passed through it.
    sudo_cmd=(sudo env DEBIAN_FRONTEND=noninteractive)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# wine64 without its recommends: the wine check runs console programs only.
need_wine=0
if [ "${1:-build}" = test ] && ! dpkg-query -W -f='${Status}' wine64 2>/dev/null | grep -q 'install ok installed'; then
    need_wine=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_wine -eq 1 ]; then
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update
    if [ ${#missing[@]} -gt 0 ]; then
        "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
    fi
    if [ $need_wine -eq 1 ]; then
        "${sudo_cmd[@]}" apt-get install -y --no-install-recommends wine64
    fi
fi
