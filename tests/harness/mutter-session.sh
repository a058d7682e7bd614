#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Runs a command on a headless mutter (Wayland, with Xwayland), as in a GNOME
# session: WAYLAND_DISPLAY and DISPLAY are both set, QT_QPA_PLATFORM is not.
# mutter stops when the command ends; the command's exit code is ours, 77 when
# mutter cannot start here. Run it inside a D-Bus session of its own.
#   mutter-session.sh command [args...]
set -euo pipefail
. "$(dirname "$0")/compositor.sh" mutter mutter "$@"
runtime_to_own_bus
at_exit '[ -s "$tmp/waiter" ] && kill "$(cat "$tmp/waiter")"'

# mutter starts Xwayland on a display of its choosing (mutter 48 only once a
# client needs it) and tells the command it runs where: this one writes it
# down and waits.
socket=quorlin-mutter
# mutter 48 refuses to start Xwayland without a writable folder for the X
# sockets, and a fresh system may not have made it yet.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
mutter --headless --wayland --virtual-monitor 1280x1024 --wayland-display "$socket" -- \
    sh -c 'echo $$ >"$1/waiter"; env >"$1/env.part" && mv "$1/env.part" "$1/env"; exec sleep 100000' \
    sh "$tmp" >"$tmp/mutter.log" 2>&1 &
up() {
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && [ -s "$tmp/env" ] || return 1
    DISPLAY=$(sed -n 's/^DISPLAY=//p' "$tmp/env")
    XAUTHORITY=$(sed -n 's/^XAUTHORITY=//p' "$tmp/env")
    # Where mutter does not pass the authority file on, it is the one it made.
    [ -n "$XAUTHORITY" ] || XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
    export DISPLAY XAUTHORITY
    # The work area, not just the window manager's name: mutter publishes it
    # once its screen is set up and new windows are taken.
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q '^_NET_WORKAREA(CARDINAL)'
}
compositor_started $! "$tmp/mutter.log" up
export WAYLAND_DISPLAY=$socket
"$@"
