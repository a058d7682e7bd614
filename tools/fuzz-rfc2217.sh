#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Fuzzes the receive path of remote ports (bytes from a port server into the
# line's state) for a fixed number of inputs, a million unless told, in a
# clang build of its own under build/fuzz. Not part of CI.
#   tools/fuzz-rfc2217.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
command -v clang++ >/dev/null || {
    echo "The fuzzer needs clang: apt-get install clang" >&2
    exit 1
}

build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DBUILD_TESTING=OFF -DQUORLIN_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
cmake --build "$build" --target fuzz_rfc2217_protocol -j1

# Seeds: an agreement with a report, a refusal, a report split in its middle,
# an unfinished subnegotiation.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
printf '\x00\xff\xfd\x2c\xff\xfa\x2c\x6b\xb0\xff\xf0' >"$corpus/agreement"
printf '\x00\xff\xfe\x2c' >"$corpus/refusal"
printf '\x06\xff\xfb\x2c\xff\xfa\x2c\x6b\xff\xff\xff\xf0' >"$corpus/split"
printf '\x00\xff\xfd\x2c\xff\xfa\x2c\x6b\x10\x10\x10' >"$corpus/unfinished"

# A run that leaks, grows past 256 MiB or asks for 32 MiB at once fails.
"$build/tools/fuzz/fuzz_rfc2217_protocol" -runs="$runs" -max_len=8192 \
    -rss_limit_mb=256 -malloc_limit_mb=32 "$corpus"
