#!/bin/bash
# SPDX-License-Identifier: MIT
# Leaving through the user interface ends the program by itself: Exit, the
# close box, the last open dialog after Exit.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "$1"
desktop_start

store_init
store_set Note "Close Ani" "'True'"
app_start
menu 40 120 Up Return
check "Exit (after the closing roll) ends the program" app_ends

app_start
close_box "$(main_window)"
check "the close box ends the program" app_ends

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
