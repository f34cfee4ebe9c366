#!/bin/bash
# SPDX-License-Identifier: MIT
# A Wayland session: weston with XWayland, the program started without
# QT_QPA_PLATFORM. Keys at the compositor's seat reach its windows, and a dialog
# opens where the program puts it, clear of the main window, not on it.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start --wayland
# placed TYPE TITLE: weston has placed the window (its frame left 0,0); P=(ID FX FY X Y W H).
placed() { P=($(wins "$@")) && ((${#P[@]} == 7 && P[1] + P[2] > 0)); }

store_init
store_set Form Left 13500 && store_set Form Top 900   # at 900,60 px
app_start
wait_for 10 placed NORMAL "$TITLE" || fail "weston placed no main window"
read -r _ _ _ x y w h <<<"${P[*]}"
in_range "weston opens the main window at its stored place: x" 900 "$x" 910
seat_click $((x + 120)) $((y + 40))   # the note
check "a click on the note opens the rename dialog" wait_for 10 placed DIALOG "Rename Text"
read -r _ _ _ dx dy dw dh <<<"${P[*]}"
check "... clear of the main window" test $((dx + dw)) -le "$x" -o $((dy + dh)) -le "$y" -o "$dx" -ge $((x + w)) -o "$dy" -ge $((y + h))
seat_click $((dx + 70)) $((dy + 60))   # into the text
seat_keys key ctrl+a type "Typed on weston"
seat_click $((dx + 73)) $((dy + 136))   # "Rename Text"
check "a rename typed at the seat is stored" wait_for 10 store_is Note Note "text:Typed on weston"
seat_click $((x + 120)) $((y + 40))
wait_for 10 placed DIALOG "Rename Text" || fail "the rename dialog did not open again"
seat_click $((P[3] + 70)) $((P[4] + 60)) && seat_keys key Escape
check "Escape closes the dialog" wait_for 10 eval '! win DIALOG "Rename Text"'
seat_click $((x + 40)) $((y + 120))   # below the clock: the menu
wait_for 10 menus 1 || fail "no menu opened"
seat_keys key Up Return
check "Exit from the menu by keyboard ends the program" app_ends
