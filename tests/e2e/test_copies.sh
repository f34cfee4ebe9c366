#!/bin/bash
# SPDX-License-Identifier: MIT
# Starting the program: --help needs no display; --user keeps
# the note in the per-user store, --store in the file it names; one copy runs
# per store, and a second start brings it forward; a lock left by a copy that
# died is taken over.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"

out=$(env -u DISPLAY "$APP" --help)
check "--help lists the options without a display" has "$out" "--store <file>"

desktop_start
user_store="$XDG_DATA_HOME/quornel-desktop-notes/$STORE_NAME"
APP_ARGS=(--user)
app_start
check "--user makes the per-user store" test -s "$user_store"
wait_for 10 eval '[[ "$(wins UTILITY "$TITLE")" == *" 156" ]]' || fail "the opening did not end"
menu 72 40 Up Up Return
wait_for 10 main_hidden || fail "Hide did not hide the window"
status=0; (cd / && timeout 10 "$APP" --user) || status=$?
expect_eq "a second start on the same store ends at once, with status" 0 "$status"
check "... and the first copy comes back from the tray" wait_for 10 main_window

close_box "$(main_window)"
check "the close box ends the first copy" app_ends

# A lock whose process is gone (a copy that died) does not hold the store.
printf '99999999\nquornel-desktop-notes\n%s\n' "$(hostname)" >"$user_store.lock"
app_start
check "a stale lock is taken over" main_window
close_box "$(main_window)"
check "the close box ends it" app_ends

# --store keeps the note in the file it names, relative to the working folder.
mkdir "$E2E_DIR/elsewhere"
APP_ARGS=(--store "../elsewhere/my notes.save")
app_start
check "--store makes the store it names" test -s "$E2E_DIR/elsewhere/my notes.save"
status=0; (cd / && timeout 10 "$APP" --store "$E2E_DIR/elsewhere/my notes.save") || status=$?
expect_eq "a second start on that store, named another way, ends at once, with status" 0 "$status"
close_box "$(main_window)"
check "the close box ends it" app_ends
