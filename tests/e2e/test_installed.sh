#!/bin/bash
# SPDX-License-Identifier: MIT
# The installed program on its own: installed into a prefix that is then
# moved away (as if the build folder were gone) and started with --user from
# /, it reads the note aloud on start with the bundled character, also when
# the store names that character at a place that is gone.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "$1"
cmake --install "$(dirname "$APP")" --prefix "$E2E_DIR/installed" >/dev/null
mv "$E2E_DIR/installed" "$E2E_DIR/moved"
APP="$E2E_DIR/moved/bin/quornel-desktop-notes"
desktop_start --audio

WORK="$XDG_DATA_HOME/quornel-desktop-notes"
mkdir -p "$WORK"
store_init
store_set Form "Speech Enabled" 1
store_set Form "Read on Start" 1
store_set Form "Agent Name" "'$(dirname "$APP")/../../gone/characters/quornel.qchar'"
(cd / && exec "$APP" --user) >>"$LOGS/app.log" 2>&1 &
APP_PID=$!
_record "$APP_PID"
speaking() { local s; s=$(pactl list short sink-inputs) && [[ -n "$s" ]]; }
check "the installed program, moved, reads aloud on start with the bundled character" \
    wait_for 30 speaking
check "... which appeared on the desktop" win UTILITY Quornel
close_box "$(main_window)"
check "the close box ends it" app_ends
