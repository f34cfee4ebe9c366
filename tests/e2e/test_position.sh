#!/bin/bash
# SPDX-License-Identifier: MIT
# Every move the user makes (the caption bar, the window manager's command, the
# keyboard) stores the window's outer corner in twips, kept through an Exit right
# after the move and a kill -9 a second after it. At scale 2 every dialog opens
# wholly on the screen, the colour picker too. Two monitors: a dialog opens on
# the main window's, the file dialog too, wherever the pointer; removing one
# moves its windows and the character onto the other.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start

stored_at() { store_is Form Left "real:$(($1 * 15)).0" && store_is Form Top "real:$(($2 * 15)).0"; }
# drag X Y DX DY: a drag with the left button from X Y on the screen, in four steps.
drag() {
    local i
    xdotool mousemove "$1" "$2" mousedown 1
    for i in 1 2 3 4; do xdotool mousemove $(($1 + $3 * i / 4)) $(($2 + $4 * i / 4)); done
    xdotool mouseup 1
}
wholly_in() {   # TITLE LEFT RIGHT [TYPE]: the window, frame included, lies within LEFT,0 and RIGHT,800
    local id fx fy x y w h e r b
    read -r id fx fy x y w h <<<"$(wins "${4:-UTILITY}" "$1")" && e=$(xprop -id "$id" _NET_FRAME_EXTENTS) &&
        IFS=', ' read -r _ r _ b <<<"${e#*= }" && ((fx >= $2 && fy >= 0 && x + w + r <= $3 && y + h + b <= 800))
}
opens_whole() {   # TITLE CMD...: the command opens the dialog wholly on the screen; Escape closes it
    wait_for 10 menus 0 && "${@:2}" && wait_for 10 wholly_in "$1" 0 1280 && keys Escape &&
        wait_for 10 no_win UTILITY "$1"
}
picker="Pick a color for the text."
# picker_whole: Settings' "Change Text Color" (the middle of its designed place 20,144 105x25)
# opens the colour picker wholly on the screen; its Cancel, at its bottom right, closes it.
picker_whole() {
    local w h
    click "$(win UTILITY Settings)" 144 312 && wait_for 10 wholly_in "$picker" 0 1280 DIALOG &&
        read -r _ _ _ _ _ w h <<<"$(wins DIALOG "$picker")" && click "$(win DIALOG "$picker")" $((w - 60)) $((h - 40)) &&
        wait_for 10 no_win DIALOG "$picker"
}
settings_item() { key_menu Down Right "$@"; }   # KEY...

store_init
app_start
check "the window shows at its stored place, frame corner 300 200" wait_for 5 main_at 300 200
close_box "$(main_window)" && app_ends || fail "the close box did not end the program"

corner() { read -r _ CX CY _ <<<"$(wins UTILITY "$TITLE")"; }
# move_by HOW: the user moves the window: by its caption bar, with the window
# manager's command (wmctrl) or at the keyboard (the window menu's Move, the
# arrow keys and Return).
move_by() {
    local w; w=$(main_window) && corner || return 1
    local x=$CX y=$CY
    case $1 in
        drag) drag $((x + 60)) $((y + 8)) 40 30 ;;   # by the caption bar
        wmctrl) wmctrl -i -r "$(printf '0x%x' "$w")" -e "0,$((x + 60)),$((y + 50)),-1,-1" ;;
        keyboard) activate "$w" && keys alt+space && keys m && keys Right Right Down Return ;;
    esac
    wait_for 5 eval 'corner && [[ "$CX $CY" != "$x $y" ]]'
}
for how in drag wmctrl keyboard; do
    for leave in Exit kill; do
        app_start
        move_by $how || fail "the window did not move ($how)"
        if [[ $leave == Exit ]]; then
            exits
        else
            sleep 1   # the place is on the disk within a second of the move
            kill -s KILL "$APP_PID" && app_ends 137
        fi
        when="Exit right after" && [[ $leave == Exit ]] || when="a kill -9 a second after"
        check "a move by $how survives $when (frame corner $CX $CY)" stored_at "$CX" "$CY"
    done
done
app_start
check "the next start shows the window at the stored place" wait_for 5 main_at "$CX" "$CY"
close_box "$(main_window)"
check "the close box ends the program again" app_ends

store_set Form Left 4500.0 && store_set Form Top 1500.0
QT_SCALE_FACTOR=2 app_start
activate || true
for d in "Rename Text:keys F2" "Settings:settings_item Return" \
    "Speech Settings:settings_item Down Return" "Transparency Settings:settings_item Down Down Return"; do
    check "at scale 2 \"${d%%:*}\" opens wholly on the screen" opens_whole "${d%%:*}" ${d#*:}
done
settings_item Return && wait_for 10 win UTILITY Settings || fail "Settings did not open again at scale 2"
check "at scale 2 the colour picker opens wholly on the screen and its own Cancel closes it" picker_whole
close_box "$(main_window)" && app_ends || fail "the close box did not end the program at scale 2"

xrandr --setmonitor left 640/169x800/211+0+0 screen --setmonitor right 640/169x800/211+640+0 none >/dev/null
store "UPDATE Form SET Left = 12000.0, Top = 4500.0, \"Read on Start\" = 1, \"Speech Enabled\" = 1,
       \"Agent Name\" = '$(dirname "$APP")/characters/quornel.qchar'"
app_start
wait_for 5 main_at 800 300 || fail "the window did not show at its stored place 800 300"
wait_for 20 win UTILITY Quornel || fail "the character did not appear to read the note"
read -r _ _ _ x y w h <<<"$(wins UTILITY Quornel)"   # on the primary, left monitor
drag $((x + w / 2)) $((y + h - 60)) 640 0
wait_for 5 wholly_in Quornel 640 1280 || fail "the character did not follow the pointer onto the right monitor"
activate && settings_item Down Return   # "Speech Settings"
wait_for 10 win UTILITY "Speech Settings" || fail "the speech settings did not open"
xdotool mousemove 320 400 && keys Tab Return   # "Load Agent", the pointer on the other monitor
check "the file dialog opens on the main window's monitor, not the pointer's" wait_for 10 wholly_in Open 640 1280 DIALOG
keys Escape && wait_for 10 no_win DIALOG Open || fail "the file dialog did not close"
close_box "$(win UTILITY "Speech Settings")"
activate && keys F2
check "the rename dialog opens on the main window's monitor" wait_for 10 wholly_in "Rename Text" 640 1280
xrandr --delmonitor right
check "removing their monitor brings the window, the dialog and the character wholly onto the other within a second" \
    wait_for 1 eval 'wholly_in "$TITLE" 0 640 && wholly_in "Rename Text" 0 640 && wholly_in Quornel 0 640'
check "the store keeps the stored place" stored_at 800 300
check "the close box ends the program on one monitor" eval 'close_box "$(main_window)" && app_ends'
