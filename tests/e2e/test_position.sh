#!/bin/bash
# SPDX-License-Identifier: MIT
# Position saving from real pointer moves: a move over the mascot background
# stores the window's outer corner in twips; moving the window by its caption
# bar and leaving without a move over the background keeps the old place.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start

stored_at() { store_is Form Left "real:$(($1 * 15)).0" && store_is Form Top "real:$(($2 * 15)).0"; }
# drag_caption DX DY: drags the main window by its caption bar.
drag_caption() {
    local fx fy i
    read -r _ fx fy _ <<<"$(wins UTILITY "$TITLE")"
    xdotool mousemove $((fx + 60)) $((fy + 8)) mousedown 1
    for i in 1 2 3 4; do xdotool mousemove $((fx + 60 + $1 * i / 4)) $((fy + 8 + $2 * i / 4)); done
    xdotool mouseup 1
    wait_for 5 main_at $((fx + $1)) $((fy + $2))
}

store_init
app_start
w=$(main_window)
check "the window shows at its stored place, frame corner 300 200" wait_for 5 main_at 300 200

store_set Form Left -7.0 && store_set Form Top -7.0   # behind the program's back
move_over "$w" 72 40
check "a move over the background stores the frame corner in twips" wait_for 5 stored_at 300 200

drag_caption 120 60 || fail "the window did not follow its caption bar"
check "moving the window alone stores nothing" stored_at 300 200
store_set Form Left -7.0
move_over "$w" 211 150   # the far corner
check "a move over the background stores the new corner 420 260" wait_for 5 stored_at 420 260

drag_caption -200 100 || fail "the window did not follow its caption bar"
close_box "$w"
check "the close box ends the program" app_ends
check "leaving without a move over the background keeps the old place" stored_at 420 260
app_start
check "the next start shows the window at the stored place" wait_for 5 main_at 420 260
close_box "$(main_window)"
check "the close box ends the program again" app_ends
