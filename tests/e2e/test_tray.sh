#!/bin/bash
# SPDX-License-Identifier: MIT
# The tray: Hide from the popup menu docks the icon in trayer and hides the
# window; a click on the icon brings the window back; a stored "Hide" starts
# with only the icon; the window comes back when the notification area goes.
# Then the same with a StatusNotifierItem host alone on the session bus.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start

click_icon() { local i; i=$(tray_icon) && click "$i" 8 8 || fail "no icon to click"; }

store_init
app_start
check "no icon while the window shows" eval '! tray_icon'
menu 72 40 Up Up Return   # a click on the picture, then "Hide Quornel Desktop Notes"
check "Hide docks the icon in trayer" wait_for 10 tray_icon
check "Hide hides the window" wait_for 5 main_hidden
click_icon
check "a click on the icon shows the window at its place" wait_for 10 main_at 300 200 156
check "the icon leaves the tray" wait_for 10 eval '! tray_icon'
check "Exit ends the program" exits

store_set Form Hide/Show "'Hide'"
app_start --hidden
check "a stored \"Hide\" starts with the icon and no window" main_hidden
click_icon
check "a click on the icon shows the window started hidden" wait_for 10 main_window
menu 72 40 Up Up Return
wait_for 10 tray_icon || fail "Hide docked no icon"
kill -TERM "${PIDS[3]}"   # the notification area (trayer) goes away
check "the window comes back when the notification area goes away" wait_for 10 main_window
close_box "$(main_window)"
check "the close box ends the program" app_ends

# trayer is gone: a notification area of the other kind alone.
sni_start
app_start
menu 72 40 Up Up Return
check "Hide works with a StatusNotifierItem host alone" wait_for 10 main_hidden
check "... its item registers" wait_for 10 eval 'item=$(<"$LOGS/snihost.log") && [[ -n "$item" ]]'
dbus-send --session --print-reply --dest="${item#registered }" /StatusNotifierItem \
    org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null
check "the item's Activate shows the window" wait_for 10 main_window
menu 72 40 Up Up Return
wait_for 10 main_hidden || fail "Hide did not hide the window"
kill -TERM "${PIDS[5]}"   # the host goes away
check "the window comes back when the host goes away" wait_for 10 main_window
check "Exit ends the program" exits
