#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Measures how long a lamp takes to follow its line: from a change of Clear
# To Send to the change of the lamp's pixels on screen, read again and again.
# The real executable watches a pseudo-terminal given modem lines by the
# test-only library, on a virtual display under openbox. The line changes
# at random moments, so the timer's phase plays its part; the same changes
# are measured with the watch of the lines and without it (--poll-only) in
# one run.
#   tools/bench-latency.sh [changes]        (default 50 of each)
# QUORLIN_BUILD overrides the build folder (default build/default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORLIN_BUILD:-$root/build/default}
changes=${1:-50}
quorlin=$build/app/quorlin
modem_lines=$build/tests/harness/modemlines/libquorlin_modem_lines.so
lamp_pixel=$build/tests/harness/lamppixel/lamp_pixel
for part in "$quorlin" "$modem_lines" "$lamp_pixel"; do
    [ -e "$part" ] || { echo "$part is not built yet: build the tests first." >&2; exit 1; }
done

if [ -z "${QUORLIN_IN_XVFB:-}" ]; then
    QUORLIN_IN_XVFB=1 exec "$root/tests/harness/xvfb-session.sh" "$0" "$changes"
fi

. "$root/tests/harness/loopback-session.sh"
. "$root/tests/harness/checks.sh"
. "$root/tests/harness/screen.sh"
. "$root/tests/harness/median.sh"
. "$root/tests/harness/fake_adapter.sh"

printf '[Ports]\nCom1=%s\n' "$link" >"$conf"

# measure <name> [quorlin options...]: one line of figures, in milliseconds
measure() {
    local name=$1 edges=0 cts=CTS at sample
    shift
    set_lines ''
    LD_PRELOAD=$modem_lines QUORLIN_MODEM_LINES=$lines start_quorlin "$quorlin" "$@"
    eventually asserted || { echo "the port did not open" >&2; return 1; }
    edges=1
    set_lines RTS DTR CTS CTS=$edges
    eventually green_is 1 || { echo "the lamp did not light" >&2; return 1; }
    at=$(brightest_lit_pixel)
    : >"$store/$name"
    for _ in $(seq "$changes"); do
        sleep "$(printf '0.%03d' $((100 + RANDOM % 300)))"
        edges=$((edges + 1))
        cts=$([ -z "$cts" ] && echo CTS || true)
        sample=$("$lamp_pixel" "$window" "${at%,*}" "${at#*,}" "$lines" "RTS DTR $cts CTS=$edges")
        echo "${sample#changed }" >>"$store/$name"
    done
    # Closed as the user would: killed, it would leave the pty held exclusively.
    wmctrl -i -c "$window"
    wait "$pid" || true
    pid=
    sort -n "$store/$name" | awk -v name="$name" -v median="$(median <"$store/$name")" '{ v[NR] = $1 } END {
        printf "%-26s min %6.1f  median %6.1f  p90 %6.1f  max %6.1f  (%d changes)\n", name, v[1],
            median, v[int(0.9 * NR + 0.999)], v[NR], NR
    }'
}

echo "from a change of Clear To Send to the lamp's pixels changing, in ms:"
measure "with the watch"
measure "ticks only (--poll-only)" --poll-only
