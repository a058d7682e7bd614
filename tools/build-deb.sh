#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Builds the Debian package as Debian builds its own: optimised, with the
# distribution's hardening flags from dpkg-buildflags (all of them, bindnow
# too), without the tests, and stripped. Later runs in the same folder build
# only what changed.
#   tools/build-deb.sh [build folder [cmake options...]]
# The folder is build/package unless told; the options are handed to CMake,
# such as -DQUORLIN_MAINTAINER="Name <address>". Prints the package's path.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build/package}
shift || true

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { (cd "$repo" && dpkg-buildflags --get "$1"); }
# Shows a step's output only when it fails.
quietly() { # quietly <log> <command...>
    local log=$1
    shift
    "$@" >"$log" 2>&1 || { cat "$log" >&2; return 1; }
}
mkdir -p "$build"
# CMake reads no CPPFLAGS: the preprocessor's (_FORTIFY_SOURCE) go with the compiler's.
quietly "$build/configure.log" cmake -S "$repo" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" "$@"
quietly "$build/build.log" cmake --build "$build"
rm -f "$build"/quorlin_*.deb
(cd "$build" && quietly cpack.log cpack -G DEB)
ls "$build"/quorlin_*_*.deb
