# Sourced by the end-to-end scripts: counted checks, waiting on conditions,
# what the screen shows of Quorlin's window ($window) and the way of keys to it.
passed=0
failed=0
check() { # check <description> <command...>
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what" >&2
    fi
}
eventually() { # eventually <command...>: true once the command succeeds, within 20 s
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
# The green lamp's brightest pixel (#00FD00) stands once in each lit lamp.
green_lamps() { import -window "$window" png:- | convert png:- -fill black +opaque '#00FD00' \
    -fill white -opaque '#00FD00' -format '%[fx:round(mean*w*h)]' info:; }
three_green() { [ "$(green_lamps)" = 3 ]; }
green_is() { [ "$(green_lamps)" = "$1" ]; }
# Keys go to the window that has the keyboard: give it to Quorlin and make
# sure it took it before typing. --sync alone would wait for ever.
focus_quorlin() {
    timeout 20 xdotool windowactivate --sync "$window" &&
        [ "$(xdotool getactivewindow)" = "$window" ]
}
# Quorlin's drop-down menu is on the screen (and has the keyboard).
menu_shown() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DROPDOWN_MENU && return 0
    done
    return 1
}
stored() { grep -qx "$1" "$conf"; } # stored <line>: the settings file holds that line
# Quorlin's windows on the screen: its main window, and a message box over it.
quorlin_windows() { xdotool search --onlyvisible --name '^Quorlin$' | wc -l; }
one_message() { [ "$(quorlin_windows)" = 2 ]; }
no_message() { [ "$(quorlin_windows)" = 1 ]; }
dismiss_message() { # closes the message box over Quorlin's window
    local message
    message=$(xdotool search --onlyvisible --name '^Quorlin$' | grep -vx "$window") &&
        wmctrl -i -c "$message"
}
# Quorlin's processor time so far, in clock ticks, and whether it uses under a
# tenth of a core over the next 3 s.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
idles_for_3s() {
    local before
    before=$(cpu_ticks)
    sleep 3
    [ $(($(cpu_ticks) - before)) -lt $((3 * $(getconf CLK_TCK) / 10)) ]
}
exited() { ! kill -0 "$pid" 2>/dev/null; }
report() { # the closing line, and the script's exit status
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
