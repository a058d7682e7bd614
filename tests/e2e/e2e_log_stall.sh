#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end: a log whose reader is not there, or goes, neither holds the
# window nor ends the program.
#   e2e_log_stall.sh <quorlin executable>    (on an X display with openbox)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/process.sh"

printf '[Ports]\nCom1=loop://\n\n[Settings]\nComPort=1\n' >"$conf"
still_runs() { ! exited; }
about_shown() { xdotool search --onlyvisible --name '^About Quorlin$' >/dev/null; }
ends_with_status() { # ends_with_status <status>: once Quorlin has exited
    local status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" = "$1" ]
}

# A FIFO no one reads: the open would wait for a reader.
mkfifo "$store/unread"
start_quorlin "$quorlin" --log "$store/unread"
check "the log without a reader is told" eventually one_message
dismiss_message
check "the message is dismissed" eventually no_message
wmctrl -i -c "$window"
check "the window closes" eventually exited
check "the program ends with status 0" ends_with_status 0

# quorlin --log - | head -n 1: head takes the port's opening line and goes,
# and the next line meets a pipe without a reader.
mkfifo "$store/pipe"
head -n 1 <"$store/pipe" >"$store/first" &
head_pid=$!
head_gone() { ! kill -0 "$head_pid" 2>/dev/null; }
start_quorlin "$quorlin" --log - >"$store/pipe"
check "head takes the first line and goes" eventually head_gone
check "the first line names the port" grep -q ' Com1 loop:// opened: ' "$store/first"
# About and back: the port opens again, and its line is logged.
check "Quorlin has the keyboard" focus_quorlin
xdotool key --clearmodifiers alt+h
check "Alt+H opens the Help menu" eventually menu_shown
xdotool key a
check "the About box is shown" eventually about_shown
wmctrl -c 'About Quorlin'
check "the broken pipe is told" eventually one_message
check "Quorlin still runs" still_runs
dismiss_message
check "the message is dismissed" eventually no_message
wmctrl -i -c "$window"
check "the window closes" eventually exited
check "the program ends with status 0" ends_with_status 0
report
