# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that watch whether Quorlin's window ($window) keeps
# answering, through the probe $window_ping (tests/harness/windowping).
#   ping_window <seconds>                prints "LONGEST TOTAL", in ms
#   answers_within <ms> <seconds>        true when no round trip took <ms> or more
ping_window() {
    local longest total
    read -r _ longest _ total < <("$window_ping" "$window" "$1") || return 1
    echo "$longest $total"
}
answers_within() {
    local figures
    figures=$(ping_window "$2") || return 1
    echo "longest round trip ${figures% *} ms, ${figures#* } ms without an answer in all" >&2
    awk -v longest="${figures% *}" -v bound="$1" 'BEGIN { exit !(longest < bound) }'
}
