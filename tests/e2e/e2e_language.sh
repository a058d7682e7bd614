#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# End to end through the accessibility bus: the real quorlin executable
# speaks the language of $LANG, in its own texts and in Qt's (the dialog
# buttons, a text box's context menu); in the C locale every text is the
# English it is written in.
#   e2e_language.sh <quorlin executable>  (on an X display, in a D-Bus session)
set -euo pipefail
quorlin=$1
harness=$(dirname "$0")/../harness
. "$harness/loopback-session.sh"
. "$harness/checks.sh"
. "$harness/screen.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset LANGUAGE LC_ALL LC_MESSAGES

# What each language shows, and the keys of its menu items.
case $LANG in
C)
    menus=(File Com Help) help_items=(Index About) on_top="Always On Top"
    row_label="Carrier Detect label" default_label="Status Pin 1" about_key=a
    about="About Quorlin" version="Version 1.0.0" sys_info="System Info..."
    description="Allows monitoring of serial port handshaking pins"
    ports_key=p ports=Ports cancel=Cancel cut=Cut
    not_a_device='Com1: "nonsense" is not a device.'
    ;;
de_DE.UTF-8)
    menus=(Datei Com Hilfe) help_items=(Inhalt Über) on_top="Immer oben"
    row_label="Bezeichnung für Carrier Detect" default_label="Status-Pin 1" about_key=b
    about="Über Quorlin" version="Version 1.0.0" sys_info="Systeminfo..."
    description="Ermöglicht die Überwachung der Handshake-Leitungen einer seriellen Schnittstelle"
    ports_key=a ports=Anschlüsse cancel=Abbrechen cut=Ausschneiden
    not_a_device='Com1: „nonsense“ ist kein Gerät.'
    ;;
*) echo "no texts known for LANG=$LANG" >&2; exit 2 ;;
esac

"$harness/accessible_tree.py" Quorlin >/dev/null # starts the accessibility bus
"$harness/accessible_focus.py" >"$store/focus" &
listener=$!
trap 'kill $listener; stop_loopback_session' EXIT
listening() { grep -qx listening "$store/focus"; }
check "a screen reader listens" eventually listening
start_quorlin "$quorlin"

tree() { "$harness/accessible_tree.py" Quorlin; }
shows() { grep -qxF "$(printf '%s\t%s\t%s' "$@")" <<<"$(tree)"; }
about_closed() { ! shows dialog "$about" ""; }
# A push button's role is "push button" in older AT-SPI, "button" in newer.
shows_button() { shows "push button" "$1" "" || shows button "$1" ""; }
focused() { grep -qF "$(printf 'menu item\t%s' "$1")" "$store/focus"; }

for menu in "${menus[@]}"; do
    check "the menu bar shows $menu" eventually shows "menu item" "$menu" ""
done
check "the label box is named" shows text "$row_label" ""
check "the check box's caption is $on_top" shows label "$on_top" ""
check "the first row's label is $default_label" eventually stored "Status1=$default_label"

check "the Help menu opens" open_menu h
for item in "${help_items[@]}"; do
    check "the Help menu shows $item" eventually shows "menu item" "$item" ""
done
xdotool key "$about_key"
check "the About box is $about" eventually shows dialog "$about" ""
check "it tells the version" shows label "$version" ""
check "it tells what Quorlin does" shows label "$description" ""
check "its button is $sys_info" shows_button "$sys_info"
xdotool key Return
check "the About box closes" eventually about_closed

# Qt's own texts: the context menu of a text box, from the keyboard.
focus_quorlin
xdotool key Tab
check "the label box has the keyboard" eventually grep -qF "$(printf 'text\t%s' "$row_label")" "$store/focus"
xdotool key Menu
xdotool key Down
check "the label box's context menu offers $cut" eventually focused "$cut"
xdotool key Escape

check "the Com menu opens" open_menu c
xdotool key "$ports_key"
check "the Ports dialog is $ports" eventually shows dialog "$ports" ""
check "it offers $cancel" shows_button "$cancel"
xdotool key --clearmodifiers alt+1 ctrl+a
xdotool type --delay 20 nonsense
xdotool key Return
check "a mistyped device is told" eventually shows label "$not_a_device" ""
report
