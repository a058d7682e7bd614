#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with a settings file that is not Quorlin's alone: a link to a
# device is left a link to a device, and the window still comes up; two
# windows on one file, and the user's editor, each keep what they wrote.
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

# Root may make a device node of its own here, which nothing of the system's
# depends on; anyone else links to /dev/null, which they cannot replace.
device=/dev/null
if [ "$(id -u)" -eq 0 ]; then
    device=$store/null
    mknod "$device" c 1 3
fi
rm "$conf"
ln -s "$device" "$conf"
start_quorlin "$quorlin"
check "the settings that cannot be saved are told" eventually one_message
dismiss_message || true # none to dismiss has failed the check above
check "the message is dismissed" eventually no_message
check "Quorlin has the keyboard" focus_quorlin
xdotool key --clearmodifiers Tab ctrl+a
xdotool type --delay 20 'Typed'
wmctrl -i -c "$window"
# A second message would be a modal box that keeps the window from closing.
check "closing ends the program, with no second message" eventually exited
pid=
check "the device is still a device" [ -c "$device" ]
check "the settings file is still a link to it" [ "$(readlink "$conf")" = "$device" ]
check "nothing else is left by it" [ "$(ls -A "$store/Quorlin")" = Quorlin.conf ]

# Two windows on one file: each types a label of its own.
rm "$conf"
printf '[Ports]\nCom1=loop://\n' >"$conf"
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
