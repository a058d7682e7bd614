#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end on a Wayland desktop that also runs Xwayland, as GNOME and Plasma
# do: Quorlin, left to choose its platform, starts as an X11 client, comes
# back where it was moved, ten starts leave its stored position as it was,
# and Always On Top keeps it above a maximised window. On Wayland itself
# (QT_QPA_PLATFORM=wayland) it stores no position and shows Always On Top
# greyed out, pointing to the desktop's own command.
#   e2e_compositor.sh <quorlin executable>  (WAYLAND_DISPLAY and DISPLAY set, in a D-Bus session)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/process.sh"

# Where the window's frame stands, as "X Y": the window's corner less the frame.
frame_at() {
    local corner extents
    corner=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF } END { print x, y }')
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    awk -v corner="$corner" -v extents="$extents" 'BEGIN {
        split(corner, c, " "); split(extents, e, ","); print c[1] - e[1], c[2] - e[3] }'
}
at() { [ "$(frame_at)" = "$1" ]; }
stored_position() { grep '^Position-' "$conf"; }
position_changed_from() { [ "$(stored_position)" != "$1" ]; }
start() { rm -f "$line_log" && start_quorlin "$quorlin" --log "$line_log" && eventually openings_are 1; }
quit() {
    wmctrl -i -c "$window"
    eventually exited && pid=
}

printf '[Ports]\nCom1=loop://\n\n[Settings]\nComPort=1\nOnTop=0\nPosition-Left=3000\nPosition-Top=2250\n' >"$conf"
check "Quorlin starts as an X11 client" start
before=$(stored_position)
check "the window stands at its stored position" eventually at "200 150" # 15 twips a pixel
wmctrl -i -r "$window" -e 0,420,260,-1,-1
check "a move by the user is stored" eventually position_changed_from "$before"
moved=$(frame_at)
moved_stored=$(stored_position)
quit

for run in 1 2 3 4 5 6 7 8 9 10; do
    start || break
    check "start $run: the window comes back where it was moved" eventually at "$moved"
    quit
done
check "ten starts leave the stored position unchanged" test "$(stored_position)" = "$moved_stored"

# Above a maximised window of another program, also once that one is active.
sed -i 's/^OnTop=.*/OnTop=1/' "$conf"
start
xmessage -name quorlin-test-other 'another program' &
other_pid=$!
trap 'kill "$other_pid" 2>/dev/null || true; stop_loopback_session' EXIT
other=$(timeout 20 xdotool search --sync --onlyvisible --classname quorlin-test-other | head -n 1)
wmctrl -i -r "$other" -b add,maximized_vert,maximized_horz
wmctrl -i -a "$other"
hex() { printf '0x%x' "$1"; }
has_state() { xprop -id "$1" _NET_WM_STATE | grep -q "$2"; }
# _NET_CLIENT_LIST_STACKING runs from the bottom up.
stacked_above_other() {
    xprop -root _NET_CLIENT_LIST_STACKING | tr ',' '\n' | grep -o '0x[0-9a-f]*' |
        awk -v q="$(hex "$window")" -v o="$(hex "$other")" '$1 == q { qi = NR } $1 == o { oi = NR }
            END { exit !(qi && oi && qi > oi) }'
}
check "the other window is maximised" eventually has_state "$other" _NET_WM_STATE_MAXIMIZED_HORZ
check "Always On Top puts Quorlin in the always-above band" has_state "$window" _NET_WM_STATE_ABOVE
check "Quorlin stays above the maximised window" eventually stacked_above_other
kill "$other_pid"
quit

# On Wayland itself.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$harness/accessible_tree.py" Quorlin >/dev/null # starts the accessibility bus, as a login does
before=$(stored_position)
rm -f "$line_log"
QT_QPA_PLATFORM=wayland "$quorlin" --log "$line_log" &
pid=$!
check "Quorlin starts on Wayland when told to" eventually openings_are 1
check "it shows no X11 window" test -z "$(xdotool search --name '^Quorlin$' 2>/dev/null)"
on_top_box() { "$harness/accessible_tree.py" --states Quorlin | grep -P '^check box\tAlways On Top\t'; }
greyed_with_tip() { on_top_box | grep -qP '\t.*"Keep Above".*\tchecked$'; }
check "Always On Top is greyed out, still set, and points to Keep Above" eventually greyed_with_tip
kill -TERM "$pid"
check "Quorlin ends on SIGTERM" eventually exited
pid=
check "Wayland left the stored position unchanged" test "$(stored_position)" = "$before"
check "and the stored choice of Always On Top" stored 'OnTop=1'
report
