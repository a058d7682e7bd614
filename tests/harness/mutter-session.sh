#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Runs a command on a headless mutter (Wayland, with Xwayland), as in a GNOME
# session: WAYLAND_DISPLAY and DISPLAY are both set, QT_QPA_PLATFORM is not.
# mutter stops when the command ends; the command's exit code is ours, 77 when
# mutter cannot start here. Run it inside a D-Bus session of its own.
#   mutter-session.sh command [args...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 command [args...]" >&2; exit 2; }
command -v mutter >/dev/null || { echo "SKIP: mutter is not installed"; exit 77; }

tmp=$(mktemp -d)
cleanup() {
    [ -s "$tmp/waiter" ] && kill "$(cat "$tmp/waiter")" 2>/dev/null || true
    [ -n "${mutter_pid:-}" ] && kill "$mutter_pid" 2>/dev/null && wait "$mutter_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY XAUTHORITY
socket=quorlin-mutter
# mutter starts Xwayland on a display of its choosing (mutter 48 only once a
# client needs it) and tells the command it runs where: this one writes it
# down and waits.
mutter --headless --wayland --virtual-monitor 1280x1024 --wayland-display "$socket" -- \
    sh -c 'echo $$ >"$1/waiter"; env >"$1/env.part" && mv "$1/env.part" "$1/env"; exec sleep 100000' \
    sh "$tmp" >"$tmp/mutter.log" 2>&1 &
mutter_pid=$!

wait_for() { # up to 30 s, for busy machines
    for _ in $(seq 600); do
        "$@" && return 0
        kill -0 "$mutter_pid" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}
wm_up() {
    [ -s "$tmp/env" ] || return 1
    DISPLAY=$(sed -n 's/^DISPLAY=//p' "$tmp/env")
    XAUTHORITY=$(sed -n 's/^XAUTHORITY=//p' "$tmp/env")
    # Where mutter does not pass the authority file on, it is the one it made.
    [ -n "$XAUTHORITY" ] || XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
    export DISPLAY XAUTHORITY
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
if ! wait_for test -S "$XDG_RUNTIME_DIR/$socket" || ! wait_for wm_up; then
    echo "SKIP: mutter did not start here:" && tail -n 20 "$tmp/mutter.log"
    exit 77
fi
export WAYLAND_DISPLAY=$socket
"$@"
