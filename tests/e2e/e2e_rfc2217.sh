#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with a port server: COM1 mapped to rfc2217://127.0.0.1:PORT,
# served by pyserial's own example server (a copy bound to 127.0.0.1) on its
# loop-back port, where CTS follows RTS, DSR follows DTR and CD is on. The
# lamps light; the server stopping is told once and costs little while the
# program waits; the server back brings the lamps back by itself. Unticking
# RTS drops the server's RTS and with it the third row, also once reconnected.
#   e2e_rfc2217.sh <quorlin executable>   (on an X display with openbox)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/process.sh"

example=$(dpkg -L python3-serial | grep '/examples/rfc2217_server.py$')
server=$store/rfc2217_server.py
sed "s/srv.bind(('', /srv.bind(('127.0.0.1', /" "$example" >"$server"
grep -q "srv.bind(('127.0.0.1', " "$server" || {
    echo "pyserial's example server no longer binds as expected." >&2
    exit 1
}
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
log=$store/server.log
server_pid=
start_server() { # in the background, for two minutes at most
    timeout 120 /usr/bin/python3 "$server" -v -p "$port" loop:// 2>>"$log" &
    server_pid=$!
}
stop_server() { [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" || true; }
trap 'stop_server; stop_loopback_session' EXIT
listening() { [ "$(grep -c 'TCP/IP port' "$log")" = "$1" ]; }
# On a busy machine the server may answer an attempt too late, so the
# program gives it up and tries again: a reconnect may take several agreements.
agreements() { grep -c 'client accepts RFC 2217' "$log"; }
agreed_again_since() { [ "$(agreements)" -gt "$1" ]; }

: >"$log"
start_server
check "the server listens" eventually listening 1
printf '[Ports]\nCom1=rfc2217://127.0.0.1:%s\n' "$port" >"$conf"
start_quorlin "$quorlin"
check "the server's loop-back lights all three lamps" eventually three_green
check "no message on a good open" no_message
# Com, RTS unticked: SET-CONTROL through the network drops the server's RTS,
# and its report of CTS turns the third row red.
focus_quorlin && xdotool key --clearmodifiers alt+c && eventually menu_shown && xdotool key r
check "RTS off on the server turns the third row red" eventually green_is 2
check "the choice is stored" eventually stored "Com1RTS=0"

# The server stops: one message; the waiting costs under a tenth of a core.
stop_server
check "the lost connection is told" eventually one_message
dismiss_message
check "the message is dismissed" eventually no_message
check "waiting costs under 10 % of a core" idles_for_3s

# The server back on the same port: the program connects again by itself,
# agrees the option again and shows the lines, with no word.
agreed_before=$(agreements)
start_server
check "the server listens again" eventually listening 2
check "the option is agreed again" eventually agreed_again_since "$agreed_before"
check "the port opens again with RTS off, as stored" eventually green_is 2
# Any message from the failed attempts meanwhile would still be up.
check "neither the failed attempts nor the reconnect are told" no_message

report
