# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that serve Quorlin a remote port: the test suite's
# scripted port server (rfc2217_server.py), which ends by itself. Needs
# $store, a throwaway folder (loopback-session.sh).
#   start_test_server <mode> [seconds]   sets server_pid and server_port
#   stop_test_server
server_pid=
server_port=
start_test_server() {
    local fifo=$store/server-port
    rm -f "$fifo" && mkfifo "$fifo"
    "$(dirname "${BASH_SOURCE[0]}")/rfc2217_server.py" "$@" >"$fifo" &
    server_pid=$!
    read -r server_port <"$fifo"
}
stop_test_server() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null || true
    server_pid=
}
