#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Measures how long Pulse RTS and Send Break hold their line, against the
# 100 ms and 250 ms asked for: the port session drives a pseudo-terminal
# given modem lines by the test-only library, which stamps each change of the
# line. The baseline, in the same run, is how late a plain 100 ms sleep of
# this machine wakes up. Run it on a loaded machine to see what load costs.
#   tools/bench-pulse.sh [runs]        (default 20)
# QUORLIN_BUILD overrides the build folder (default build/default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORLIN_BUILD:-$root/build/default}
runs=${1:-20}
timing=$build/tests/monitor/tst_output_timing
modem_lines=$build/tests/harness/modemlines/libquorlin_modem_lines.so
for part in "$timing" "$modem_lines"; do
    [ -e "$part" ] || { echo "$part is not built yet: build the tests first." >&2; exit 1; }
done
. "$root/tests/harness/median.sh"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for _ in $(seq "$runs"); do
    LD_PRELOAD=$modem_lines QT_QPA_PLATFORM=offscreen "$timing" 2>&1 |
        sed -n 's/.*\(pulse of 100\|break of 250\) ms lasted \([0-9.]*\) ms.*/\1 \2/p' >>"$out/lengths"
    python3 -c 'import time; t = time.monotonic(); time.sleep(0.1); print((time.monotonic() - t) * 1000)' >>"$out/sleep"
done
show() { # show <label> <file of numbers, ms>
    printf '%-26s median %7.1f ms   max %7.1f ms   (%s runs)\n' "$1" "$(median <"$2")" \
        "$(sort -g "$2" | tail -n 1)" "$(wc -l <"$2")"
}
grep '^pulse' "$out/lengths" | cut -d' ' -f4 >"$out/pulse"
grep '^break' "$out/lengths" | cut -d' ' -f4 >"$out/break"
show "Pulse RTS (100 ms asked)" "$out/pulse"
show "Send Break (250 ms asked)" "$out/break"
show "baseline: sleep 100 ms" "$out/sleep"
