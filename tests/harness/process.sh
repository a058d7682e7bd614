# Sourced by the scripts that watch what Quorlin's process ($pid) costs and
# whether it still runs.

# Quorlin's processor time so far, in clock ticks, and whether it uses under a
# tenth of a core over the next 3 s.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
idles_for_3s() {
    local before
    before=$(cpu_ticks)
    sleep 3
    [ $(($(cpu_ticks) - before)) -lt $((3 * $(getconf CLK_TCK) / 10)) ]
}
exited() { ! kill -0 "$pid" 2>/dev/null; }
