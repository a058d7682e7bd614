#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end under the fonts, styles, colour schemes and scales of the
# desktops people run: the real quorlin executable, once per row, with the
# desktop's settings in qt6ct's configuration file of the test's own config
# folder. From outside the program: no text of the main window or the About
# box is cut (the widgets' extents over the accessibility bus against each
# text's width in that font, measured by text_width), the menu bar holds
# File, Com and Help, texts on dark themes read at a contrast of 4.5:1 or
# more in the screenshot's pixels, and the lamps are their pixel map in whole
# pixels. Screenshots stay in $QUORLIN_SHOTS (default: looks-shots here).
# On the tests' own desktop (a row of empty fields) the main window's and the
# About box's controls lie where the reference layout has them.
#   e2e_looks.sh <quorlin> <text_width> <lamp images folder> <reference layout> ROW...
# A row is NAME:POINTS:STYLE:SCHEME:SCALE, empty fields for the desktop's own;
# SCHEME "dark" makes the dark checks, SCALE (2, 1.5, or dpi for the fonts'
# resolution of the screen, Qt's scaling off) the lamps' checks. A row whose
# style is not installed is skipped.
#   (on an X display, in a D-Bus session)
set -euo pipefail
quorlin=$1 text_width_tool=$2 lamps=$3 reference=$4
# The measuring tool is no part of the program: what Qt's D-Bus support keeps
# at its exit is no finding for a build with the leak checker.
text_width() { ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 "$text_width_tool" "$@"; }
shift 4
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C
unset LANGUAGE LC_ALL LC_MESSAGES
shots=${QUORLIN_SHOTS:-$PWD/looks-shots}
mkdir -p "$shots"
"$harness/accessible_tree.py" Quorlin >/dev/null # starts the accessibility bus

extents() { "$harness/accessible_extents.py" Quorlin; }
# The extents of the object with role $1 and name $2: x y width height [first last].
where() { awk -F'\t' -v role="$1" -v name="$2" '$1 == role && $2 == name {
    gsub(",", " ", $3); gsub(",", " ", $4); print $3, $4; exit }' "$store/extents"; }
width_of() { text_width "$1" 0 "$2" | cut -d' ' -f1; } # width_of <class> <text>
has() { [ -n "$(where "$1" "$2")" ]; }
menu_bar_read() { extents >"$store/extents" && for m in File Com Help; do has "menu item" $m; done; }
about_read() { extents >"$store/extents" && has dialog "About Quorlin" && has label Quorlin; }

# A text of widget class $3 fits into the extents of the object $1 named $2
# (the text itself unless $4 gives it), with $5 pixels of the box to spare.
fits() {
    local x y w h text=${4:-$2}
    read -r x y w h _ < <(where "$1" "$2") || return 1
    [ "$(width_of "$3" "$text")" -le $((w - ${5:-0})) ]
}
# The text box $1 shows all of its text $2: a box of its width in that style
# does, and the first and the last character lie inside the box.
box_shows_all() {
    local x y w h first last
    read -r x y w h first last < <(where text "$1") || return 1
    [ "$first" -ge "$x" ] && [ "$last" -le $((x + w)) ] &&
        [ "$(text_width QLineEdit "$w" "$2" | cut -d' ' -f3)" = 1 ]
}
# Each menu's title lies within the bar and is as wide as its text.
title_on_bar() {
    local bx by bw bh x y w h
    read -r bx by bw bh < <(where "menu bar" "") && read -r x y w h < <(where "menu item" "$1") &&
        [ "$x" -ge "$bx" ] && [ $((x + w)) -le $((bx + bw)) ] && fits "menu item" "$1" QMenuBar
}
no_overflow_button() { ! cut -f1 "$store/extents" | grep -q button; }
# The caption ends before its check box begins.
caption_clear_of_box() {
    local lx cx
    read -r lx _ < <(where label "Always On Top") && read -r cx _ < <(where "check box" "Always On Top") &&
        [ $((lx + $(width_of QLabel "Always On Top"))) -le "$cx" ]
}
# The push button $1 shows all of its caption $2 in the style's frame and
# padding: a button of its size does. Its role is "push button" in older
# AT-SPI, "button" in newer.
button_shows_all() {
    local x y w h
    read -r x y w h _ < <(where "push button" "$1"; where button "$1") || return 1
    [ "$(text_width QPushButton "${w}x$h" "$2" | cut -d' ' -f3)" = 1 ]
}
description_fits() {
    local x y w h
    read -r x y w h < <(where label "$1") &&
        [ "$(text_width QLabel "$w" "$1" | cut -d' ' -f2)" -le "$h" ]
}

# Dark themes: the text in an object's extents (less $3 pixels of frame a
# side) reads at 4.5:1 or more in the screenshot.
readable() {
    local x y w h in=${3:-0} ratio
    read -r x y w h _ < <(where "$1" "$2") || return 1
    ratio=$("$harness/screen_contrast.py" "$store/screen.png" $((x + in)) $((y + in)) \
        $((w - 2 * in)) $((h - 2 * in)) | cut -d' ' -f3)
    echo "$2: contrast $ratio"
    awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }'
}
pixel() { convert "$store/screen.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }
# The lamp box's free strip at its lower right is the window's colour, left of the box.
lamp_on_window_colour() {
    local x y w h
    read -r x y w h < <(where image "Carrier Detect") &&
        [ "$(pixel $((x + w - 1)) $((y + h - 1)))" = "$(pixel $((x - 4)) $((y + 2)))" ]
}

# The lit lamp of the first row, as the screen shows its box of $1 pixels
# from the box's top-left corner ($2 the scale of the accessible extents,
# which are in whole pixels of the unscaled layout: the box lies up to a
# device pixel further up or left, by $3 and $4).
lamp_shot() {
    local x y w h
    read -r x y w h < <(where image "Carrier Detect") || return 1
    convert "$store/screen.png" -crop "$(awk -v s="$1" -v f="$2" -v x="$x" -v y="$y" \
        -v dx="${3:-0}" -v dy="${4:-0}" \
        'BEGIN { printf "%dx%d+%d+%d", s, s, -int(-x * f) - dx, -int(-y * f) - dy }')" \
        +repage "$store/lamp.png"
}
# Exactly the pixel map in 2 x 2 blocks, on the box's colour.
lamp_in_blocks() {
    local side=$1 scale=$2 background dx dy
    for dx in 0 1; do
        for dy in 0 1; do
            lamp_shot "$side" "$scale" $dx $dy || return 1
            background=$(convert "$store/lamp.png" -crop 1x1+$((side - 1))+$((side - 1)) \
                -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')
            convert "$lamps/green.xpm" -background "$background" -flatten -sample 200% \
                -gravity northwest -extent "${side}x${side}" "$store/expected.png"
            [ "$(compare -metric AE "$store/lamp.png" "$store/expected.png" null: 2>&1)" = 0 ] &&
                return 0
        done
    done
    return 1
}
# No colour but the pixel map's own and the box's: nothing smoothed.
lamp_unsmoothed() {
    lamp_shot "$1" "$2" || return 1
    convert "$lamps/green.xpm" -background "$(pixel_of_lamp_box)" -flatten \
        -unique-colors -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | sort -u >"$store/palette"
    convert "$store/lamp.png" -unique-colors -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' |
        sort -u | comm -23 - "$store/palette" >"$store/foreign"
    [ ! -s "$store/foreign" ] || { echo "colours not in the lamp: $(tr '\n' ' ' <"$store/foreign")"; false; }
}
pixel_of_lamp_box() { convert "$store/lamp.png" -crop 1x1+0+0 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }

# Keeps what the screen shows of window $1 as $shots/$2.png.
keep_shot() {
    convert "$store/screen.png" -crop "$(xwininfo -id "$1" |
        awk '/Width:/ { w = $2 } /Height:/ { h = $2 } /Absolute upper-left X/ { x = $4 }
             /Absolute upper-left Y/ { y = $4 } END { printf "%dx%d+%d+%d", w, h, x, y }')" \
        +repage "$shots/$2.png"
}

# The extents of the controls of window $1, from its top-left corner.
layout_of() {
    awk -F'\t' -v window="$1" '$1 == window { split($3, at, ","); x = at[1]; y = at[2] }
        x != "" && $1 != "frame" && $1 != "dialog" && $1 != "filler" {
            split($3, e, ","); role = $1 == "push button" ? "button" : $1
            printf "%s\t%s\t%d,%d,%d,%d\n", role, $2, e[1] - x, e[2] - y, e[3], e[4] }
        $1 == "dialog" && window == "frame" { exit }' "$store/extents"
}

stop_quorlin() {
    kill "$pid" && timeout 10 tail --pid="$pid" -f /dev/null
    wait "$pid" 2>/dev/null || true
    pid=
}

lines=("Carrier Detect" "Data Set Ready" "Clear To Send")
pin=0
styles=$(text_width --styles)
for row in "$@"; do
    IFS=: read -r name points style scheme scale <<<"$row"
    if [ -n "$style" ] && ! grep -qix "$style" <<<"$styles"; then
        echo "SKIP: $name: the $style style is not installed (adwaita-qt6 has the Adwaita ones)"
        continue
    fi
    # Each row starts where a window is first placed: centred.
    printf '[Ports]\nCom1=loop://\n' >"$conf"
    rm -rf "$store/qt6ct"
    unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING
    if [ -n "$points" ] || [ "$scheme" = dark ]; then
        export QT_QPA_PLATFORMTHEME=qt6ct
        mkdir -p "$store/qt6ct"
        {
            echo "[Appearance]"
            echo "style=${style:-Fusion}"
            [ "$scheme" = dark ] && [ "$style" != Adwaita-Dark ] &&
                printf 'custom_palette=true\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\n'
            echo "[Fonts]"
            echo "general=\"DejaVu Sans,${points:-9},-1,5,50,0,0,0,0,0\""
        } >"$store/qt6ct/qt6ct.conf"
    elif [ -n "$style" ]; then
        export QT_STYLE_OVERRIDE=$style
    fi
    case $scale in
    dpi)
        echo "Xft.dpi: $(xdpyinfo | awk '/resolution:/ { sub("x.*", "", $2); print $2; exit }')" |
            xrdb -merge
        export QT_ENABLE_HIGHDPI_SCALING=0
        ;;
    ?*) export QT_SCALE_FACTOR=$scale ;;
    esac

    start_quorlin "$quorlin"
    check "$name: the menu bar is read" eventually menu_bar_read
    import -window root "$store/screen.png"
    keep_shot "$window" "$name"
    if [ -z "$scale" ] || [ "$scale" = dpi ]; then
        for menu in File Com Help; do
            check "$name: $menu is on the menu bar, whole" title_on_bar $menu
        done
        check "$name: no overflow button on the menu bar" no_overflow_button
        for line in "${lines[@]}"; do
            check "$name: the $line label shows all of its text" \
                box_shows_all "$line label" "Status Pin $((++pin))"
        done
        pin=0
        check "$name: Always On Top fits its label" fits label "Always On Top" QLabel
        check "$name: Always On Top stops before its check box" caption_clear_of_box
    fi
    [ -z "$points$style$scheme$scale" ] && layout_of frame >"$store/layout"
    if [ "$scheme" = dark ]; then
        for line in "${lines[@]}"; do
            check "$name: the $line label reads on its box" readable text "$line label" 3
        done
        check "$name: the lamps' box is the window's colour" lamp_on_window_colour
    fi
    case $scale in
    2) check "$name: the lamp is its pixel map in 2 x 2 blocks" lamp_in_blocks 34 2 ;;
    1.5) check "$name: the lamp shows only its own colours" lamp_unsmoothed 24 1.5 ;;
    dpi) check "$name: the lamp fills its box in 2 x 2 blocks" lamp_in_blocks 34 1 ;;
    esac
    if [ -z "$scale" ] || [ "$scale" = dpi ]; then
        "$harness/accessible_extents.py" --activate About Quorlin
        check "$name: the About box is read" eventually about_read
        import -window root "$store/screen.png"
        keep_shot "$(xdotool search --onlyvisible --name '^About Quorlin$' | head -n 1)" "$name-about"
        for label in Quorlin "Version 1.0.0"; do
            check "$name: About's $label fits" fits label "$label" QLabel
        done
        description="Allows monitoring of serial port handshaking pins"
        check "$name: About's description fits" description_fits "$description"
        check "$name: About's OK shows whole" button_shows_all OK OK
        check "$name: About's System Info... shows whole" button_shows_all "System Info..." "&System Info..."
        if [ -z "$points$style$scheme$scale" ]; then
            layout_of dialog >>"$store/layout"
            check "$name: the controls lie as they did" diff "$reference" "$store/layout"
        fi
        if [ "$scheme" = dark ]; then
            for label in Quorlin "Version 1.0.0" "$description"; do
                check "$name: About's $label reads" readable label "$label"
            done
        fi
    fi
    stop_quorlin
done
report
