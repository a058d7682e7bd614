#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Builds the Debian package as a packager does (tools/build-deb.sh) and checks
# it from the outside, as a user's package tools and Debian's lintian see it.
# Installs nothing.
#   check_deb.sh <package build folder> <scratch folder>
set -euo pipefail
build=$1
work=$2
here=$(dirname "$0")
. "$here/../harness/checks.sh"

rm -rf "$work"
mkdir -p "$work"
deb=$("$here/../../tools/build-deb.sh" "$build")
[ "$(wc -l <<<"$deb")" -eq 1 ] && [ -f "$deb" ] || { echo "no single quorlin_<version>_<arch>.deb" >&2; exit 1; }
warnings=$(grep -E '^[^ ]+:[0-9]+:([0-9]+:)? warning:' "$build/build.log" || true)
check "the optimised build has no compiler warnings" test -z "$warnings"
[ -z "$warnings" ] || echo "$warnings" >&2

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
icons=usr/share/icons/hicolor
for file in usr/bin/quorlin usr/share/applications/io.github.quorlin.Quorlin.desktop \
    usr/share/metainfo/io.github.quorlin.Quorlin.metainfo.xml $icons/scalable/apps/quorlin.svg \
    $icons/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/quorlin.png \
    usr/share/man/man1/quorlin.1.gz usr/share/help/C/quorlin/quorlin-help.html \
    usr/share/doc/quorlin/copyright usr/share/doc/quorlin/changelog.gz; do
    check "ships /$file" grep -qx "\./$file" <<<"$contents"
done

# Every tag lintian has to say, informational and pedantic ones too, on
# standard output; its own remarks (such as running as root) go to stderr.
check "lintian runs" lintian --pedantic --display-info "$deb" >"$work/lintian.log"
check "lintian --pedantic --display-info finds nothing to tag" test ! -s "$work/lintian.log"
cat "$work/lintian.log" >&2

dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/quorlin
dynamic=$(readelf --dynamic --dyn-syms --wide "$program")
check "the program is linked to bind now (-z now)" grep -q 'FLAGS.*\bNOW\b' <<<"$dynamic"
check "the program calls the fortified functions" grep -q '__[a-z_]*_chk\b' <<<"$dynamic"
check "the program guards its stack" grep -qw '__stack_chk_fail' <<<"$dynamic"
check "the program has no .comment section" \
    test -z "$(readelf --section-headers --wide "$program" | grep -w '\.comment')"
check "man renders the shipped page without warnings" test -z "$(LC_ALL=C.UTF-8 MANROFFSEQ='' \
    MANWIDTH=80 man --warnings -E UTF-8 -l "$work/root/usr/share/man/man1/quorlin.1.gz" 2>&1 >/dev/null)"
check "the shipped program answers --version without a display" \
    test "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version)" \
    = "Quorlin $(field Version)"
report
