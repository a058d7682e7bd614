#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with a device whose driver reports line changes as they happen:
# COM1 is a pty given modem lines, edge counters and a change-wait by the
# preloaded library. A change wakes the lamps; a pulse between two ticks
# flashes its lamp, is counted in what a screen reader reads and is logged;
# the watching thread goes with the port (About, unplug, exit); a driver
# without the wait is still followed at the ticks.
#   e2e_line_watch.sh <quorlin> <modem-lines library> <lamp_pixel>
#   (on an X display with openbox, in a D-Bus session)
set -euo pipefail
quorlin=$1
modem_lines=$2
lamp_pixel=$3
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/process.sh"
. "$harness/fake_adapter.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

log=$store/lines.log
logged() { sed 's/^[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]T[0-9:]\{8\}\.[0-9]\{3\} //' "$log" | grep -qxF "$1"; }
watching() { grep -qx quorlin-lines /proc/"$pid"/task/*/comm 2>/dev/null; }
not_watching() { ! watching; }
reads() { grep -qxF "$1" <<<"$("$harness/accessible_tree.py" Quorlin)"; }
opened_all_off() { # opened_all_off <n>: the log names the port opened n times, all lines off
    [ "$(grep -c " Com1 $link opened: CD off DSR off CTS off RI off DTR on RTS on$" "$log")" = "$1" ]
}
about_shown() { xdotool search --onlyvisible --name '^About Quorlin' >/dev/null; }

printf '[Ports]\nCom1=%s\n' "$link" >"$conf"
set_lines ''
"$harness/accessible_tree.py" Quorlin >/dev/null # starts the accessibility bus
export LD_PRELOAD=$modem_lines QUORLIN_MODEM_LINES=$lines
start_quorlin "$quorlin" --log "$log"
unset LD_PRELOAD

check "the log starts with the port and its lines" eventually opened_all_off 1
check "the port's lines are watched" eventually watching
set_lines RTS DTR CTS CTS=1
check "Clear To Send lights its lamp" eventually green_is 1
check "the change is logged" eventually logged "CTS on 1"
# The lit lamp's brightest pixel, read again and again below.
at=$(brightest_lit_pixel)
set_lines RTS DTR CTS=2
check "Clear To Send going off puts its lamp out" eventually green_is 0
check "going off is logged" eventually logged "CTS off 1"

# On and off again between two ticks: green for a moment, then red again.
flash=$("$lamp_pixel" "$window" "${at%,*}" "${at#*,}" "$lines" "RTS DTR CTS=4" flash) || true
echo "pulse: $flash"
check "a pulse between ticks flashes its lamp" grep -q '^changed .* back ' <<<"$flash"
check "the pulse is logged with its two edges" eventually logged "CTS off 2"
check "the pulse is counted" eventually reads "$(printf 'image\tClear To Send\toff, 1 pulse')"

# About closes the port, and the watch with it; back in the main window,
# both are there again, and the count starts afresh.
timeout 20 xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers alt+h
sleep 0.5
xdotool key a
check "the About box is shown" eventually about_shown
check "About ends the watch" eventually not_watching
wmctrl -c 'About Quorlin'
check "back in the main window the port is watched again" eventually watching
check "the reopened port is logged" eventually opened_all_off 2
check "the count starts afresh" eventually reads "$(printf 'image\tClear To Send\toff')"

# Unplugged: the wait ends with the hang-up. Plugged in again with a driver
# that has no wait: the lamps follow at the ticks.
tell_adapter unplug
check "the unplug ends the watch" eventually not_watching
check "the unplug is told" eventually one_message
dismiss_message
set_lines NOWAIT
tell_adapter plug
check "the port is back" eventually opened_all_off 3
check "a driver without the wait is not watched" eventually not_watching
set_lines RTS DTR CD NOWAIT
check "without the wait the lamps follow at the ticks" eventually green_is 1
check "the change is logged without counts" eventually logged "CD on 1"

tell_adapter unplug
check "the second unplug is told" eventually one_message
dismiss_message
set_lines ''
tell_adapter plug
check "plugged in again, watched again" eventually watching
wmctrl -i -c "$window"
check "exiting while watched ends the program" eventually exited
report
