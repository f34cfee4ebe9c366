#!/bin/bash
# Position saving: a mouse move over the window's own background stores the
# window's outer corner; moves over the labels store nothing.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "$1"
desktop_start --no-audio

# stored_at X Y: the store holds the outer corner X Y (pixels) in twips.
stored_at() {
    [[ "$(store_value Form Left)" =~ ^$(( $1 * 15 ))(\.0)?$ && "$(store_value Form Top)" =~ ^$(( $2 * 15 ))(\.0)?$ ]]
}
# moved_to ID X Y: moves the window's frame to X Y and waits until it is there.
moved_to() {
    local f; f=$(frame_of "$1")
    xdotool windowmove "$f" "$2" "$3"
    wait_for 5 frame_at "$1" "$2" "$3"
}
sentinel() { store_set Form Left -7.0; store_set Form Top -7.0; }
# menu_barrier ID: a click on Label3 opens the menu; once it is open every
# earlier input has been handled. Closes it again.
menu_barrier() {
    click_at "$1" 40 120 && wait_for 5 menu_open && menu_keys Escape && wait_for 5 menu_closed
}

store_init
park_mouse
app_start
w=$(app_window)
check "starts at the stored place (300, 200)" wait_for 5 frame_at "$w" 300 200

# --- A move over the background after the window moved stores the new place
moved_to "$w" 420 260
check "moving the window alone stores nothing" stored_at 300 200
move_mouse_over "$w" 72 40          # between the clock and the note
check "a move over the background stores the new corner (420, 260)" wait_for 5 stored_at 420 260
expect_eq "Left is stored as a number" real "$(_sql 'SELECT typeof("Left") FROM "Form"')"

# Every move event writes, each time: the place is reset behind the program's
# back before each move.
i=0
for spot in "150 140" "72 40" "3 3" "211 150" "100 135"; do   # each differs from the last
    i=$((i + 1))
    sentinel
    move_mouse_over "$w" $spot
    check "move $i over the background ($spot) writes the place" wait_for 5 stored_at 420 260
done

# --- Moves over the note, the clock and Label3 store nothing
park_mouse
moved_to "$w" 500 300
sentinel
move_mouse_over "$w" 150 60         # the note, Label1
move_mouse_over "$w" 120 100
move_mouse_over "$w" 30 20          # the clock, Label2
move_mouse_over "$w" 40 120         # Label3
check "the menu opens from Label3" menu_barrier "$w"
expect_eq "moves over the labels wrote nothing (Left)" "real:-7.0" "$(store_get Form Left)"
expect_eq "moves over the labels wrote nothing (Top)" "real:-7.0" "$(store_get Form Top)"

# --- Leaving without a move over the background keeps the old place
move_mouse_over "$w" 72 40
check "back over the background: stored (500, 300)" wait_for 5 stored_at 500 300
park_mouse
moved_to "$w" 100 100
close_window "$w"
check "the close button ends the program" app_wait_exit 15
check "the stored place is still the last one seen (500, 300)" stored_at 500 300

# --- The next start puts the window where it was stored
app_start
w=$(app_window)
check "the next start places the window at (500, 300)" wait_for 5 frame_at "$w" 500 300
