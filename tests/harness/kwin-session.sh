#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Runs a command on a headless KWin (Wayland, with Xwayland), as in a Plasma
# session: WAYLAND_DISPLAY and DISPLAY are both set, QT_QPA_PLATFORM is not.
# KWin stops when the command ends; the command's exit code is ours, 77 when
# KWin cannot start here. Run it inside a D-Bus session of its own.
#   kwin-session.sh command [args...]
set -euo pipefail
harness=$(dirname "$0")
. "$harness/compositor.sh" kwin_wayland kwin-wayland "$@"
runtime_to_own_bus
at_exit '[ -s "$tmp/display" ] && rm -f "/tmp/.X11-unix/X$(cut -c2- "$tmp/display")"'

# The installed binary carries a file capability that a container may not
# grant ("Operation not permitted"); a copy of it carries none.
cp "$(command -v kwin_wayland)" "$tmp/kwin_wayland"
socket=quorlin-kwin
"$harness/x11_listen.py" "$tmp/display" \
    "$tmp/kwin_wayland" --virtual --width 1280 --height 1024 --socket "$socket" \
    --no-lockscreen --no-global-shortcuts --xwayland >"$tmp/kwin.log" 2>&1 &
# KWin names itself (_NET_SUPPORTING_WM_CHECK) first and clears the active
# window last, once it has set up the screen and takes new windows; it
# publishes no work area on Xwayland.
up() {
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && [ -s "$tmp/display" ] &&
        xprop -display "$(cat "$tmp/display")" -root _NET_ACTIVE_WINDOW 2>/dev/null |
        grep -q 'window id'
}
compositor_started $! "$tmp/kwin.log" up
export WAYLAND_DISPLAY=$socket DISPLAY
DISPLAY=$(cat "$tmp/display")
"$@"
