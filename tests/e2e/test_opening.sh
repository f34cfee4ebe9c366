#!/bin/bash
# SPDX-License-Identifier: MIT
# The opening animation seen from outside: the roll grows the window from
# little more than its caption bar to the full client height at its stored
# place; the fade ends at the stored level, and the window shows translucent.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start

# shade FILE X Y: the mean brightness of the plain picture below the clock of
# a client area at X Y.
shade() { convert "$1" -crop "80x90+$2+$(($3 + 64))" -format '%[fx:mean]' info:; }

store_init
store_set Note "Start Ani" "'True'"
watch_start
app_start
check "the roll ends at the full client height at the stored place" wait_for 10 main_at 300 200 156
watch_stop
eval "$(watch_facts)"
in_range "it starts from little more than the caption bar (px)" 1 "$first_h" 20
expect_eq "it grows, never shrinks" 0 "$downs"
in_range "distinct heights seen on the way" 40 "$heights" 156
expect_eq "it ends exactly at the full client height" "156 156" "$max_h $final_h"
expect_eq "the frame stays at the stored corner all the way" "300,200" "$places"
exits || fail "Exit did not end the program"

store_set Form "Trans Enabled" 1
store_set Form "Trans Level" "'128'"
watch_start
app_start
check "the fade ends at the stored level" wait_for 10 watch_saw 'level == 128'
watch_stop
eval "$(watch_facts)"
expect_eq "the fade does not roll: it keeps the full height once it has it" "0 156" "$downs $max_h"
in_range "heights seen (at most the collapsed caption bar before the first step, and the full one)" \
    1 "$heights" 2
read -r _ _ _ x y _ <<<"$(wins UTILITY "$TITLE")"
import -window root "$E2E_DIR/fade.png"
share=$(awk -v w="$(shade "$E2E_DIR/fade.png" "$x" "$y")" -v p="$(shade "$MASCOT" 0 0)" \
    -v d="$(shade "$E2E_DIR/fade.png" 0 0)" 'BEGIN { printf "%d", 100 * (w - d) / (p - d) }')
in_range "the picture shows through half and half with the desktop (% picture)" 45 "$share" 55
exits || fail "Exit did not end the program"
