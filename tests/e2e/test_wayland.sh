#!/bin/bash
# SPDX-License-Identifier: MIT
# A Wayland session: weston with XWayland, the program started as a desktop
# starts it (no QT_QPA_PLATFORM). Keys typed at the compositor's seat reach its
# windows, and the dialogs open where the program puts them, clear of the main
# window, rather than on it.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start --wayland

rect() { local r; r=$(wins "$@") && [[ -n "$r" ]] && cut -d' ' -f4- <<<"$r"; }   # TYPE TITLE: X Y W H
apart() {   # "X Y W H" "X Y W H": the two do not overlap
    local a=($1) b=($2)
    ((a[0] + a[2] <= b[0] || b[0] + b[2] <= a[0] || a[1] + a[3] <= b[1] || b[1] + b[3] <= a[1]))
}

store_init
store_set Form Left 13500 && store_set Form Top 900   # at 900,60 px
app_start
read -r x y _ <<<"$(rect NORMAL "$TITLE")"
seat_click $((x + 120)) $((y + 40))   # the note
check "a click on the note opens the rename dialog" wait_for 10 win DIALOG "Rename Text"
check "... beside the main window, not on it" apart "$(rect DIALOG "Rename Text")" "$(rect NORMAL "$TITLE")"
seat_keys key ctrl+a type "Typed on weston"
read -r dx dy _ <<<"$(rect DIALOG "Rename Text")"
seat_click $((dx + 73)) $((dy + 136))   # "Rename Text"
check "a rename typed at the seat is stored" wait_for 10 store_is Note Note "text:Typed on weston"
seat_click $((x + 120)) $((y + 40))
wait_for 10 win DIALOG "Rename Text" || fail "the rename dialog did not open again"
seat_keys key Escape
check "Escape closes the dialog" wait_for 10 eval '! win DIALOG "Rename Text"'
seat_click $((x + 40)) $((y + 120))   # below the clock: the menu
wait_for 10 menus 1 || fail "no menu opened"
seat_keys key Up Return
check "Exit from the menu by keyboard ends the program" app_ends
