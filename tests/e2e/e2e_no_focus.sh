#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end under a window manager that gives new windows no focus: Quorlin
# still loads its settings and watches its port, and closing it before it ever
# had the focus leaves a hand-written settings file exactly as it was.
#   e2e_no_focus.sh <quorlin executable>  (on an X display whose openbox gives no focus)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/process.sh"

long_label=$(head -c 100000 /dev/zero | tr '\0' L)
printf '[Ports]\nCom1=loop://\n\n[Settings]\nComPort=1\nOnTop=0\nPosition-Left=1500\nPosition-Top=1200\nStatus1=a,b,c\nStatus2=x ;rest\nStatus3=%s\n' \
    "$long_label" >"$conf"
cp "$conf" "$store/as-written.conf"

never_focused() { ! xprop -root _NET_ACTIVE_WINDOW | grep -qi "$(printf '0x%x' "$window")"; }

start_quorlin "$quorlin"
check "all three rows turn green without the focus" eventually three_green
check "the window never had the focus" never_focused
wmctrl -i -c "$window"
check "a close request ends the program" eventually exited
check "the settings file is as the user wrote it" cmp "$conf" "$store/as-written.conf"
report
