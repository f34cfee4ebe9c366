#!/bin/bash
# The opening animation at start-up, watched from outside the program: the
# roll grows the window from its caption bar to the full height, the fade
# raises its opacity to the stored level, and Exit while it plays stops it
# at once.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/watch.sh"
e2e_init "$1"
desktop_start --no-audio

# fade_shape LIST STORED: LIST (levels in order, the unset 255 of the first
# frames first) rises in steps of 15 to 240, then rests at STORED. (The last
# tick sets 255 and the stored level at once: 255 is not seen.)
fade_shape() {
    awk -v list="$1" -v stored="$2" 'BEGIN {
        n = split(list, l, ","); i = 1
        if (l[1] == 255) i = 2           # no level set before the first tick
        prev = 0
        for (; i < n; i++) { if (l[i] % 15 || l[i] <= prev) exit 1; prev = l[i] }
        exit !(prev >= 240 && l[n] == stored)
    }'
}

# --- The roll: "Trans Enabled" 0
store_init
store_set Note "Start Ani" "'True'"
watch_start roll
app_start
w=$(app_window)
check "the opening roll ends at the full height" wait_for 10 window_has_size "$w" 213 156
wait_for 5 watch_saw "$WATCH_FILE" 'h == 156'
watch_stop
eval "$(watch_summary "$WATCH_FILE")"
in_range "the window first shows as little more than its caption bar (px)" 1 "$first_h" 20
expect_eq "the roll ends exactly at the full client height" 156 "$final_h"
expect_eq "the roll never goes beyond the full height" 156 "$max_h"
expect_eq "the roll never shrinks the window" 0 "$downs"
in_range "distinct heights seen on the way" 40 "$heights" 157
in_range "the roll's length (ms)" 1300 $(( (t_full - t_first) / 1000 )) 6000
expect_eq "a roll sets no opacity" "255" "$level_list"
check "the window has grown at its stored place (now $(frame_pos "$w"))" frame_at "$w" 300 200
app_stop

# --- The fade: "Trans Enabled" 1, stored level 128
store_init
store_set Note "Start Ani" "'True'"
store_set Form "Trans Enabled" 1
store_set Form "Trans Level" "'128'"
watch_start fade
app_start
w=$(app_window)
check "the opening fade ends at the stored level" wait_for 10 watch_saw "$WATCH_FILE" 'level == 128'
watch_stop
eval "$(watch_summary "$WATCH_FILE")"
check "the levels rise by 15 to 240 and more, then rest at 128 ($level_list)" fade_shape "$level_list" 128
in_range "distinct levels seen" 6 "$levels" 19
expect_eq "the fade ends at the full client height" 156 "$final_h"
t_start=$(watch_samples "$WATCH_FILE" | awk '$3 < 255 { print $1; exit }')
in_range "the fade's length (ms)" 150 $(( (t_level_end - t_start) / 1000 )) 3000
check "the window stays translucent" eval '[[ "$(win_opacity "$w")" == 128 ]]'
app_stop

# --- Exit while the roll plays
store_init
store_set Note "Start Ani" "'True'"
store_set Note "Close Ani" "'True'"
watch_start exit
app_start
w=$(app_window)
wait_for 5 eval '(( $(win_geometry "$w" | cut -d" " -f4) >= 10 ))'
choose_main_item "$w" 1 || fail "could not choose Exit"
check "Exit during the opening ends the program" app_wait_exit 15
expect_eq "the program ends normally" 0 "${APP_STATUS:-running}"
check "the window is destroyed" wait_for 5 watch_gone "$WATCH_FILE"
watch_stop
# The heights: rising (the opening), then at once the full height (the
# closing roll's first step follows it within a few ms, so the watcher may
# see that step instead), then falling to the least height; no rise after
# Exit.
shape=$(watch_samples "$WATCH_FILE" | awk '$4 == 1 { print $2 }' | awk '
    BEGIN { phase = "open"; prev = 0 }
    phase == "open" && $1 >= 150 { phase = "close"; print "reached", prev; prev = $1; next }
    phase == "open" { if ($1 < prev) bad = 1; prev = $1; next }
    phase == "close" { if ($1 > prev) bad = 1; prev = $1; n++ }
    END { print "closing_steps", n + 0; print "last", prev; print "bad", bad + 0 }')
echo "$shape" | sed 's/^/  /'
reached=$(awk '$1 == "reached" { print $2 }' <<<"$shape")
[[ -n "$reached" ]] || reached=156
in_range "the opening had not finished when Exit came (px)" 1 "$reached" 150
expect_eq "after Exit the window only shrinks" 0 "$(awk '$1 == "bad" { print $2 }' <<<"$shape")"
in_range "distinct steps of the closing roll" 25 "$(awk '$1 == "closing_steps" { print $2 }' <<<"$shape")" 157
expect_eq "the closing roll ends at the least height" 1 "$(awk '$1 == "last" { print $2 }' <<<"$shape")"
