# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that watch what a process costs, Quorlin's ($pid)
# unless another is named, and whether Quorlin still runs.

# cpu_ticks [pid]: the processor time so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/${1:-$pid}/stat"; }
# memory_kib <VmRSS|VmHWM> [pid]: the resident memory now, or at its peak, in KiB.
memory_kib() { awk -v key="$1" '$1 == key ":" { print $2 }' "/proc/${2:-$pid}/status"; }
# Whether Quorlin uses under a tenth of a core over the next 3 s.
idles_for_3s() {
    local before
    before=$(cpu_ticks)
    sleep 3
    [ $(($(cpu_ticks) - before)) -lt $((3 * $(getconf CLK_TCK) / 10)) ]
}
exited() { ! kill -0 "$pid" 2>/dev/null; }
