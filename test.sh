#!/usr/bin/env bash
# Builds Quorlin and runs its whole test suite.
#   ./test.sh          the normal build
#   ./test.sh asan     the same suite under AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")"
preset=${1:-default}

tools/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
