#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Runs a command on a virtual X display of its own, with openbox managing the
# windows, and tears both down afterwards. The command's exit code is ours.
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 command [args...]" >&2; exit 2; }

tmp=$(mktemp -d)
cleanup() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# A session without a login has no runtime folder; give it one, as a login would.
export QT_QPA_PLATFORM=xcb
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$tmp/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# openbox keeps its log in the cache folder: the session's, not the home folder's.
export XDG_CACHE_HOME=$tmp/cache

# Busy machines start slowly: wait up to 30 s for each part.
wait_for() { # wait_for <command...>
    for _ in $(seq 600); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}
# Openbox names itself (_NET_SUPPORTING_WM_CHECK) before it has loaded its
# theme, and a window mapped in between is never managed: it stays unmapped.
# The work area comes once the screen is set up and new windows are taken.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK _NET_WORKAREA 2>/dev/null | grep -q '^_NET_WORKAREA(CARDINAL)'; }

# Starts Xvfb on a free display and openbox on it, and waits until openbox has
# claimed the screen, so the command meets a managed desktop.
start_desktop() {
    rm -f "$tmp/display"
    # -displayfd lets the server pick a free display number, so sessions can run side by side.
    # -noreset: by default the server starts afresh whenever its last client
    # leaves, as the probes below do, and drops whoever connects meanwhile.
    # QUORLIN_XVFB_DPI gives the screen another resolution than the server's own.
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp \
        ${QUORLIN_XVFB_DPI:+-dpi "$QUORLIN_XVFB_DPI"} \
        3>"$tmp/display" 2>"$tmp/xvfb.log" &
    x_pid=$!
    wait_for test -s "$tmp/display" || return 1
    export DISPLAY=":$(cat "$tmp/display")"
    # QUORLIN_OPENBOX_CONFIG names another openbox configuration, for a test of a
    # window manager that behaves otherwise than the default one.
    openbox --sm-disable ${QUORLIN_OPENBOX_CONFIG:+--config-file "$QUORLIN_OPENBOX_CONFIG"} \
        >"$tmp/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for wm_up
}

# Sessions started side by side can race for a display number, and the loser
# finds its display gone; such a start is tried again on another one.
for attempt in 1 2 3; do
    start_desktop && break
    kill "${wm_pid:-}" "${x_pid:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    wm_pid= x_pid=
    if [ "$attempt" = 3 ]; then
        echo "The virtual desktop did not start:" >&2
        cat "$tmp/xvfb.log" "$tmp/openbox.log" >&2 2>/dev/null || true
        exit 1
    fi
done

"$@"
