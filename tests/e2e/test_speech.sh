#!/bin/bash
# SPDX-License-Identifier: MIT
# Reading aloud at the null sink: the voice gets ready while the menu is open
# and is given back when no reading is chosen; the character appears (frameless, on top, no
# task-bar entry), and every reading is heard whole, for about as long as the
# voice itself takes: the first, one after a finished reading, a pair queued one
# behind the other, one after the character was put away with its menu's
# "Hide", a reading on start and one after it. After it has spoken,
# Exit still ends the program. The installed program, its prefix moved away (as
# if the build folder were gone) and started with --user from /, reads aloud on
# start with the bundled character, also when the store names that character at
# a place that is gone.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start --audio

speaking() { local s; s=$(pactl list short sink-inputs) && [[ -n "$s" ]]; }
silent() { ! speaking; }
rec="$E2E_DIR/recording.wav"   # 22050 samples of 2 bytes a second, after a 44-byte header
recorded() { echo $((($(stat -c %s "$rec") - 44) / 2)); }   # samples so far
grown() { (($(recorded) > $1)); }

# sound FILE FROM TO [ONE]: the seconds of sound between these samples of FILE.
# With ONE (the samples of one reading) there are two readings in it, each
# printed: they are parted at the pause nearest to ONE after the first sound.
sound() {
    dd if="$1" bs=64K iflag=skip_bytes,count_bytes skip=$((44 + $2 * 2)) count=$((($3 - $2) * 2)) \
        status=none | od -An -v -td2 -w2 |
        awk -v one="${4:-0}" 'function flush() { if (peak > 164) loud[n] = 1; n++; peak = 0; k = 0 }
            { v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v; if (++k == 220) flush() }
            END {
                for (i = 0; i < n; i++) if (i in loud) { if (first == "") first = i; last = i }
                if (first == "") { print 0; exit }
                if (!one) { printf "%.2f\n", (last - first + 1) / 100; exit }
                best = -1
                for (i = first; i <= last; i++) {   # pauses of 50 ms or more
                    if (i in loud) continue
                    for (j = i; !(j in loud); j++) {}
                    if (j - i >= 5) {
                        d = i - first - one / 220; d = d < 0 ? -d : d
                        if (best < 0 || d < best) { best = d; from = i; to = j }
                    }
                    i = j
                }
                if (best < 0) { printf "%.2f 0\n", (last - first + 1) / 100; exit }
                printf "%.2f %.2f\n", (from - first) / 100, (last - to + 1) / 100
            }'
}
whole() { awk -v h="$1" -v e="$expected" 'BEGIN { exit !(h > e * 0.8 && h < e * 1.2) }'; }

# reading WHAT [TWO]: waits for the reading started at sample $from to be
# heard to its end, then checks that it lasted as long as the voice takes
# (TWO: a pair, each of the two).
reading() {
    wait_for 20 speaking || fail "$1: no sound stream was opened"
    wait_for 60 silent || fail "$1: the character did not finish speaking"
    local to; to=$(recorded)
    wait_for 10 grown $((to + 11025)) || fail "the recording stopped"   # the sink's last half second
    local heard h; heard=$(sound "$rec" "$from" "$((to + 11025))" ${2:+"$one"})
    for h in $heard; do
        check "$1 is heard whole ($h s of the voice's $expected s)" whole "$h"
    done
}

store_init
store_set Form "Speech Enabled" 1
store_set Form "Agent Name" "'$(dirname "$APP")/characters/quornel.qchar'"
note=$(store "SELECT Note FROM Note")
espeak-ng -v en-us -s 165 -p 50 -w "$E2E_DIR/expected.wav" "You have the following notes: $note"
one=$(($(stat -c %s "$E2E_DIR/expected.wav") / 2 - 22))
expected=$(sound "$E2E_DIR/expected.wav" 0 "$one")

# Small fragments: the file keeps up with the sink (by default it grows in seconds-long steps).
parecord -d nullsink.monitor --rate=22050 --channels=1 --format=s16le --file-format=wav \
    --latency-msec=20 "$rec" &
recorder=$!
_record "$recorder"
wait_for 20 grown 0 || fail "the recording of the null sink did not start"
app_start
# The voice gets ready while the menu that reads aloud is open, and is given
# back after the quiet period when no reading is chosen.
speaker() { pgrep -P "$APP_PID" -x quornel-speaker >/dev/null; }
menu 40 120 Escape
check "opening the menu readies the voice" wait_for 5 speaker
check "... which is given back when no reading follows" wait_for 25 eval '! speaker'
from=$(recorded)
menu 40 120 Down Down Return   # "Read Current Notes"
wait_for 20 win UTILITY Quornel || fail "the character did not appear"
reading "the first reading"
read -r ch fx fy x y _ <<<"$(wins UTILITY Quornel)"
expect_eq "the character has no frame" "$fx $fy" "$x $y"
state=$(xprop -id "$ch" _NET_WM_STATE)
check "it stays on top" has "$state" _NET_WM_STATE_ABOVE
check "it has no task-bar entry" has "$state" _NET_WM_STATE_SKIP_TASKBAR

from=$(recorded)
menu 40 120 Down Down Return
reading "a reading after a finished one"
# Under the compositor the window is whole, but once the balloon has gone it
# takes the mouse only where the character is, not in the space above it.
read -r _ _ _ _ _ _ chh <<<"$(wins UTILITY Quornel)"
takes_little() { local h; h=$("$XPROBE" input "$ch") && ((h < chh * 3 / 4)); }
check "the character's empty parts let the mouse through (it takes $("$XPROBE" input "$ch") of $chh px)" \
    wait_for 10 takes_little
read -r _ _ _ _ _ cw _ <<<"$(wins UTILITY Quornel)"
xdotool mousemove --window "$ch" $((cw / 2)) $((chh - 60)) click 3 && wait_for 10 menus 1 && keys Down Return
check "\"Hide\" on the character's right-click menu puts it away" wait_for 5 eval '! win UTILITY Quornel'
from=$(recorded)
menu 40 120 Down Down Return
check "the next reading brings it back" wait_for 20 win UTILITY Quornel
reading "a reading after the character was put away"

from=$(recorded)
menu 40 120 Down Down Return
wait_for 10 speaking || fail "the first of the pair did not start"
menu 40 120 Down Down Return   # while the first is still being read
reading "each of two readings queued one behind the other" two
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
from=$(recorded)
(cd / && exec "$APP" --user) >>"$LOGS/app.log" 2>&1 &
APP_PID=$!
reading "the installed program, moved, reads on start with the bundled character: the reading"
check "... by a character on the desktop" win UTILITY Quornel
from=$(recorded)
menu 40 120 Down Down Return
reading "a reading after the one on start"
kill -INT "$recorder" && wait "$recorder" || true
close_box "$(main_window)"
check "the close box ends it" app_ends
