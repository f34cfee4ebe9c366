#!/bin/bash
# SPDX-License-Identifier: MIT
# The widget in the user's language, as a screen reader reads it: with
# LANGUAGE=de the popup menu, the rename dialog, a message box and the colour
# picker's own buttons are in German; with LANGUAGE=ar a dialog reads right to
# left, its first check box at the right. A screenshot of each is kept (in
# $E2E_SCREENSHOTS when set, which the test command keeps with its logs).
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start
atspi_start
shots="${E2E_SCREENSHOTS:-$LOGS}"
mkdir -p "$shots"
shot() { import -window root "$shots/$1.png"; }

store_init
store_set Form "Speech Enabled" 1   # with no character chosen: a reading warns
export LANGUAGE=de
app_start
wait_for 20 seen "frame|Quornel Desktop Notes||" || fail "the main window is not on the bus"
# A popup menu is not in the program's tree: its items are read as the keyboard focuses them.
atspi --focus 8 >"$E2E_DIR/focus" &
listener=$!
wait_for 10 grep -q ready "$E2E_DIR/focus" || fail "the focus listener did not start"
key_menu Down Down Down Down Down Down Down || fail "no menu opened"
shot de-menu
wait $listener || true
focused=$(<"$E2E_DIR/focus")
for item in "Aktuelle Notizen vorlesen" "Quornel Desktop Notes ausblenden" Beenden; do
    check "the menu is in German: $item" has "$focused" "menu item|$item"
done
keys Escape && wait_for 10 menus 0

keys F2
check "the rename dialog is in German" wait_for 10 eval 'win UTILITY "Text ändern" &&
    seen "push button|Text ändern" && seen "push button|Optionen"'
shot de-dialog
keys Escape && wait_for 10 no_win UTILITY "Text ändern"

menu 40 120 Down Down Return || fail "no menu opened"   # "Read Current Notes"
check "a message box is in German" wait_for 10 eval 'win DIALOG "$TITLE" &&
    seen "label|Wenn die Sprachausgabe aktiviert ist, müssen Sie eine Sprachagent-Figur"'
shot de-message
ok_message && wait_for 10 no_win DIALOG "$TITLE" || fail "the message box did not close"

activate || true
key_menu Down Right Return   # Settings, All Settings
wait_for 10 win UTILITY Einstellungen || fail "the options dialog did not open"
atspi "Textfarbe ändern" Press
check "the colour picker's own buttons are in German" \
    wait_for 10 eval 'win DIALOG "Wählen Sie eine Farbe für den Text." &&
        seen "push button|Abbrechen" && seen "push button|OK"'
shot de-colour-picker
atspi Abbrechen Press
wait_for 10 no_win DIALOG "Wählen Sie eine Farbe für den Text." || fail "Cancel did not close it"
close_box "$(win UTILITY Einstellungen)"
check "Exit ends the program" exits

export LANGUAGE=ar
app_start
activate || true
key_menu Down Left Down Return   # Settings (opened leftwards), Speech Settings
wait_for 10 win UTILITY "إعدادات النطق" || fail "the speech settings did not open"
# where NAME: "X Y W H" of the object and of its window, on one line.
where() { atspi --where "$1" | tr '\n' ' '; }
check "a dialog reads right to left: its first check box lies at the right" wait_for 10 eval '
    read -r x _ w _ wx _ ww _ <<<"$(where "تفعيل النطق")" && ((x - wx > ww - (x - wx + w)))'
shot ar-dialog
close_box "$(win UTILITY "إعدادات النطق")"
check "Exit ends the program" exits
