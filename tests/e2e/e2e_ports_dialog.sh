#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end from the keyboard: the chosen port names a device that is not
# there; Com, Ports… maps it to the loop-back plug, and the port opens on it
# at once. Runs in a mock device tree with an FTDI adapter, which the menu and
# the dialog list, and four on-board ports, which listing them must not open:
# opening one can toggle a line of whatever is wired to it. strace records
# every file Quorlin opens; no device of the machine is probed.
#   e2e_ports_dialog.sh <quorlin executable>  (on an X display with openbox, under umockdev-run)
# With QUORLIN_SCREENSHOT set, the screen with the dialog open is saved there.
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"

ports_dialog() { xdotool search --onlyvisible --name '^Ports$' 2>/dev/null | head -n 1; }
dialog_has_the_keyboard() { [ -n "$(ports_dialog)" ] && [ "$(xdotool getactivewindow)" = "$(ports_dialog)" ]; }
dialog_closed() { [ -z "$(ports_dialog)" ]; }
# The opens as strace shows them: umockdev's preload turns /dev/ttyS0 into
# its tree's .../dev/ttyS0 on the way, so either form counts.
trace=$store/opens.trace
opened() { grep -qE "^[0-9]+ +open(at)?\(.*\"[^\"]*$1\"" "$trace"; }
no_uart_opened() { ! opened '/dev/ttyS[0-9]+'; }

printf '[Ports]\nCom2=%s\n\n[Settings]\nComPort=2\n' "$store/no-adapter" >"$conf"
start_quorlin strace -f -e trace=openat,open -o "$trace" "$quorlin"
pid=$(xdotool getwindowpid "$window") # Quorlin's, not strace's
check "the missing device is told" eventually one_message
dismiss_message
check "the message is dismissed" eventually no_message

check "Quorlin has the keyboard" focus_quorlin
xdotool key --clearmodifiers alt+c
check "Alt+C opens the Com menu" eventually menu_shown
xdotool key p
check "P opens the Ports dialog" eventually dialog_has_the_keyboard

# The list of Com1, opened from the keyboard, shows the adapter; Escape
# closes the list and leaves the dialog open.
xdotool key --clearmodifiers alt+1 alt+Down
# The list opens as a popup window of its own, as a menu does; an Escape sent
# before it is there would close the dialog. A tool tip, or the list's own
# roll-out effect, is a window too, but no sign that the list takes keys.
check "Alt+Down opens the list" eventually menu_shown
if [ -n "${QUORLIN_SCREENSHOT:-}" ]; then
    sleep 1 # for the picture only: nothing is checked on it
    import -window root "$QUORLIN_SCREENSHOT"
fi
xdotool key Escape
# The window manager may tell the dialog active again a moment after the list
# is gone, so both are waited for; had the Escape reached the dialog, it
# would be gone for good.
list_closed() { ! menu_shown; }
check "Escape closes the list" eventually list_closed
check "Escape leaves the dialog open" eventually dialog_has_the_keyboard

xdotool key --clearmodifiers alt+2 ctrl+a
xdotool type --delay 20 'loop://'
xdotool key Return
check "Enter takes OK" eventually dialog_closed
check "the mapping is stored" eventually stored 'Com2=loop://'
check "no other port is mapped" [ "$(grep -c '^Com[0-9]' "$conf")" = 1 ]
check "the port reopens on the plug" eventually three_green
check "the trace shows the chosen port's device tried" opened "$store/no-adapter"
check "no on-board port was opened" no_uart_opened

report
