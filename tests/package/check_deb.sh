#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree and checks it from the
# outside, as a user's package tools see it. Installs nothing.
#   check_deb.sh <build folder> <scratch folder>
set -euo pipefail
build=$1
work=$2
. "$(dirname "$0")/../harness/checks.sh"

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" ||
    { cat "$work/cpack.log" >&2; exit 1; }
debs=("$work"/quorlin_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "no single quorlin_<version>_<arch>.deb" >&2; exit 1; }
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
check "named quorlin_<version>_<arch>.deb" \
    test "$(basename "$deb")" = "quorlin_$(field Version)_$(field Architecture).deb"
check "depends on the Qt serial-port library" grep -q 'libqt6serialport6' <<<"$(field Depends)"
check "in section comm" test "$(field Section)" = comm
check "names a maintainer" grep -q '<.*@.*>' <<<"$(field Maintainer)"
check "names its home page" grep -q '^https://' <<<"$(field Homepage)"
check "recommends xdg-utils, which opens the help" grep -qw xdg-utils <<<"$(field Recommends)"
check "has a short and a long description" test "$(field Description | wc -l)" -gt 2

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for file in usr/bin/quorlin usr/share/applications/io.github.quorlin.Quorlin.desktop \
    usr/share/metainfo/io.github.quorlin.Quorlin.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/quorlin.svg \
    usr/share/icons/hicolor/128x128/apps/quorlin.png \
    usr/share/quorlin/help/quorlin-help.html usr/share/doc/quorlin/copyright; do
    check "ships /$file" grep -qx "\./$file" <<<"$contents"
done

check "lintian finds no errors" lintian --fail-on error "$deb"

dpkg-deb -x "$deb" "$work/root"
check "the shipped program answers --version without a display" \
    test "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/quorlin" --version)" \
    = "Quorlin $(field Version)"
report
