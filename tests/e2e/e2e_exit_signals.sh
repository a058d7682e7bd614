#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end: the system asks Quorlin to end (SIGTERM as the user logs out or
# from systemctl --user stop, SIGHUP as its terminal closes, SIGINT for
# Ctrl+C) right after the user typed a label, before the pause that saves it.
# The label is saved as File, Exit saves it, and Quorlin exits with status 0.
#   e2e_exit_signals.sh <quorlin executable>    (on an X display with openbox)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/process.sh"

for signal in TERM HUP INT; do
    printf '[Ports]\nCom1=loop://\n' >"$conf"
    # A script's background job ignores SIGINT; a terminal's does not.
    start_quorlin env --default-signal=INT "$quorlin"
    check "SIG$signal: all three rows turn green" eventually three_green
    check "SIG$signal: Quorlin has the keyboard" focus_quorlin
    xdotool key --clearmodifiers Tab ctrl+a
    xdotool type --delay 20 "Ended by $signal"
    # Once the menu is up the keys before it have reached the label; the
    # pause that would save it has not passed yet.
    xdotool key --clearmodifiers alt+f
    check "SIG$signal: Alt+F opens the File menu" eventually menu_shown
    kill -s "$signal" "$pid"
    check "SIG$signal ends Quorlin" eventually exited
    status=0
    if exited; then
        wait "$pid" || status=$?
    else
        kill -s KILL "$pid"
        wait "$pid" || true
        status="still running"
    fi
    pid=
    check "SIG$signal: exit status 0, not $status" [ "$status" = 0 ]
    check "SIG$signal: the typed label is stored" stored "Status1=Ended by $signal"
done

report
