#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Runs a command on a headless weston, a Wayland compositor that activates no
# window and gives none the keyboard, with WAYLAND_DISPLAY set and Qt on its
# Wayland platform. weston stops when the command ends; the command's exit
# code is ours, 77 when weston cannot start here.
#   weston-session.sh command [args...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 command [args...]" >&2; exit 2; }
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }

tmp=$(mktemp -d)
cleanup() {
    [ -n "${weston_pid:-}" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY
socket=quorlin-weston
# weston 12 and later name the renderer with --renderer (10 with --use-pixman).
renderer=--use-pixman
weston --help 2>&1 | grep -q -- '--renderer=' && renderer=--renderer=pixman
weston --backend=headless-backend.so "$renderer" --socket="$socket" --idle-time=0 \
    >"$tmp/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 600); do # up to 30 s, for busy machines
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.05
done
if [ ! -S "$XDG_RUNTIME_DIR/$socket" ]; then
    echo "SKIP: weston did not start here:" && tail -n 20 "$tmp/weston.log"
    exit 77
fi
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
"$@"
