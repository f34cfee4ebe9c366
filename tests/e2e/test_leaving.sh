#!/bin/bash
# Leaving, watched from outside the program: "Exit" and the close button play
# the closing roll or fade before the window goes and the program ends; an
# open transparency settings dialog keeps the program running until it is
# closed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/watch.sh"
e2e_init "$1"
desktop_start --no-audio

# --- "Exit" with the closing roll
store_init
store_set Note "Close Ani" "'True'"
app_start
w=$(app_window)
watch_start exit-roll --id "$w"
choose_main_item "$w" 1 || fail "could not choose Exit"
check "\"Exit\" ends the program" app_wait_exit 15
expect_eq "the program ends normally" 0 "${APP_STATUS:-running}"
check "the window is destroyed" wait_for 5 watch_gone "$WATCH_FILE"
watch_stop
eval "$(watch_summary "$WATCH_FILE")"
in_range "distinct heights of the closing roll" 25 "$heights" 157
expect_eq "the closing roll only shrinks the window" 0 "$ups"
expect_eq "the window goes only after it has rolled up (px)" 1 "$last_h"
in_range "the closing roll's length (ms)" 200 $(( (t_h_end - t_first) / 1000 )) 5000

# --- The close button with the closing fade
store_init
store_set Note "Close Ani" "'True'"
store_set Note "Start Ani" "'True'"
store_set Form "Trans Enabled" 1
store_set Form "Trans Level" "'170'"
app_start
w=$(app_window)
wait_for 10 eval '[[ "$(win_opacity "$w")" == 170 ]]' || fail "the opening fade did not end at 170"
watch_start close-fade --id "$w"
close_window "$w"
check "the close button ends the program" app_wait_exit 15
expect_eq "the program ends normally after the close button" 0 "${APP_STATUS:-running}"
watch_stop
eval "$(watch_summary "$WATCH_FILE")"
echo "  levels while closing: $level_list"
in_range "distinct levels of the closing fade" 6 "$levels" 19
expect_eq "the window goes only after it has faded out" 0 "$last_level"
expect_eq "the fade keeps the full height" "156 156" "$min_h $max_h"

# --- "Exit" while the transparency settings dialog is open
store_init
store_set Note "Close Ani" "'True'"
app_start
w=$(app_window)
click_at "$w" 72 4 && wait_for 5 menu_open || fail "the menu did not open"
menu_keys Down Right
wait_for 5 eval '(( $(menu_count) == 2 ))' || fail "the Settings submenu did not open"
menu_keys Down Down Return                 # "Transparent Settings"
check "the transparency settings dialog opens" wait_for 10 window_titled "Transparency Settings"
dialog=$(window_titled "Transparency Settings") || fail "no transparency settings dialog"
watch_start exit-dialog --id "$w"
choose_main_item "$w" 1 || fail "could not choose Exit"
check "the main window rolls up and goes" wait_for 10 watch_gone "$WATCH_FILE"
watch_stop
# After the main window is destroyed, the program still handles a click on
# the dialog: it goes on running.
check "the program goes on running while the dialog is open" handles_clicks "$dialog" 5 5
check "the dialog stays open" window_viewable "$dialog"
expect_eq "the main window is gone" "" "$(app_window || true)"
close_window "$dialog"
check "closing the dialog ends the program" app_wait_exit 15
expect_eq "the program ends normally after the dialog" 0 "${APP_STATUS:-running}"
