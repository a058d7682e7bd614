#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with a settings folder that cannot be written: the user is told
# once, the program goes on working, and exit still exits.
#   e2e_unwritable_settings.sh <quorlin executable>    (on an X display with openbox)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
if [ "$(id -u)" -eq 0 ] && [ -z "${QUORLIN_READ_ONLY_MOUNT:-}" ]; then
    # Permissions do not stop root: run again in a mount namespace of our own,
    # where the settings folder is a read-only mount.
    export QUORLIN_READ_ONLY_MOUNT=1
    exec unshare --mount --propagation private "$0" "$@"
fi

. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/process.sh"

printf '[Ports]\nCom1=loop://\n\n[Settings]\nComPort=1\nOnTop=0\nPosition-Left=1500\nPosition-Top=1200\nStatus1=Status Pin 1\nStatus2=Status Pin 2\nStatus3=Status Pin 3\n' >"$conf"
if [ -n "${QUORLIN_READ_ONLY_MOUNT:-}" ]; then
    mount --bind "$store/Quorlin" "$store/Quorlin"
    mount -o remount,bind,ro "$store/Quorlin"
else
    chmod a-w "$store/Quorlin" "$conf"
fi


start_quorlin "$quorlin"
check "all three rows turn green" eventually three_green
xdotool windowactivate --sync "$window"
xdotool key --window "$window" --clearmodifiers Tab
xdotool type --window "$window" --delay 20 'CTS'
check "the failed save is told" eventually one_message
dismiss_message
check "the message is dismissed" eventually no_message
xdotool windowactivate --sync "$window"
xdotool type --window "$window" --delay 20 ' again'
# A second message would be a modal box that keeps the window from closing.
wmctrl -i -c "$window"
check "exit still exits, with no second message" eventually exited
[ -z "${QUORLIN_READ_ONLY_MOUNT:-}" ] || umount "$store/Quorlin"
chmod -R u+w "$store"
report
