# Sourced by the end-to-end scripts: counted checks, waiting on conditions,
# and what the screen shows of Quorlin's window ($window).
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
# The green lamp's brightest pixel (#00FD00) stands once in each lit lamp.
green_lamps() { import -window "$window" png:- | convert png:- -fill black +opaque '#00FD00' \
    -fill white -opaque '#00FD00' -format '%[fx:round(mean*w*h)]' info:; }
three_green() { [ "$(green_lamps)" = 3 ]; }
exited() { ! kill -0 "$pid" 2>/dev/null; }
report() { # the closing line, and the script's exit status
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
