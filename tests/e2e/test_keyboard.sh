#!/bin/bash
# SPDX-License-Identifier: MIT
# The keyboard alone: the menu key opens the popup menu, F2 the rename
# dialog, where Tab and Return rename the note; a setting changes from the
# menu; Escape closes a dialog; the menu's Exit leaves.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "$1"
desktop_start

store_init
app_start
w=$(main_window)
xdotool windowactivate --sync "$w" || true
keys Menu
check "the menu key opens the popup menu" wait_for 10 menus 1
keys Escape
check "... Escape closes it" wait_for 10 menus 0
keys F2
check "F2 opens the rename dialog" wait_for 10 win UTILITY "Rename Text"
keys ctrl+a && xdotool type --delay 20 "Call the bench" && keys Tab Tab Return
check "Tab and Return on \"Rename Text\" store the note" wait_for 10 store_is Note Note "text:Call the bench"
check "... and close the dialog" wait_for 10 eval '! win UTILITY "Rename Text"'
keys shift+F10 && wait_for 10 menus 1 && keys Down Right Up Return   # Settings, Show Clock
check "Shift+F10 and the arrows switch the clock off" wait_for 10 store_is Form "Clock Enabled" integer:0
keys Menu && wait_for 10 menus 1 && keys Down Right Return   # Settings, All Settings
check "All Settings opens the options dialog" wait_for 10 win UTILITY Settings
keys Escape
check "Escape closes it" wait_for 10 eval '! win UTILITY Settings'
keys Menu && wait_for 10 menus 1 && keys Up Return
check "Exit ends the program" app_ends
