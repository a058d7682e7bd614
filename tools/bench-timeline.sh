#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# What the timeline costs with a full history against an empty one, in the
# same run: the memory the history adds and the time of a repaint, of the
# latest ten seconds and of all of it, at 1200 × 400 pixels offscreen.
#   tools/bench-timeline.sh [changes]        (default 1000000, as many as are kept)
# QUORLIN_BUILD overrides the build folder (default build/default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORLIN_BUILD:-$root/build/default}
bench=$build/tools/bench/timeline-repaint
[ -x "$bench" ] || { echo "$bench is not built yet: cmake --build --preset default --target timeline-repaint" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
echo "baseline:"
"$bench" 0
echo "full history:"
"$bench" "${1:-1000000}"
