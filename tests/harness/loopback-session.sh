# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that run Quorlin without hardware: a throwaway
# settings store whose COM1 is the built-in loop-back plug, removed on exit
# together with the Quorlin this script started.
#   . tests/harness/loopback-session.sh
#   start_quorlin <executable> [arguments...]   sets pid and window (Quorlin's X window id)
#   stored <line>                               true when the settings file ($conf) holds it
#   openings_are <n>                            true when the log (--log "$line_log") tells
#                                               of n openings of the port

store=$(mktemp -d)
pid=
stop_loopback_session() {
    # Quorlin saves its settings as it ends on SIGTERM: the store goes once
    # it has ended, or has been made to after ten seconds.
    if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then
        timeout 10 tail --pid="$pid" -f /dev/null || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$store"
}
trap stop_loopback_session EXIT
export XDG_CONFIG_HOME=$store
conf=$store/Quorlin/Quorlin.conf
mkdir -p "$store/Quorlin"
printf '[Ports]\nCom1=loop://\n' >"$conf"
stored() { grep -qx "$1" "$conf"; }
line_log=$store/lines.log
openings_are() { [ "$(grep -c ' opened: ' "$line_log" 2>/dev/null || true)" = "$1" ]; }

start_quorlin() {
    "$@" &
    pid=$!
    # Class and title both "Quorlin": mutter draws its frames in a client of
    # its own, whose windows carry the title of the window they frame.
    window=$(timeout 20 xdotool search --sync --onlyvisible --all --class --name '^Quorlin$' |
        head -n 1) || {
        echo "Quorlin's window did not appear." >&2
        return 1
    }
}
