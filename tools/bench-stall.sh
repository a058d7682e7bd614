#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Measures how long Quorlin's window goes without answering: the probe of the
# harness (window_ping) sends the window manager's ping every 20 ms and
# reports the longest round trip and the time without an answer in all. The
# real executable runs on a virtual display under openbox, first at rest on
# the loop-back plug (the baseline), then with the scripted port server
# silent at start, silent while a lost port is tried again and flooding it,
# then with --log to a FIFO nobody reads and to one whose reader stops
# reading while the lines keep changing. Each case is measured for a fixed
# time and the program is killed afterwards, whether it answered or not.
#   tools/bench-stall.sh [seconds]        (default 5)
# QUORLIN_BUILD overrides the build folder (default build/default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORLIN_BUILD:-$root/build/default}
seconds=${1:-5}
quorlin=$build/app/quorlin
window_ping=$build/tests/harness/windowping/window_ping
modem_lines=$build/tests/harness/modemlines/libquorlin_modem_lines.so
for part in "$quorlin" "$window_ping" "$modem_lines"; do
    [ -e "$part" ] || { echo "$part is not built yet: build the tests first." >&2; exit 1; }
done

if [ -z "${QUORLIN_IN_XVFB:-}" ]; then
    QUORLIN_IN_XVFB=1 exec "$root/tests/harness/xvfb-session.sh" "$0" "$seconds"
fi

. "$root/tests/harness/loopback-session.sh"
. "$root/tests/harness/checks.sh"
. "$root/tests/harness/screen.sh"
. "$root/tests/harness/rfc2217-server.sh"
. "$root/tests/harness/window-ping.sh"
. "$root/tests/harness/fake_adapter.sh"
helpers=()
stop_helpers() {
    [ ${#helpers[@]} -eq 0 ] && return 0
    kill -CONT "${helpers[@]}" 2>/dev/null || true
    kill "${helpers[@]}" 2>/dev/null || true
    wait "${helpers[@]}" 2>/dev/null || true
    helpers=()
}
# A program stuck in a write may not take the polite signal.
stop_quorlin() {
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 20); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}
trap 'stop_quorlin; stop_helpers; stop_test_server; stop_loopback_session' EXIT

ports() { printf '[Ports]\nCom1=%s\n' "$1" >"$conf"; }
# measured <case>: the probe over the next $seconds, as one line
measured() {
    local figures
    if figures=$(ping_window "$seconds"); then
        printf '%-40s longest %8.1f ms, without an answer %8.1f ms in all\n' "$1" \
            "${figures% *}" "${figures#* }"
    else
        printf '%-40s the window could not be pinged\n' "$1"
    fi
}
# started <executable> [arguments...]: false, and says so, when no window came
started() {
    start_quorlin "$@" || { printf '%-40s no window\n' "$case"; return 1; }
}

echo "over $seconds s each, the window's answers to a ping every 20 ms:"

case="at rest (loop://)"
ports loop://
if started "$quorlin"; then
    sleep 1 # past start-up
    measured "$case"
fi
stop_quorlin

case="silent server at start"
start_test_server silent $((seconds + 30))
ports "rfc2217://127.0.0.1:$server_port"
started "$quorlin" && measured "$case"
stop_quorlin
stop_test_server

case="silent server during recovery"
start_test_server dropsilent $((seconds + 60))
ports "rfc2217://127.0.0.1:$server_port"
if started "$quorlin"; then
    # CTS and DSR follow the outputs on the server's loop-back.
    eventually green_is 2 || echo "($case: the port did not open)"
    kill -USR1 "$server_pid"
    eventually one_message || echo "($case: the loss was not told)"
    measured "$case"
fi
stop_quorlin
stop_test_server

case="server flooding the port"
start_test_server flood $((seconds + 30))
ports "rfc2217://127.0.0.1:$server_port"
if started "$quorlin"; then
    eventually green_is 2 || echo "($case: the port did not open)"
    measured "$case"
fi
stop_quorlin
stop_test_server

case="--log to a FIFO without a reader"
fifo=$store/log
mkfifo "$fifo"
ports loop://
# What the program says of the log it cannot write is no figure.
started "$quorlin" --log "$fifo" 2>/dev/null && measured "$case"
stop_quorlin
rm -f "$fifo"

case="--log to a FIFO whose reader stops"
mkfifo "$fifo"
# Reads for a second, through a pipe as small as the system allows so that
# the log fills it soon, then holds it open without reading.
/usr/bin/python3 -c '
import fcntl, os, sys, time
fd = os.open(sys.argv[1], os.O_RDONLY)
fcntl.fcntl(fd, 1031, 4096)  # F_SETPIPE_SZ
end = time.monotonic() + 1
while time.monotonic() < end:
    os.read(fd, 4096)
time.sleep(600)
' "$fifo" &
helpers+=($!)
ports "$link"
set_lines RTS DTR
if LD_PRELOAD=$modem_lines QUORLIN_MODEM_LINES=$lines started "$quorlin" --log "$fifo" 2>/dev/null; then
    # The lines change a hundred times a second, each change a line of the log.
    (
        edges=0
        while :; do
            edges=$((edges + 1))
            set_lines RTS DTR CTS CTS=$edges
            sleep 0.005
            edges=$((edges + 1))
            set_lines RTS DTR CTS=$edges
            sleep 0.005
        done
    ) &
    helpers+=($!)
    measured "$case"
fi
stop_quorlin
stop_helpers
