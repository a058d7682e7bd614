#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with a settings file that is a link to a device: the device is
# left a device, the user is told once, and the window comes up and closes.
#   e2e_device_settings.sh <quorlin executable>    (on an X display with openbox)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
# Left alone, the settings are the defaults, whose Com1 is the machine's
# first on-board port. Run again in a mount namespace of our own, where that
# port is a plain file, which no open takes for a port.
if [ -z "${QUORLIN_OWN_MOUNTS:-}" ]; then
    export QUORLIN_OWN_MOUNTS=1
    if [ "$(id -u)" -eq 0 ]; then
        export QUORLIN_MAY_MKNOD=1
        exec unshare --mount --propagation private "$0" "$@"
    fi
    unshare --user --map-root-user true 2>/dev/null || {
        echo "skipped: no user namespace to hide the serial ports in"
        exit 77
    }
    exec unshare --user --map-root-user --mount --propagation private "$0" "$@"
fi

. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/process.sh"

touch "$store/no-port"
if [ -e /dev/ttyS0 ]; then
    mount --bind "$store/no-port" /dev/ttyS0
fi
# Root makes a device node of its own here, which nothing of the system's
# depends on; anyone else links to /dev/null, which they cannot replace.
device=/dev/null
if [ -n "${QUORLIN_MAY_MKNOD:-}" ]; then
    device=$store/null
    mknod "$device" c 1 3
fi
rm "$conf"
ln -s "$device" "$conf"

start_quorlin "$quorlin"
check "the settings that cannot be saved are told" eventually one_message
dismiss_message || true # none to dismiss has failed the check above
check "then the port that is no port is told" eventually one_message
dismiss_message || true
check "the messages are dismissed" eventually no_message
check "Quorlin has the keyboard" focus_quorlin
xdotool key --clearmodifiers Tab ctrl+a
xdotool type --delay 20 'Typed'
wmctrl -i -c "$window"
# A second message would be a modal box that keeps the window from closing.
check "closing ends the program, with no other message" eventually exited
pid=
check "the device is still a device" [ -c "$device" ]
check "the settings file is still a link to it" [ "$(readlink "$conf")" = "$device" ]
check "nothing else is left in the settings folder" [ "$(ls -A "$store/Quorlin")" = Quorlin.conf ]
[ ! -e /dev/ttyS0 ] || umount /dev/ttyS0

report
