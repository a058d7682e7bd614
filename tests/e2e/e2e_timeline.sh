#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with the timeline: COM1 is a pty given modem lines by the
# preloaded library, driven through CTS on, CD on, CTS off and a pulse of
# DSR between two reads, a second apart. File, Timeline opened from the
# keyboard shows the traces; a screenshot shows each trace high and low
# where it was, in order; Save As writes a VCD that sigrok-cli reads.
#   e2e_timeline.sh <quorlin> <modem-lines library>   (on an X display with openbox)
set -euo pipefail
quorlin=$1
modem_lines=$2
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/fake_adapter.sh"

printf '[Ports]\nCom1=%s\n' "$link" >"$conf"
log=$store/lines.log
logged() { grep -q " $1\$" "$log" 2>/dev/null; }
timeline_shown() { xdotool search --onlyvisible --name '^Quorlin Timeline$' >/dev/null; }

set_lines ''
LD_PRELOAD=$modem_lines QUORLIN_MODEM_LINES=$lines start_quorlin "$quorlin" --log "$log"
check "the port opens" eventually logged "RTS on"
# A second between the changes keeps them apart on the ten seconds shown.
for step in "RTS DTR CTS CTS=1/CTS on 1" "RTS DTR CTS CD CTS=1 CD=1/CD on 1" \
    "RTS DTR CD CTS=2 CD=1/CTS off 1" "RTS DTR CD CTS=2 CD=1 DSR=2/DSR off 2"; do
    sleep 1
    set_lines "${step%/*}"
    check "the log has ${step#*/}" eventually logged "${step#*/}"
done

open_menu f
xdotool key t
check "File, Timeline opens the timeline" eventually timeline_shown
timeline=$(xdotool search --onlyvisible --name '^Quorlin Timeline$' | head -n 1)
shot=$store/timeline.png
import -window "$timeline" "$shot"
[ -z "${QUORLIN_SCREENSHOT:-}" ] || cp "$shot" "$QUORLIN_SCREENSHOT"
bands=$("$harness/trace_bands.py" "$shot")
echo "$bands"
colours=$(cut -d' ' -f1 <<<"$bands" | tr '\n' ' ')
# Top to bottom: CD high and low, DSR low, CTS high and low, RI low, DTR
# and RTS high.
check "each trace is drawn at the levels it had" test "$colours" = \
    "green red red green red red green green "
band() { sed -n "${1}p" <<<"$bands" | cut -d' ' -f2-; }
# The columns where CTS went on and off, and CD on.
cts_on=$(band 4 | cut -d- -f1)
cts_off=$(band 4 | cut -d- -f2)
cd_on=$(band 1 | cut -d- -f1)
echo "CTS on at x=$cts_on, off at x=$cts_off; CD on at x=$cd_on"
check "CTS is high for one stretch" test "$(band 4 | wc -w)" = 1
check "CD goes high while CTS is high" test "$cts_on" -lt "$cd_on" -a "$cd_on" -lt "$cts_off"
check "CTS is low before and after it was high" test "$(band 5 | wc -w)" = 2
check "CD's low stretch ends where its high one starts" \
    test $(($(band 2 | cut -d- -f2) + 1)) -ge "$cd_on"

# Save As through the file dialog, then sigrok-cli on what it wrote.
saved=$store/saved.vcd
dialog_shown() { xdotool search --onlyvisible --name '^Save As$' >/dev/null; }
save_as() { # File, Save As from the timeline's keyboard, until the dialog shows
    timeout 20 xdotool windowactivate --sync "$timeline" &&
        xdotool key --clearmodifiers alt+f && sleep 0.3 && xdotool key a && eventually dialog_shown
}
check "File, Save As asks for a file" eventually save_as
dialog=$(xdotool search --onlyvisible --name '^Save As$' | head -n 1)
timeout 20 xdotool windowactivate --sync "$dialog"
xdotool type --delay 20 "$saved"
xdotool key Return
check "Save As writes the file" eventually test -s "$saved"
sigrok=$(sigrok-cli -I vcd -i "$saved" -O csv:header=false 2>"$store/sigrok.err") || true
check "sigrok-cli reads the saved VCD without a word" test ! -s "$store/sigrok.err"
check "the saved VCD has the changes driven (CD DSR CTS RI DTR RTS)" \
    test "$(grep -v '^[A-Za-z]' <<<"$sigrok" | uniq | tr '\n' ' ')" = \
    "0,0,0,0,1,1 0,0,1,0,1,1 1,0,1,0,1,1 1,0,0,0,1,1 "
report
