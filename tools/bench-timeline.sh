#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# What the timeline costs with a full history against an empty one, in the
# same run: the memory the history adds and the time of a repaint, of the
# latest ten seconds and of all of it, at 1200 × 400 pixels offscreen. Both
# as the Debug tree builds it and optimised (RelWithDebInfo: -O2, as the
# package's flags), in build/bench, which this script configures with the
# benchmark's target only and brings up to date.
#   tools/bench-timeline.sh [changes]        (default 1000000, as many as are kept)
# QUORLIN_BUILD overrides the Debug build folder (default build/default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORLIN_BUILD:-$root/build/default}
optimised=$root/build/bench
bench=tools/bench/timeline-repaint
[ -x "$build/$bench" ] || { echo "$build/$bench is not built yet: cmake --build --preset default --target timeline-repaint" >&2; exit 1; }
[ -f "$optimised/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$optimised" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build "$optimised" --target timeline-repaint -j2 >/dev/null
export QT_QPA_PLATFORM=offscreen
for tree in "Debug:$build" "RelWithDebInfo:$optimised"; do
    echo "${tree%%:*} (${tree#*:}):"
    echo "  baseline:     $("${tree#*:}/$bench" 0)"
    echo "  full history: $("${tree#*:}/$bench" "${1:-1000000}")"
done
