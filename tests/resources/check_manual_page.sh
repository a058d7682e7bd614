#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Checks the manual page: man renders it without a warning, and its OPTIONS
# name exactly the long options that the program's --help lists.
#   check_manual_page.sh <quorlin executable> <quorlin.1>
set -euo pipefail
program=$1
page=$2
. "$(dirname "$0")/../harness/checks.sh"

warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
check "man renders the page without warnings" test -z "$warnings"
[ -z "$warnings" ] || echo "$warnings" >&2

# The long options among the words given, one a line, sorted.
long_options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
# The first column of the help's option list: "  -h, --help   Displays ...".
help_options=$(env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C "$program" --help |
    sed -n '/^Options:/,/^$/p' | awk -F '  +' '/^  -/ { print $2 }' | long_options)
# The tags of the page's OPTIONS section: the line after each .TP or .TQ.
page_options=$(awk '/^\.SH / { options = ($2 == "OPTIONS") }
                    options && tag { print; tag = 0 }
                    options && /^\.T[PQ]/ { tag = 1 }' "$page" | sed 's/\\-/-/g' | long_options)

only_help=$(comm -23 <(echo "$help_options") <(echo "$page_options"))
only_page=$(comm -13 <(echo "$help_options") <(echo "$page_options"))
check "--help lists options" test -n "$help_options"
check "every option that --help lists is in the page's OPTIONS" test -z "$only_help"
[ -z "$only_help" ] || echo "  missing from the page:" $only_help >&2
check "every option in the page's OPTIONS is listed by --help" test -z "$only_page"
[ -z "$only_page" ] || echo "  missing from --help:" $only_page >&2
report
