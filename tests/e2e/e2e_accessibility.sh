#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end through the desktop's accessibility bus: what a screen reader
# finds of the real quorlin executable watching the loop-back plug.
#   e2e_accessibility.sh <quorlin executable>  (on an X display, in a D-Bus session)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# A desktop starts its accessibility bus at login, before any program; the
# first query starts it here.
"$harness/accessible_tree.py" Quorlin >/dev/null
# What a screen reader would announce, heard from before the program starts.
"$harness/accessible_events.py" >"$store/announced" &
listener=$!
trap 'kill $listener; stop_loopback_session' EXIT
listening() { grep -qx listening "$store/announced"; }
check "a screen reader listens" eventually listening
start_quorlin "$quorlin"

tree() { "$harness/accessible_tree.py" Quorlin; }
reads() { grep -qxF "$1" <<<"$(tree)"; }
all_lamps_on() { [ "$(grep -cP '^image\t.*\ton$' <<<"$(tree)")" = 3 ]; }

check "the three lamps read as on" eventually all_lamps_on
for line in "Carrier Detect" "Data Set Ready" "Clear To Send"; do
    check "$line turning on is announced" \
        eventually grep -qxF "$(printf '%s\ton' "$line")" "$store/announced"
done
check "only the three lamps read as images" test "$(grep -c '^image' <<<"$(tree)")" = 3
for line in "Carrier Detect" "Data Set Ready" "Clear To Send"; do
    check "the lamp of $line is named after it" reads "$(printf 'image\t%s\ton' "$line")"
    check "the label of $line is named after it" reads "$(printf 'text\t%s label\t' "$line")"
done
check "the check box is named" reads "$(printf 'check box\tAlways On Top\t')"
report
