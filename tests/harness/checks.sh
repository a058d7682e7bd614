# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Sourced by the scripted tests: counted checks, and waiting on conditions.
passed=0
failed=0
check() { # check <description> <command...>
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what" >&2
    fi
}
eventually() { # eventually <command...>: true once the command succeeds, within 20 s
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
report() { # the closing line, and the script's exit status
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
