# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that drive Quorlin on an X display: what the screen
# shows of Quorlin's window ($window) and the windows over it, and the way of
# keys to it.

# The green lamp's brightest pixel (#00FD00) stands once in each lit lamp.
green_lamps() { import -window "$window" png:- | convert png:- -fill black +opaque '#00FD00' \
    -fill white -opaque '#00FD00' -format '%[fx:round(mean*w*h)]' info:; }
three_green() { [ "$(green_lamps)" = 3 ]; }
green_is() { [ "$(green_lamps)" = "$1" ]; }
# Where the first lit lamp's brightest pixel stands, as X,Y: the pixel to
# watch for that lamp changing.
brightest_lit_pixel() { import -window "$window" png:- | convert png:- txt:- |
    awk -F: '/#00FD00/ && !at { at = $1 } END { print at }'; }
# Keys go to the window that has the keyboard: give it to Quorlin and make
# sure it took it before typing. --sync alone would wait for ever.
focus_quorlin() {
    timeout 20 xdotool windowactivate --sync "$window" &&
        [ "$(xdotool getactivewindow)" = "$window" ]
}
# Quorlin's drop-down menu is on the screen (and has the keyboard): a popup
# of Quorlin's that is not a tool tip. Its window type is not always there to
# tell: with a screen reader listening, Qt may map the menu before it names
# it a drop-down menu, and then as a normal window.
menu_shown() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        xwininfo -all -id "$w" | grep -q 'Override Redirect State: yes' &&
            ! xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && return 0
    done
    return 1
}
# Opens Quorlin's menu with access key $1 (Alt+$1) and waits until it shows.
# A key that arrives while Qt is still taking the window's activation in is
# lost, so the key is sent again, after Escape, until the menu shows.
open_menu() {
    local _ __
    for _ in 1 2 3 4 5; do
        focus_quorlin && xdotool key --clearmodifiers "alt+$1" || return 1
        for __ in $(seq 30); do
            menu_shown && return 0
            sleep 0.1
        done
        xdotool key Escape
    done
    return 1
}
# Quorlin's windows on the screen: its main window, and a message box over it.
quorlin_windows() { xdotool search --onlyvisible --name '^Quorlin$' | wc -l; }
one_message() { [ "$(quorlin_windows)" = 2 ]; }
no_message() { [ "$(quorlin_windows)" = 1 ]; }
dismiss_message() { # closes the message box over Quorlin's window
    local message
    message=$(xdotool search --onlyvisible --name '^Quorlin$' | grep -vx "$window") &&
        wmctrl -i -c "$message"
}
