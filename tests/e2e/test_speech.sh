#!/bin/bash
# SPDX-License-Identifier: MIT
# Reading aloud at the null sink: the character appears (frameless, on top, no
# task-bar entry) and speaks the note for about as long as its voice takes;
# after it has appeared, Exit still ends the program. The installed program,
# its prefix moved away (as if the build folder were gone) and started with
# --user from /, reads aloud on start with the bundled character, also when
# the store names that character at a place that is gone.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start --audio

speaking() { local s; s=$(pactl list short sink-inputs) && [[ -n "$s" ]]; }
silent() { ! speaking; }
grown() { (($(stat -c %s "$1") > $2)); }   # FILE BYTES
# sounding FILE: seconds from its first to its last sound.
sounding() {
    sox "$1" -n silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse stat 2>"$1.stat"
    awk '/^Length/ { print $3 }' "$1.stat"
}

store_init
store_set Form "Speech Enabled" 1
store_set Form "Agent Name" "'$(dirname "$APP")/characters/quornel.qchar'"
note=$(store "SELECT Note FROM Note")
espeak-ng -v en-us -s 165 -p 50 -w "$E2E_DIR/expected.wav" "You have the following notes: $note"

app_start
rec="$E2E_DIR/recording.wav"   # 22050 samples of 2 bytes a second
# Small fragments: the file keeps up with the sink (by default it grows in seconds-long steps).
parecord -d nullsink.monitor --rate=22050 --channels=1 --format=s16le --file-format=wav \
    --latency-msec=20 "$rec" &
recorder=$!
_record "$recorder"
wait_for 20 grown "$rec" 44 || fail "the recording of the null sink did not start"
menu 40 120 Down Down Return   # "Read Current Notes"
wait_for 20 win UTILITY Quornel || fail "the character did not appear"
wait_for 20 speaking || fail "no sound stream was opened"
wait_for 60 silent || fail "the character did not finish speaking"
read -r ch fx fy x y _ <<<"$(wins UTILITY Quornel)"
expect_eq "the character has no frame" "$fx $fy" "$x $y"
state=$(xprop -id "$ch" _NET_WM_STATE)
check "it stays on top" has "$state" _NET_WM_STATE_ABOVE
check "it has no task-bar entry" has "$state" _NET_WM_STATE_SKIP_TASKBAR
wait_for 10 grown "$rec" $(($(stat -c %s "$rec") + 22050))   # the sink's last half second
kill -INT "$recorder" && wait "$recorder" || true
expected=$(sounding "$E2E_DIR/expected.wav") heard=$(sounding "$rec")
check "the null sink heard the note for about as long as the voice takes ($heard s of $expected s)" \
    awk -v h="$heard" -v e="$expected" 'BEGIN { exit !(h > e * 0.8 && h < e * 1.2) }'
menu 40 120 Down Down Return
check "a second reading speaks again" wait_for 20 speaking
wait_for 60 silent || fail "the character did not finish speaking"
# Under the compositor the window is whole, but once the balloon has gone it
# takes the mouse only where the character is, not in the space above it.
read -r _ _ _ _ _ _ chh <<<"$(wins UTILITY Quornel)"
takes_little() { local h; h=$("$XPROBE" input "$ch") && ((h < chh * 3 / 4)); }
check "the character's empty parts let the mouse through (it takes $("$XPROBE" input "$ch") of $chh px)" \
    wait_for 10 takes_little
menu 40 120 Up Return
check "after the character has spoken, Exit ends the program" app_ends

cmake --install "$(dirname "$APP")" --prefix "$E2E_DIR/installed" >/dev/null
mv "$E2E_DIR/installed" "$E2E_DIR/moved"
APP="$E2E_DIR/moved/bin/quornel-desktop-notes"
WORK="$XDG_DATA_HOME/quornel-desktop-notes"
mkdir -p "$WORK"
store_init
store_set Form "Speech Enabled" 1
store_set Form "Read on Start" 1
store_set Form "Agent Name" "'$(dirname "$APP")/../../gone/characters/quornel.qchar'"
(cd / && exec "$APP" --user) >>"$LOGS/app.log" 2>&1 &
APP_PID=$!
check "the installed program, moved, reads aloud on start with the bundled character" \
    wait_for 30 speaking
check "... which appeared on the desktop" win UTILITY Quornel
close_box "$(main_window)"
check "the close box ends it" app_ends
