#!/usr/bin/env bash
# Measures what Quorlin costs while it watches a port: the processor time and
# memory of the real executable polling the loop-back plug ten times a second,
# on a virtual display under openbox.
#   tools/bench-idle.sh [seconds]        (default 20)
# QUORLIN_BIN overrides the executable.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quorlin=${QUORLIN_BIN:-$root/build/default/app/quorlin}
seconds=${1:-20}
[ -x "$quorlin" ] || { echo "Quorlin is not built yet: run ./run.sh first." >&2; exit 1; }

if [ -z "${QUORLIN_IN_XVFB:-}" ]; then
    QUORLIN_IN_XVFB=1 exec "$root/tools/xvfb-session.sh" "$0" "$seconds"
fi

. "$root/tools/loopback-session.sh"

start_quorlin "$quorlin"
sleep 2 # past start-up

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")

awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" -v rss="$rss" -v peak="$peak" 'BEGIN {
    printf "processor time while watching: %.1f ms per second (%.2f%% of one core) over %d s\n", 1000 * t / hz / s, 100 * t / hz / s, s
    printf "resident memory: %.1f MiB now, %.1f MiB at most\n", rss / 1024, peak / 1024
}'
