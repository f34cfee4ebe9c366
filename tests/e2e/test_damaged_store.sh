#!/bin/bash
# SPDX-License-Identifier: MIT
# A store that is not a note store: a message box instead of the window, OK
# ends the program, and the file stays byte for byte as it was. (What the box
# says is checked in process: Qt lets no other program read it on X11.)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "$1"
desktop_start

store_init
printf 'NOT A NOTE STORE' | dd of="$WORK/$STORE_NAME" bs=1 conv=notrunc status=none
cp "$WORK/$STORE_NAME" "$E2E_DIR/original"
app_start --no-wait
check "a message box appears" wait_for 20 win DIALOG "$TITLE"
check "and no main window" main_hidden
xdotool windowactivate --sync "$(win DIALOG "$TITLE")" key --clearmodifiers Return
check "OK ends the program" app_ends 1
check "the file is byte for byte as it was" cmp "$E2E_DIR/original" "$WORK/$STORE_NAME"
