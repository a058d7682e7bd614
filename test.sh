#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Builds Quorlin and runs its whole test suite.
#   ./test.sh          the normal build; compiler warnings are reported
#   ./test.sh ci       the same, with warnings treated as errors, as CI runs it
#   ./test.sh asan     the suite under AddressSanitizer and UBSan (warnings as
#                      errors too)
set -euo pipefail
cd "$(dirname "$0")"
preset=${1:-default}

tools/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
