#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Tries Quorlin without hardware: starts it with a throwaway settings store
# whose COM1 is the built-in loop-back plug, so all three lamps turn green.
# With no display (or with --screenshot) it runs on a virtual display under
# openbox, saves a screenshot of the window, prints where, and exits.
#   tools/demo.sh [--screenshot]
# QUORLIN_BIN overrides the executable; QUORLIN_SCREENSHOT the picture's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quorlin=${QUORLIN_BIN:-$root/build/default/app/quorlin}
[ -x "$quorlin" ] || { echo "Quorlin is not built yet: run ./run.sh first." >&2; exit 1; }

screenshot=no
[ "${1:-}" = "--screenshot" ] && screenshot=yes
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    screenshot=yes
    if [ -z "${QUORLIN_IN_XVFB:-}" ]; then
        QUORLIN_IN_XVFB=1 exec "$root/tests/harness/xvfb-session.sh" "$0" --screenshot
    fi
fi

. "$root/tests/harness/loopback-session.sh"

if [ "$screenshot" = no ]; then
    "$quorlin"
    exit
fi

start_quorlin "$quorlin"
sleep 1 # a few polls of the lines
picture=${QUORLIN_SCREENSHOT:-$root/build/quorlin-screenshot.png}
mkdir -p "$(dirname "$picture")"
import -frame -window "$window" "$picture"
echo "Screenshot of the Quorlin window: $picture"
