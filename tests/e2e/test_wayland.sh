#!/bin/bash
# SPDX-License-Identifier: MIT
# A Wayland session: weston with XWayland, the program started without
# QT_QPA_PLATFORM. Keys at the compositor's seat reach its windows, and a dialog
# opens where the program puts it, clear of the main window, not on it.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start --wayland
at() { wins "$@" | cut -d' ' -f4-; }   # TYPE TITLE: X Y W H of the client area

store_init
store_set Form Left 13500 && store_set Form Top 900   # at 900,60 px
app_start
read -r x y w h <<<"$(at NORMAL "$TITLE")"
seat_click $((x + 120)) $((y + 40))   # the note
check "a click on the note opens the rename dialog" wait_for 10 win DIALOG "Rename Text"
read -r dx dy dw dh <<<"$(at DIALOG "Rename Text")"
check "... clear of the main window" test $((dx + dw)) -le "$x" -o $((dy + dh)) -le "$y" -o "$dx" -ge $((x + w)) -o "$dy" -ge $((y + h))
seat_keys key ctrl+a type "Typed on weston"
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
