# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that plug in a fake serial adapter: a pseudo-terminal
# behind the link $link, which fake_adapter.py unplugs, plugs in and floods on
# command, and whose modem lines the preloaded library reads from the file
# $lines.
#   . tests/harness/fake_adapter.sh      (after loopback-session.sh)
link=$store/ttyAdapter
lines=$store/lines
coproc adapter { exec python3 "$(dirname "${BASH_SOURCE[0]}")/fake_adapter.py" "$link"; }
tell_adapter() { # tell_adapter <command...>: true once the adapter has done it
    echo "$*" >&"${adapter[1]}"
    local reply
    read -r reply <&"${adapter[0]}" && [ "$reply" = ok ]
}
read -r _ <&"${adapter[0]}" # plugged in
set_lines() { printf '%s\n' "$*" >"$lines.new" && mv "$lines.new" "$lines"; }
# RTS and DTR are up, as Quorlin raises them on opening the port.
asserted() { grep -qw RTS "$lines" && grep -qw DTR "$lines"; }
