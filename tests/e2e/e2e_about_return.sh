#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end on a compositor that activates no window, weston: the port that
# the About box closed is opened again when the box closes. Driven over the
# accessibility bus, as nothing of Quorlin's ever has the keyboard there.
#   e2e_about_return.sh <quorlin executable>  (on Wayland, in a D-Bus session)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/process.sh"

press() { "$harness/accessible_press.py" Quorlin "$@"; }
about_shown() { grep -qP '^label\tAllows monitoring' <<<"$("$harness/accessible_tree.py" Quorlin)"; }

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$harness/accessible_tree.py" Quorlin >/dev/null # starts the accessibility bus, as a login does
"$quorlin" --log "$line_log" &
pid=$!
check "the port opens at start" eventually openings_are 1
check "Help, About is chosen" eventually press "menu item" About
check "the About box shows" eventually about_shown
check "its OK is pressed" eventually press "push button" OK
check "the About box closes" eventually eval '! about_shown'
check "closing it opens the port again" eventually openings_are 2
kill -TERM "$pid"
check "Quorlin ends on SIGTERM" eventually exited
pid=
report
