#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Measures what Quorlin costs against the floor of any Qt program here: a bare
# window with a 100 ms timer, built in the same tree. For each program, on a
# virtual display under openbox: the time until its window is mapped, the
# processor time at rest while Quorlin watches the loop-back plug, and the
# resident memory. A second floor has a menu bar and a text box, which cost Qt
# fonts and image plug-ins in any program that has them. Prints the median of
# the rounds for each and Quorlin's ratio to both floors.
#   tools/bench.sh [rounds] [seconds at rest]      (default 5 and 20)
# QUORLIN_BUILD names the build folder (default build/default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORLIN_BUILD:-$root/build/default}
rounds=${1:-5}
seconds=${2:-20}
for program in app/quorlin tools/bench/floor-window tools/bench/map-timer; do
    [ -x "$build/$program" ] || { echo "$build/$program is not built yet: run ./run.sh first." >&2; exit 1; }
done

if [ -z "${QUORLIN_IN_XVFB:-}" ]; then
    QUORLIN_IN_XVFB=1 exec "$root/tests/harness/xvfb-session.sh" "$0" "$rounds" "$seconds"
fi

. "$root/tests/harness/loopback-session.sh"
. "$root/tests/harness/process.sh"
. "$root/tests/harness/median.sh"
figures=$store/figures
hz=$(getconf CLK_TCK)

measure() { # measure <name> <program...>: one round, appended to the figures
    local name=$1 ms before after rss
    shift
    read -r ms pid < <("$build/tools/bench/map-timer" "$@")
    sleep 2 # past start-up
    before=$(cpu_ticks "$pid")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    rss=$(memory_kib VmRSS "$pid")
    kill "$pid"
    while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
    pid=
    echo "$name $ms $(awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" -v kib="$rss" 'BEGIN { print 1000 * t / hz / s, kib / 1024 }')" >>"$figures"
}

# The rounds alternate, so that a busy moment of the machine falls on both.
for _ in $(seq "$rounds"); do
    measure quorlin "$build/app/quorlin"
    measure floor "$build/tools/bench/floor-window"
    measure furnished "$build/tools/bench/floor-window" --menu-and-text
done

figure() { # figure <name> <column>: that column of the program's rounds
    awk -v n="$1" -v c="$2" '$1 == n { print $c }' "$figures"
}
echo "median of $rounds rounds; at rest over $seconds s. The floor is a bare Qt window with a"
echo "100 ms timer; the furnished floor adds a menu bar and a text box."
printf '%-31s %8s %8s %6s %10s %6s\n' "" Quorlin floor ratio furnished ratio
row() { # row <label> <column> <format>
    local q f m
    q=$(figure quorlin "$2" | median)
    f=$(figure floor "$2" | median)
    m=$(figure furnished "$2" | median)
    awk -v l="$1" -v q="$q" -v f="$f" -v m="$m" -v fmt="$3" 'BEGIN {
        printf "%-31s %8" fmt " %8" fmt " %6.2f %10" fmt " %6.2f\n", l, q, f, (f > 0) ? q / f : 0, m, (m > 0) ? q / m : 0 }'
}
row "window mapped after (ms)" 2 ".1f"
row "processor time at rest (ms/s)" 3 ".2f"
row "resident memory (MiB)" 4 ".1f"
