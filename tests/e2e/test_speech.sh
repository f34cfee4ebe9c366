#!/bin/bash
# SPDX-License-Identifier: MIT
# Reading aloud at the null sink: the voice gets ready while the menu is open
# and is given back when no reading is chosen; the character appears (frameless,
# on top, no task-bar entry); every reading is heard whole (the first, a queued
# pair, one on start and one after it; after "Hide": test_speaker). The
# installed program, its prefix moved away and started with --user from /, reads
# on start with the bundled character though the store names one that is gone.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start --audio
source "$(dirname "${BASH_SOURCE[0]}")/lib/listen.sh"

listen_to_note
app_start
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

# Under the compositor the window is whole, but once the balloon has gone it
# takes the mouse only where the character is, not in the space above it.
check "the character's empty parts let the mouse through" wait_for 10 balloon_gone

from=$(recorded)
menu 40 120 Down Down Return
wait_for 10 speaking || fail "the first of the pair did not start"
menu 40 120 Down Down Return   # while the first is still being read
reading "each of two readings queued one behind the other" two
check "after the character has spoken, Exit ends the program" exits

cmake --install "$(dirname "$APP")" --prefix "$E2E_DIR/installed" >/dev/null
mv "$E2E_DIR/installed" "$E2E_DIR/moved"
APP="$E2E_DIR/moved/bin/quornel-desktop-notes"
WORK="$XDG_DATA_HOME/quornel-desktop-notes"
mkdir -p "$WORK"
store_init
store_set Form "Read on Start" 1
speech_on "$(dirname "$APP")/../../gone/characters/quornel.qchar"
from=$(recorded)
(cd / && exec "$APP" --user) >>"$LOGS/app.log" 2>&1 &
APP_PID=$!
reading "the installed program, moved, reads on start with the bundled character: the reading"
check "... by a character on the desktop" win UTILITY Quornel
from=$(recorded)
menu 40 120 Down Down Return
reading "a reading after the one on start"
listen_stop
close_box "$(main_window)"
check "the close box ends it" app_ends
