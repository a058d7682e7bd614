#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Sets up everything Quorlin needs, builds it and starts it. On a machine
# without a display it runs the no-hardware demo on a virtual one instead and
# saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target quorlin

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/default/app/quorlin
fi
echo "No display found: starting Quorlin on a virtual display with a loop-back port."
exec tools/demo.sh
