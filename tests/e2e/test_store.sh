#!/bin/bash
# SPDX-License-Identifier: MIT
# The note store as a user meets it after a while, on a slow disk, and with a
# long note:
# - left alone for a while, then renamed while the store file is briefly
#   read-only: the change lands once it is writable, without a word, and
#   the next start shows it;
# - on a disk where every file operation takes 50 ms the menu opens as fast
#   as on a fast disk: the window's thread touches none of the store's files
#   once the window shows (strace), whatever the user or another program does;
# - a 10 MB note costs no more memory however often the menu opens.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start
SLOWDISK="${E2E_SLOWDISK:-$(dirname "$APP")/tests/e2e/libe2e-slowdisk.so}"

# read_only FILE, writable FILE: as a user's chmod does; root, whom a mode
# does not stop, makes the file immutable as well.
read_only() { chmod 444 "$1" && { ((EUID != 0)) || chattr +i "$1"; }; }
writable() { { ((EUID != 0)) || chattr -i "$1"; } && chmod 644 "$1"; }
note_area() { import -window "$(main_window)" -crop 129x121+80+8 ppm:-; }   # the note's pixels
# private_kb: the program's own memory (USS: private clean and dirty pages).
private_kb() { awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb }' "/proc/$APP_PID/smaps_rollup"; }
# menu_ms: a click below the clock until the menu shows, in ms; Escape closes it.
menu_ms() {
    local w shown begun
    w=$(main_window) && wait_for 10 menus 0 || return 1
    "$XPROBE" popup >"$E2E_DIR/popup" &
    local probe=$!
    begun=${EPOCHREALTIME/./}
    click "$w" 40 120
    wait $probe && shown=$(<"$E2E_DIR/popup") || return 1
    keys Escape
    echo $(((shown - begun) / 1000))
}
median_menu_ms() {   # of seven openings, after one to warm up
    local i times=()
    menu_ms >/dev/null || return 1
    for i in {1..7}; do times+=("$(menu_ms)") || return 1; done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 4p
}

store_init
app_start
sleep 12   # left alone longer than the store might wait before putting its file away
read_only "$WORK/$STORE_NAME"
renamed=0 && rename "buy stamps" && renamed=1
writable "$WORK/$STORE_NAME"
((renamed)) || fail "the rename dialog did not open"
check "a rename while the store was briefly read-only lands" wait_for 20 store_is Note Note "text:buy stamps"
check "... without a message" no_win DIALOG "$TITLE"
no_win DIALOG "$TITLE" || ok_message
close_box "$(main_window)"
check "the close box ends the program" app_ends
check "... leaving no log beside the store" eval '! compgen -G "$WORK/$STORE_NAME-*"'
app_start
check "the next start shows the renamed note" store_is Note Note "text:buy stamps"
exits || fail "Exit did not end the program"

app_start
fast=$(median_menu_ms) || fail "the menu did not open"
exits || fail "Exit did not end the program"
LD_PRELOAD="$SLOWDISK" SLOWDISK_DIR="$WORK" app_start
check "the slow disk's shim is loaded" grep -q "${SLOWDISK##*/}" "/proc/$APP_PID/maps"
slow=$(median_menu_ms) || fail "the menu did not open on the slow disk"
# 25 ms more for the probe's sampling and the scheduler: the times are short,
# and a store read from the disk on the window's thread costs hundreds.
in_range "the menu opens on a slow disk within 1.2 times its time on a fast one ($fast ms)" \
    0 "$slow" $((fast * 12 / 10 + 25))
trace -f -y -e trace=%file,%desc
menu_ms >/dev/null
rename "slow disk" || fail "the rename dialog did not open"
check "a rename on the slow disk lands" wait_for 20 store_is Note Note "text:slow disk"
note_area >"$E2E_DIR/note-before"
store_set Note Note "'from another program'"
check "another program's note shows" wait_for 10 eval '! note_area | cmp -s - "$E2E_DIR/note-before"'
traced_pid=$APP_PID
check "Exit on the slow disk ends the program" exits
wait $tracer || true
check "the window's thread touched none of the store's files" \
    eval '! grep -E "^$traced_pid .*Quornel Desktop Notes\.save(-wal|-shm)?[>\"]" "$LOGS/strace.log"'
check "... while the worker did" grep -qE "Quornel Desktop Notes\.save(-wal)?>" "$LOGS/strace.log"

# A note of 10 MB: after the first menu, two more openings, each after the
# widget was left alone longer than any idle work of the store takes, add
# less than one copy of it: the note is served from memory, never read again.
store_init
store_set Note Note "replace(hex(zeroblob(5242880)), '0', 'n')"
app_start
menu_ms >/dev/null || fail "the menu did not open"
before=$(private_kb)
for i in 1 2; do
    sleep 11   # alone: the store's idle work has run
    menu_ms >/dev/null || fail "the menu did not open"
done
in_range "with a 10 MB note the program's own memory grows by less than one copy of it (kB)" \
    "-$before" $(($(private_kb) - before)) 10240
check "Exit ends the program" exits
