#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with the outputs driven from the Com menu's keyboard: COM1 a
# pty (through a link) given modem lines by the preloaded library, which
# also records each change of RTS, DTR and a break. Unticking DTR drops it
# and stores it; the next start opens with DTR off; the pulse and the break
# come and go; with no port open the five items are disabled; on loop:// the
# plug's wiring shows RTS off as the third row red.
#   e2e_lines.sh <quorlin executable> <modem-lines library>   (on an X display, in a D-Bus session)
set -euo pipefail
quorlin=$1
modem_lines=$2
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/fake_adapter.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

log=$store/lines.log
events=$store/events
logged() { sed 's/^[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]T[0-9:]\{8\}\.[0-9]\{3\} //' "$log" | grep -qxF "$1"; }
happened() { grep -qx "[0-9]* $1" "$events" 2>/dev/null; } # happened "DTR off"
has() { grep -qw "$1" "$lines"; }
lacks() { ! has "$1"; }
# Qt takes a menu bar's access keys from xdotool once per run: each run here
# opens the Com menu once.
com_menu() { focus_quorlin && xdotool key --clearmodifiers alt+c && eventually menu_shown; }
com_key() { com_menu && xdotool key "$1"; } # com_key <access key>
quit_quorlin() { kill "$pid" && wait "$pid" || true; pid=; }
# Over the accessibility bus, with the Com menu open: "<item> enabled checked".
item_states() { "$harness/accessible_tree.py" --states Quorlin | awk -F'\t' -v item="$2" \
    '$2 == item { print $4; exit }' | grep -qx "$1"; }

"$harness/accessible_tree.py" Quorlin >/dev/null # starts the accessibility bus
printf '[Ports]\nCom1=%s\nCom2=/nonexistent/ttyQuorlin\n' "$link" >"$conf"
set_lines CTS
export LD_PRELOAD=$modem_lines QUORLIN_MODEM_LINES=$lines QUORLIN_MODEM_EVENTS=$events
start_quorlin "$quorlin" --log "$log"
check "RTS and DTR are asserted on open, with no [Lines]" eventually asserted
check "the log's first line names all six lines" \
    eventually logged "Com1 $link opened: CD off DSR off CTS on RI off DTR on RTS on"

check "Alt+C, D unticks DTR" com_key d
check "DTR drops" eventually lacks DTR
check "RTS stays" has RTS
check "the choice is stored" eventually stored "Com1DTR=0"
check "the switch is logged" eventually logged "DTR off"
set_lines RTS CTS RI RI=1 # as a driver that counts edges reports it
check "Ring Indicator is logged" eventually logged "RI on 1"
quit_quorlin

# The next start opens the port with DTR not asserted.
start_quorlin "$quorlin" --log "$log"
check "the next open says DTR off" \
    eventually logged "Com1 $link opened: CD off DSR off CTS on RI on DTR off RTS on"
check "and DTR is not asserted" lacks DTR
check "the Com menu opens" com_menu
check "DTR reads as enabled and unticked" eventually item_states "enabled" DTR
check "RTS reads as enabled and ticked" item_states "enabled checked" RTS
xdotool key Escape
quit_quorlin

: >"$events"
start_quorlin "$quorlin" --log "$log"
check "Alt+C, S pulses RTS" com_key s
check "RTS goes off" eventually happened "RTS off"
check "and comes back" eventually happened "RTS on"
check "the pulse is logged both ways" eventually logged "RTS on"
quit_quorlin
start_quorlin "$quorlin"
check "Alt+C, B sends a break" com_key b
check "the break comes" eventually happened "BREAK on"
check "and goes" eventually happened "BREAK off"
quit_quorlin

# No port open: the five items are disabled.
start_quorlin "$quorlin" --port 2
check "the missing port is told" eventually one_message
dismiss_message
check "the message is dismissed" eventually no_message
check "the Com menu opens" com_menu
for item in DTR RTS "Pulse DTR" "Pulse RTS" "Send Break"; do
    check "$item is disabled" eventually item_states "" "$item"
done
xdotool key Escape
quit_quorlin
unset LD_PRELOAD

# The loop-back plug: RTS off turns the third row red, and on green again.
printf '[Ports]\nCom1=loop://\n' >"$conf"
start_quorlin "$quorlin"
check "the plug lights all three lamps" eventually three_green
check "Alt+C, R unticks RTS" com_key r
check "the third row turns red" eventually green_is 2
quit_quorlin
start_quorlin "$quorlin"
check "the port opens with RTS off" eventually green_is 2
check "Alt+C, R ticks it again" com_key r
check "the third row is green again" eventually three_green

report
