#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with a serial adapter: COM1 mapped to a pty (through a link, as
# /dev/serial/by-id names an adapter) given modem lines by the preloaded
# library. The lamps follow the lines; an unplug is told once and costs
# little while the program waits; a replug brings the lamps back by itself;
# a flood of data leaves memory flat.
#   e2e_adapter.sh <quorlin executable> <modem-lines library>   (on an X display with openbox)
set -euo pipefail
quorlin=$1
modem_lines=$2
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/process.sh"
. "$harness/fake_adapter.sh"

printf '[Ports]\nCom1=%s\n' "$link" >"$conf"
set_lines ''
export LD_PRELOAD=$modem_lines QUORLIN_MODEM_LINES=$lines
start_quorlin "$quorlin"
unset LD_PRELOAD

check "RTS and DTR are asserted on open" eventually asserted
set_lines RTS DTR CTS
check "Clear To Send lights one lamp" eventually green_is 1
set_lines RTS DTR CTS CD DSR
check "all three lines light all three lamps" eventually three_green

# Unplugged: one message; the waiting costs under a tenth of a core. The
# lamps hold their three greens meanwhile.
tell_adapter unplug
check "the unplug is told" eventually one_message
dismiss_message
check "the message is dismissed" eventually no_message
check "waiting costs under 10 % of a core" idles_for_3s

# Plugged in again under the same name: the lamps follow the new lines with
# no word and no click, and the outputs are asserted again.
set_lines CD
tell_adapter plug
check "the lamps are live again" eventually green_is 1
check "RTS and DTR are asserted again" asserted
check "the replug is not told" no_message

# A flood of data: memory stays flat.
set_lines RTS DTR CTS CD DSR
check "the lamps follow the new port" eventually three_green
before=$(memory_kib VmRSS)
check "a 64 MiB flood is taken" tell_adapter flood 64
after=$(memory_kib VmRSS)
echo "resident memory: $before KiB before the flood, $after KiB after"
check "memory stays flat under the flood" [ $((after - before)) -lt 8192 ]
check "the lamps still follow" three_green

report
