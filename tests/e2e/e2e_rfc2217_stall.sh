#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end with port servers that keep Quorlin waiting: one that takes the
# connection and never speaks, at start, and one that drops a good
# connection and then takes every try and stays silent. The window answers
# the window manager's pings throughout, the failed open is told once, and
# the tries meanwhile are not told at all.
#   e2e_rfc2217_stall.sh <quorlin executable> <window_ping>   (on an X display with openbox)
set -euo pipefail
quorlin=$1
window_ping=$2
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
. "$harness/rfc2217-server.sh"
. "$harness/window-ping.sh"
trap 'stop_test_server; stop_loopback_session' EXIT
# Far above a busy machine's hiccups, far below an open's timeout of 3 s.
bound_ms=1500

stop_quorlin() { kill "$pid" && wait "$pid" 2>/dev/null || true; pid=; }

start_test_server silent 60
printf '[Ports]\nCom1=rfc2217://127.0.0.1:%s\n' "$server_port" >"$conf"
start_quorlin "$quorlin"
check "a silent server at start leaves the window answering" answers_within "$bound_ms" 4
check "the open that timed out is told" eventually one_message
stop_quorlin
stop_test_server

start_test_server dropsilent 90
printf '[Ports]\nCom1=rfc2217://127.0.0.1:%s\n' "$server_port" >"$conf"
start_quorlin "$quorlin"
# CTS and DSR follow the outputs; CD is off.
check "the server's loop-back lights two lamps" eventually green_is 2
kill -USR1 "$server_pid"
check "the lost connection is told" eventually one_message
check "tries against a silent server leave the window answering" answers_within "$bound_ms" 8
check "the tries are not told" one_message

report
