#!/bin/bash
# SPDX-License-Identifier: MIT
# The keyboard alone: F2 opens the rename dialog, where Tab and Return rename
# the note; the menu key and Shift+F10 open the popup menu, where a setting
# changes; Escape closes a dialog. Leaving ends the program by itself: the menu's Exit (after
# the closing roll), the last open dialog after Exit, and OK on the message
# that the store is not a note store, which leaves the file as it was. (What
# the box says is checked in process: Qt lets no other program read it on X11.)
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start

store_init
store_set Note "Close Ani" "'True'"
app_start
xdotool windowactivate --sync "$(main_window)" || true
keys F2
check "F2 opens the rename dialog" wait_for 10 win UTILITY "Rename Text"
keys ctrl+a && xdotool type --delay 20 "Call the bench" && keys Tab Tab Return
check "Tab and Return on \"Rename Text\" store the note" wait_for 10 store_is Note Note "text:Call the bench"
check "... and close the dialog" wait_for 10 eval '! win UTILITY "Rename Text"'
keys shift+F10 && wait_for 10 menus 1 && keys Down Right Up Return   # Settings, Show Clock
check "Shift+F10 and the arrows switch the clock off" wait_for 10 store_is Form "Clock Enabled" integer:0
keys Menu && wait_for 10 menus 1 && keys Down Right Return   # Settings, All Settings
check "the menu key and the arrows open the options dialog" wait_for 10 win UTILITY Settings
keys Escape
check "Escape closes it" wait_for 10 eval '! win UTILITY Settings'
keys Menu && wait_for 10 menus 1 && keys Up Return
check "Exit (after the closing roll) ends the program" app_ends

app_start
menu 40 120 Down Right && wait_for 5 menus 2 && keys Down Down Return   # "Transparent Settings"
check "the transparency dialog opens" wait_for 10 win UTILITY "Transparency Settings"
read -r dialog _ <<<"$(wins UTILITY "Transparency Settings")"
menu 40 120 Up Return
check "after Exit the main window goes" wait_for 10 main_hidden
click "$dialog" 15 16 || true   # its check box: the dialog grows to show the level
check "the program runs on while the dialog is open" wait_for 5 eval '[[ "$(wins UTILITY "Transparency Settings")" == *" 113" ]]'
close_box "$dialog"
check "closing that last dialog ends the program" app_ends

printf 'NOT A NOTE STORE' | dd of="$WORK/$STORE_NAME" bs=1 conv=notrunc status=none
cp "$WORK/$STORE_NAME" "$E2E_DIR/original"
app_start --no-wait
check "a store that is not a note store shows a message box" wait_for 20 win DIALOG "$TITLE"
check "and no main window" main_hidden
xdotool windowactivate --sync "$(win DIALOG "$TITLE")" key --clearmodifiers Return
check "OK ends the program" app_ends 1
check "the file is byte for byte as it was" cmp "$E2E_DIR/original" "$WORK/$STORE_NAME"
