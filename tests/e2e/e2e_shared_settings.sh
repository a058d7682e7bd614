#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with a settings file that is not Quorlin's alone: two windows
# on one file, and the user's editor, each keep what they wrote.
#   e2e_shared_settings.sh <quorlin executable>    (on an X display with openbox)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/process.sh"

second_pid=
trap '[ -z "$second_pid" ] || kill "$second_pid" 2>/dev/null; stop_loopback_session' EXIT

# Two windows on one file: each types a label of its own.
start_quorlin "$quorlin"
first_pid=$pid first_window=$window
check "the first window comes up" eventually three_green
"$quorlin" &
second_pid=$!
second_window=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$second_pid" \
    --name '^Quorlin$' | head -n 1)
window=$first_window
check "the first window has the keyboard" focus_quorlin
xdotool key --clearmodifiers Tab ctrl+a
xdotool type --delay 20 'First'
check "the first window saves its label" eventually stored 'Status1=First'
window=$second_window
check "the second window has the keyboard" focus_quorlin
xdotool key --clearmodifiers Tab Tab ctrl+a
xdotool type --delay 20 'Second'
check "the second window saves its label" eventually stored 'Status2=Second'
sed -i 's/^Status3=.*/Status3=By hand/' "$conf"

wmctrl -i -c "$first_window"
check "the first window closes" eventually exited
pid=$second_pid
wmctrl -i -c "$second_window"
check "the second window closes" eventually exited
second_pid= pid=
check "the first window's label is kept" stored 'Status1=First'
check "the second window's label is kept" stored 'Status2=Second'
check "the label edited by hand is kept" stored 'Status3=By hand'

report
