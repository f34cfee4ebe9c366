#!/bin/bash
# SPDX-License-Identifier: MIT
# Leaving through the user interface ends the program by itself: Exit, the
# close box, the last open dialog after Exit, Exit while the opening roll plays.
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

store_init   # the dialog switched transparency on
store_set Note "Start Ani" "'True'"
store_set Note "Close Ani" "'True'"
watch_start
app_start --no-wait
wait_for 10 watch_saw 'v && h >= 10' || fail "the opening roll did not start"
menu 72 4 Up   # "Exit", chosen while the roll plays
h_chosen=$(awk 'NF == 6 { h = $2 } END { print h }' "$WATCH")
keys Return
check "Exit while the opening roll plays ends the program" app_ends
in_range "the roll was under way when Exit was chosen (px)" 10 "$h_chosen" 150
