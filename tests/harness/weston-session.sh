#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Runs a command on a headless weston, a Wayland compositor that activates no
# window and gives none the keyboard, with WAYLAND_DISPLAY set and Qt on its
# Wayland platform. weston stops when the command ends; the command's exit
# code is ours, 77 when weston cannot start here.
#   weston-session.sh command [args...]
set -euo pipefail
. "$(dirname "$0")/compositor.sh" weston weston "$@"

# weston 12 and later name the renderer with --renderer (10 with --use-pixman).
renderer=--use-pixman
weston --help 2>&1 | grep -q -- '--renderer=' && renderer=--renderer=pixman
socket=quorlin-weston
weston --backend=headless-backend.so "$renderer" --socket="$socket" --idle-time=0 \
    >"$tmp/weston.log" 2>&1 &
compositor_started $! "$tmp/weston.log" test -S "$XDG_RUNTIME_DIR/$socket"
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
"$@"
