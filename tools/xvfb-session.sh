#!/usr/bin/env bash
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

# -displayfd lets the server pick a free display number, so sessions can run side by side.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
x_pid=$!
# Busy machines start slowly: wait up to 30 s for each part.
for _ in $(seq 600); do
    [ -s "$tmp/display" ] && break
    sleep 0.05
done
[ -s "$tmp/display" ] || { echo "Xvfb did not start:" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$tmp/display")"
export QT_QPA_PLATFORM=xcb
# A session without a login has no runtime folder; give it one, as a login would.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$tmp/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# QUORLIN_OPENBOX_CONFIG names another openbox configuration, for a test of a
# window manager that behaves otherwise than the default one.
openbox --sm-disable ${QUORLIN_OPENBOX_CONFIG:+--config-file "$QUORLIN_OPENBOX_CONFIG"} \
    >"$tmp/openbox.log" 2>&1 &
wm_pid=$!
# Wait until openbox has claimed the screen, so the command meets a managed desktop.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 600); do
    wm_up && break
    sleep 0.05
done
wm_up || { echo "openbox did not start:" >&2; cat "$tmp/openbox.log" >&2; exit 1; }

"$@"
