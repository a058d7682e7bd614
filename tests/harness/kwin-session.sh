#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Runs a command on a headless KWin (Wayland, with Xwayland), as in a Plasma
# session: WAYLAND_DISPLAY and DISPLAY are both set, QT_QPA_PLATFORM is not.
# KWin stops when the command ends; the command's exit code is ours, 77 when
# KWin cannot start here. Run it inside a D-Bus session of its own.
#   kwin-session.sh command [args...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 command [args...]" >&2; exit 2; }
command -v kwin_wayland >/dev/null || { echo "SKIP: kwin_wayland (kwin-wayland) is not installed"; exit 77; }

tmp=$(mktemp -d)
cleanup() {
    [ -n "${kwin_pid:-}" ] && kill "$kwin_pid" 2>/dev/null && wait "$kwin_pid" 2>/dev/null || true
    [ -s "$tmp/display" ] && rm -f "/tmp/.X11-unix/X$(cut -c2- "$tmp/display")"
    rm -rf "$tmp"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY
# The installed binary carries a file capability that a container may not
# grant ("Operation not permitted"); a copy of it carries none.
cp "$(command -v kwin_wayland)" "$tmp/kwin_wayland"
socket=quorlin-kwin
"$(dirname "$0")/x11_listen.py" "$tmp/display" \
    "$tmp/kwin_wayland" --virtual --width 1280 --height 1024 --socket "$socket" \
    --no-lockscreen --no-global-shortcuts --xwayland >"$tmp/kwin.log" 2>&1 &
kwin_pid=$!

wait_for() { # up to 30 s, for busy machines
    for _ in $(seq 600); do
        "$@" && return 0
        kill -0 "$kwin_pid" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}
wm_up() { [ -s "$tmp/display" ] && xprop -display "$(cat "$tmp/display")" -root \
    _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
if ! wait_for test -S "$XDG_RUNTIME_DIR/$socket" || ! wait_for wm_up; then
    echo "SKIP: KWin did not start here:" && tail -n 20 "$tmp/kwin.log"
    exit 77
fi
export WAYLAND_DISPLAY=$socket DISPLAY
DISPLAY=$(cat "$tmp/display")
"$@"
