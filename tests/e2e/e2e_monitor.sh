#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end: the real quorlin executable under a window manager, with COM1
# mapped to the built-in loop-back plug in a throwaway settings store.
#   e2e_monitor.sh <quorlin executable>     (run on an X display with openbox)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/process.sh"

on_top() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
not_on_top() { ! on_top; }

# First start: the store is seeded and the loop-back plug lights all three rows.
start_quorlin "$quorlin"
# Docks tie a window to its launcher by the window's class.
entry=$(dirname "$0")/../../resources/desktop/io.github.quorlin.Quorlin.desktop
window_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
check "the window's class is the desktop entry's StartupWMClass" \
    grep -qx "StartupWMClass=$window_class" "$entry"
check "all three rows turn green" eventually three_green
for key in Position-Left Position-Top OnTop Status1 Status2 Status3 ComPort; do
    check "$key is seeded" grep -q "^$key=" "$conf"
done
check "port 1 is the stored choice" stored 'ComPort=1'
check "not on top by default" not_on_top

# A label typed by the user, then File, Exit: the six keys are written.
check "Quorlin has the keyboard" focus_quorlin
xdotool key --clearmodifiers Tab ctrl+a
xdotool type --delay 20 'Carrier Detect'
xdotool key --clearmodifiers alt+f
check "Alt+F opens the File menu" eventually menu_shown
xdotool key e
check "File, Exit ends the program" eventually exited
check "the typed label is stored" stored 'Status1=Carrier Detect'
check "the position is stored" grep -q '^Position-Left=-\?[0-9]' "$conf"
pid=

# With OnTop set, the window comes up in the always-above band, and the box
# takes it out again.
sed -i 's/^OnTop=.*/OnTop=1/' "$conf"
start_quorlin "$quorlin"
check "OnTop 1 keeps the window above" eventually on_top
check "the label came back" stored 'Status1=Carrier Detect'
check "Quorlin has the keyboard again" focus_quorlin
xdotool key --clearmodifiers space # the check box has the focus
check "clearing the box leaves the band" eventually not_on_top
check "clearing the box stores it" eventually stored 'OnTop=0'
check "the window stays visible" xdotool search --onlyvisible --name '^Quorlin$' >/dev/null

report
