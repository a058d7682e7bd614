#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running and testing Quorlin
# need, and only those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config libxcb1-dev
    qt6-base-dev qt6-serialport-dev qt6-svg-dev libgl-dev qt6-qpa-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n locales
    xvfb xauth openbox xdotool wmctrl x11-utils x11-xserver-utils imagemagick fonts-dejavu-core
    qt6ct adwaita-qt6
    desktop-file-utils appstream
    dpkg-dev file lintian man-db
    at-spi2-core dbus-daemon python3 python3-pyatspi
    umockdev libumockdev-dev
    libtelnet-dev libudev-dev python3-serial strace
    mutter kwin-wayland kwin-style-breeze weston xwayland qt6-wayland
    sigrok-cli gtkwave
)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
# The German end-to-end test runs in de_DE.UTF-8, which a minimal system lacks.
german_locale() {
    locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8' ||
        "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    german_locale
    exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
german_locale
