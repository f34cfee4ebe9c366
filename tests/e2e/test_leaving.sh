#!/bin/bash
# SPDX-License-Identifier: MIT
# The keyboard alone: F2 opens the rename dialog, where Tab and Return rename
# the note; the menu key and Shift+F10 open the popup menu, where a setting
# changes; Escape closes a dialog. Leaving ends the program by itself: the menu's Exit (after
# the closing roll), the last open dialog after Exit, and OK on the message
# that the store is not a note store, which leaves the file as it was. (What
# the box says is checked in process: Qt lets no other program read it on X11.)
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start

store_init
store_set Note "Close Ani" "'True'"
app_start
xdotool windowactivate --sync "$(main_window)" || true
keys F2
check "F2 opens the rename dialog" wait_for 10 win UTILITY "Rename Text"
keys ctrl+a && xdotool type --delay 20 "Call the bench" && keys Tab Tab Return
check "Tab and Return on \"Rename Text\" store the note" wait_for 10 store_is Note Note "text:Call the bench"
check "... and close the dialog" wait_for 10 eval '! win UTILITY "Rename Text"'
keys shift+F10 && wait_for 10 menus 1 && keys Down Right Up Return   # Settings, Show Clock
check "Shift+F10 and the arrows switch the clock off" wait_for 10 store_is Form "Clock Enabled" integer:0
keys Menu && wait_for 10 menus 1 && keys Down Right Return   # Settings, All Settings
check "the menu key and the arrows open the options dialog" wait_for 10 win UTILITY Settings
keys Escape
check "Escape closes it" wait_for 10 eval '! win UTILITY Settings'
keys Menu && wait_for 10 menus 1 && keys Up Return
check "Exit (after the closing roll) ends the program" app_ends

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

# rename TEXT: renames the note at the keyboard; returns once the dialog has
# gone (checked as fast as the X server answers).
rename() {
    xdotool windowactivate --sync "$(main_window)" || true
    keys F2 && wait_for 10 win UTILITY "Rename Text" || return 1
    keys ctrl+a && xdotool type --delay 5 "$1" && keys Tab Tab Return
    local t
    for ((t = 0; t < 3000; t++)); do win UTILITY "Rename Text" >/dev/null || return 0; done
    return 1
}
leave_by() {
    case $1 in
        Exit) menu 40 120 Up Return ;;
        close) close_box "$(main_window)" ;;
        display) desktop_stop ;;
        *) kill -s "$1" "$APP_PID" ;;
    esac
}
left_clean() {   # STATUS NOTE (a kill -9 may leave its lock and socket)
    app_ends "$1" && store_is Note Note "text:$2" || return 1
    [[ $1 != 0 ]] && return 0
    ! compgen -G "$WORK/*.lock" >/dev/null && ! compgen -G "$XDG_RUNTIME_DIR/q*" >/dev/null
}
image="$E2E_DIR/image" && mkdir "$image"
image_has() { [[ "$(sqlite3 -batch "$image/$STORE_NAME" 'SELECT "Note" FROM "Note"')" == "$1" ]]; }
for way in Exit close TERM INT HUP display KILL; do
    kept=0 status=0
    [[ $way != KILL ]] || status=137
    for i in {1..10}; do
        if [[ $way == KILL ]]; then   # and a power cut
            rm -f "$image"/* && cp "$WORK/$STORE_NAME" "$image/"
            [[ ! -e "$WORK/$STORE_NAME-wal" ]] || cp "$WORK/$STORE_NAME-wal" "$image/"
            LD_PRELOAD="${E2E_POWERCUT:-$(dirname "$APP")/tests/e2e/libe2e-powercut.so}" \
                POWERCUT_FILES="$WORK/$STORE_NAME" POWERCUT_IMAGE="$image" app_start
        else
            app_start
        fi
        rename "$way $i" && leave_by $way && left_clean $status "$way $i" &&
            { [[ $way != KILL ]] || image_has "$way $i"; } && kept=$((kept + 1))
        [[ $way != display ]] || desktop_start
    done
    expect_eq "a rename, then at once $way: kept, status $status, nothing left (of 10)" 10 "$kept"
done

# Each flush of the disk held back 1.5 s: the dialog goes only after the
# rename's commit was flushed, an fdatasync of the log. (A first rename
# makes the log, whose header is flushed whatever the commits do.)
app_start
rename "a log made" || fail "the dialog did not go"
strace -f -qq -y -e trace=fdatasync -e inject=fdatasync:delay_exit=1500000 \
    -o "$LOGS/strace.log" -p "$APP_PID" 8>&- 9>&- &
tracer=$! && _record $tracer
traced() { ! grep -qs 'TracerPid:[[:space:]]*0$' /proc/"$APP_PID"/task/*/status; }
wait_for 10 traced || fail "strace did not attach"
begun=${EPOCHREALTIME/./}
rename "flushed first" || fail "the dialog did not go"
in_range "the dialog waits for the flush (ms)" 1500 $(((${EPOCHREALTIME/./} - begun) / 1000)) 10000
check "an fdatasync of the log came first" grep -q "fdatasync([0-9]*<$WORK/$STORE_NAME-wal>) = 0" "$LOGS/strace.log"
kill -TERM $tracer && wait $tracer || true
menu 40 120 Up Return
check "the renamed note is kept" eval 'app_ends && store_is Note Note "text:flushed first"'

printf 'NOT A NOTE STORE' | dd of="$WORK/$STORE_NAME" bs=1 conv=notrunc status=none
cp "$WORK/$STORE_NAME" "$E2E_DIR/original"
app_start --no-wait
check "a store that is not a note store shows a message box" wait_for 20 win DIALOG "$TITLE"
check "and no main window" main_hidden
xdotool windowactivate --sync "$(win DIALOG "$TITLE")" key --clearmodifiers Return
check "OK ends the program" app_ends 1
check "the file is byte for byte as it was" cmp "$E2E_DIR/original" "$WORK/$STORE_NAME"
