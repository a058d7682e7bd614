#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Measures what a remote port costs Quorlin: processor time and memory of the
# real executable watching a port server on 127.0.0.1 that only reports its
# lines (the baseline), then one that floods it with data meanwhile. The
# server is the test suite's scripted one, which ends by itself.
#   tools/bench-rfc2217.sh [seconds]        (default 5, at most 6)
# QUORLIN_BIN overrides the executable.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quorlin=${QUORLIN_BIN:-$root/build/default/app/quorlin}
seconds=${1:-5}
[ -x "$quorlin" ] || { echo "Quorlin is not built yet: run ./run.sh first." >&2; exit 1; }

if [ -z "${QUORLIN_IN_XVFB:-}" ]; then
    QUORLIN_IN_XVFB=1 exec "$root/tests/harness/xvfb-session.sh" "$0" "$seconds"
fi

. "$root/tests/harness/loopback-session.sh"
. "$root/tests/harness/process.sh"

measure() { # measure <server mode>: one line of figures
    local fifo=$store/port
    rm -f "$fifo" && mkfifo "$fifo"
    "$root/tests/harness/rfc2217_server.py" "$1" >"$fifo" &
    local server=$! port
    read -r port <"$fifo"
    printf '[Ports]\nCom1=rfc2217://127.0.0.1:%s\n' "$port" >"$conf"
    start_quorlin "$quorlin"
    sleep 1 # past start-up and the open
    local before after rss
    rss=$(memory_kib VmRSS)
    before=$(cpu_ticks)
    sleep "$seconds"
    after=$(cpu_ticks)
    awk -v mode="$1" -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" \
        -v rss0="$rss" -v rss="$(memory_kib VmRSS)" -v peak="$(memory_kib VmHWM)" 'BEGIN {
        printf "%-6s %5.1f%% of one core, resident %.1f MiB after the open, %.1f MiB at the end, %.1f MiB at most\n",
            mode, 100 * t / hz / s, rss0 / 1024, rss / 1024, peak / 1024
    }'
    kill "$pid" && wait "$pid" 2>/dev/null || true
    pid=
    kill "$server" 2>/dev/null && wait "$server" 2>/dev/null || true
}

echo "over $seconds s each:"
measure good
measure flood
