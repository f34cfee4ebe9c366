#!/bin/bash
# SPDX-License-Identifier: MIT
# Leaving ends the program by itself: the menu's Exit (opened with Shift+F10,
# after the closing roll), the last open dialog after Exit, every way out right
# after a rename, which is kept, and OK on the message that the store is not a
# note store, which leaves the file as it was. (What the box says is checked in
# process: Qt lets no other program read it on X11.)
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start

store_init
store_set Note "Close Ani" "'True'"
app_start
activate || true
keys shift+F10 && wait_for 10 menus 1 && keys Up Return
check "Exit from Shift+F10's menu (after the closing roll) ends the program" app_ends

app_start
menu 40 120 Down Right && wait_for 5 menus 2 && keys Down Down Return   # "Transparent Settings"
check "the transparency dialog opens" wait_for 10 win UTILITY "Transparency Settings"
read -r dialog _ <<<"$(wins UTILITY "Transparency Settings")"
menu 40 120 Up Return
check "after Exit the main window goes" wait_for 10 main_hidden
click "$dialog" 15 16 || true   # its check box: the dialog grows to show the level
check "the program runs on while the dialog is open" \
    wait_for 5 eval '[[ "$(wins UTILITY "Transparency Settings")" == *" 113" ]]'
close_box "$dialog"
check "closing that last dialog ends the program" app_ends

# renamed TEXT: a rename whose dialog has gone, checked as fast as the X server answers.
renamed() {
    rename "$1" || return 1
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
# A kill -9 comes with a power cut: the image holds only what was flushed to
# the disk, so the dialog went only after the rename had reached it.
image="$E2E_DIR/image" && mkdir "$image"
image_has() { [[ "$(sqlite3 -batch "$image/$STORE_NAME" 'SELECT "Note" FROM "Note"')" == "$1" ]]; }
for way in Exit close TERM INT HUP display KILL; do
    kept=0 status=0
    [[ $way != KILL ]] || status=137
    for i in {1..10}; do
        if [[ $way == KILL ]]; then
            rm -f "$image"/* && cp "$WORK/$STORE_NAME" "$image/"
            [[ ! -e "$WORK/$STORE_NAME-wal" ]] || cp "$WORK/$STORE_NAME-wal" "$image/"
            LD_PRELOAD="${E2E_POWERCUT:-$(dirname "$APP")/tests/e2e/libe2e-powercut.so}" \
                POWERCUT_FILES="$WORK/$STORE_NAME" POWERCUT_IMAGE="$image" app_start
        else
            app_start
        fi
        renamed "$way $i" && leave_by $way && left_clean $status "$way $i" &&
            { [[ $way != KILL ]] || image_has "$way $i"; } && kept=$((kept + 1))
        [[ $way != display ]] || desktop_start
    done
    expect_eq "a rename, then at once $way: kept, status $status, nothing left (of 10)" 10 "$kept"
done

printf 'NOT A NOTE STORE' | dd of="$WORK/$STORE_NAME" bs=1 conv=notrunc status=none
cp "$WORK/$STORE_NAME" "$E2E_DIR/original"
app_start --no-wait
check "a store that is not a note store shows a message box" wait_for 20 win DIALOG "$TITLE"
check "and no main window" main_hidden
ok_message
check "OK ends the program" app_ends 1
check "the file is byte for byte as it was" cmp "$E2E_DIR/original" "$WORK/$STORE_NAME"
