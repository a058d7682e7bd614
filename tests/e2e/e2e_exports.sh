#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with the logs that other tools read: COM1 is a pty given modem
# lines and edge counters by the preloaded library, driven through the same
# changes, with a pulse between two reads, once for --log x.vcd and once for
# --log x.csv. sigrok-cli and GTKWave's vcd2fst read the VCD without error
# and find the changes driven, also in a VCD rotated halfway, whose new file
# starts with its header and the states then; the CSV gives back the same
# sequence.
#   e2e_exports.sh <quorlin> <modem-lines library>   (on an X display with openbox)
set -euo pipefail
quorlin=$1
modem_lines=$2
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/process.sh"
. "$harness/fake_adapter.sh"

printf '[Ports]\nCom1=%s\n' "$link" >"$conf"
has_line() { grep -qxF -- "$2" "$1" 2>/dev/null; }       # has_line <file> <line>
has_row() { grep -q -- ",$2\$" "$1" 2>/dev/null; }        # has_row <file> <line,state,edges>

# drive <log> <waits...>: starts Quorlin logging to <log>, and makes each
# change once the previous one has reached the log (the waits, in order:
# opened, CTS on, CD on, CTS off, DSR pulsed); then ends Quorlin. With
# rotate_at=<i>, <log> is renamed to <log>.1 before change <i>, as logrotate
# does.
drive() {
    local log=$1
    shift
    set_lines ''
    LD_PRELOAD=$modem_lines QUORLIN_MODEM_LINES=$lines start_quorlin "$quorlin" --log "$log"
    local changes=("RTS DTR CTS CTS=1" "RTS DTR CTS CD CTS=1 CD=1" "RTS DTR CD CTS=2 CD=1"
        "RTS DTR CD CTS=2 CD=1 DSR=2" "")
    local i=0
    for wait in "$@"; do
        check "$(basename "$log"): step $i reaches the log" eventually "${wait%% *}" "$log" "${wait#* }"
        [ "$i" = "${rotate_at:-}" ] && mv "$log" "$log.1"
        [ -n "${changes[$i]}" ] && set_lines "${changes[$i]}"
        i=$((i + 1))
    done
    kill "$pid"
    check "$(basename "$log"): Quorlin ends" eventually exited
    pid=
}

# states_in <vcd>: the lines' states (CD DSR CTS RI DTR RTS) as sigrok-cli
# reads them, one word for each change; what it says of the file goes to
# <vcd>.err.
states_in() {
    local samples
    samples=$(sigrok-cli -I vcd -i "$1" -O csv:header=false 2>"$1.err") || true
    echo "sigrok-cli, $(basename "$1"): $(uniq <<<"$samples" | tr '\n' ' ')" >&2
    grep -v '^[A-Za-z]' <<<"$samples" | uniq | tr '\n' ' '
}

vcd=$store/x.vcd
drive "$vcd" "has_line b0 *" "has_line 1#" "has_line 1!" "has_line 0#" "has_line b1 ("
check "sigrok-cli finds the changes driven (CD DSR CTS RI DTR RTS)" \
    test "$(states_in "$vcd")" = "0,0,0,0,1,1 0,0,1,0,1,1 1,0,1,0,1,1 1,0,0,0,1,1 "
check "sigrok-cli reads the VCD without a word" test ! -s "$vcd.err"
check "vcd2fst converts the VCD" vcd2fst "$vcd" "$store/x.fst"
fst=$(fst2vcd "$store/x.fst")
check "GTKWave's file has the change of CTS" grep -qx '1#' <<<"$fst"
check "GTKWave's file has the pulse of DSR counted" grep -qx 'b0*1 (' <<<"$fst"

rotated=$store/rotated.vcd
rotate_at=1 drive "$rotated" "has_line b0 *" "has_line 1#" "has_line 1!" "has_line 0#" "has_line b1 ("
# sigrok-cli ends a file at its last time, and the file rotated out ends with
# the change of CTS.
check "sigrok-cli finds the states before the rotation in the file rotated out" \
    test "$(states_in "$rotated.1")" = "0,0,0,0,1,1 "
check "the file rotated out ends with the change of CTS" test "$(tail -n 1 "$rotated.1")" = 1#
check "sigrok-cli finds the states then and the changes after in the new file" \
    test "$(states_in "$rotated")" = "0,0,1,0,1,1 1,0,1,0,1,1 1,0,0,0,1,1 "
check "sigrok-cli reads both files without a word" test ! -s "$rotated.err" -a ! -s "$rotated.1.err"
check "vcd2fst converts the new file" vcd2fst "$rotated" "$store/rotated.fst"
check "GTKWave's file has the pulse of DSR after the rotation" \
    grep -qx 'b0*1 (' <<<"$(fst2vcd "$store/rotated.fst")"

csv=$store/x.csv
drive "$csv" "has_row opened," "has_row CTS,on,1" "has_row CD,on,1" "has_row CTS,off,1" \
    "has_row DSR,off,2"
check "the CSV starts with its header" test "$(head -n 1 "$csv")" = "time,line,state,edges"
check "each CSV row starts with its time" \
    test "$(tail -n +2 "$csv" | grep -cv '^[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]T[0-9:]\{8\}\.[0-9]\{3\},')" = 0
check "the CSV gives back the sequence driven" test "$(tail -n +2 "$csv" | cut -d, -f2- | tr '\n' ' ')" = \
    "Com1 $link,opened, CD,off,0 DSR,off,0 CTS,off,0 RI,off,0 DTR,on,0 RTS,on,0 CTS,on,1 CD,on,1 CTS,off,1 DSR,off,2 Com1 $link,closed, "
report
