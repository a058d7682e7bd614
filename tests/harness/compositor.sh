# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that run a command on a headless Wayland compositor:
# a folder of the session's own ($tmp, with the runtime folder in it), the
# compositor stopped and the folder removed on exit, and a start that a
# compositor unable to run here turns into a skip (exit code 77).
#   . tests/harness/compositor.sh <program> <package>   (with the command in "$@")
#   compositor_started <pid> <log> <condition...>        waits, or skips with the log's end
#   at_exit <command...>                                 also run on exit, first
#   runtime_to_own_bus                                   the runtime folder for the bus's services
[ $# -ge 3 ] || { echo "usage: $0 command [args...]" >&2; exit 2; }
command -v "$1" >/dev/null || { echo "SKIP: $1 ($2) is not installed"; exit 77; }
shift 2

tmp=$(mktemp -d)
compositor_pid=
extra_cleanup=()
at_exit() { extra_cleanup+=("$*"); }
cleanup() {
    local step
    for step in "${extra_cleanup[@]}"; do eval "$step" || true; done
    [ -n "$compositor_pid" ] && kill "$compositor_pid" 2>/dev/null &&
        wait "$compositor_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Compositors write settings and caches of their own (kwinrc, ...): into
# the session's folder, never the home folder.
export XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache
# For a session run inside a D-Bus session of its own that began before this
# folder was made: what the bus starts on demand (the accessibility bus) gets
# the folder too. It would otherwise put its socket in the home folder, where
# sessions running side by side take each other's.
runtime_to_own_bus() { dbus-update-activation-environment XDG_RUNTIME_DIR; }
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY XAUTHORITY

compositor_started() { # <pid> <log> <condition...>: up to 30 s, for busy machines
    compositor_pid=$1
    local log=$2
    shift 2
    for _ in $(seq 600); do
        "$@" && return 0
        kill -0 "$compositor_pid" 2>/dev/null || break
        sleep 0.05
    done
    echo "SKIP: $(basename "$0" -session.sh) did not start here:" && tail -n 20 "$log"
    exit 77
}
