#!/bin/bash
# Hiding to the tray and coming back, watched from outside the program: the
# closing roll or fade plays before the window hides and its icon docks in
# the tray; a click on the real icon brings the window back with the opening
# roll or fade and takes the icon out; "Hide/Show" follows each.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/watch.sh"
e2e_init "$1"
desktop_start --no-audio

height_of() { win_geometry "$1" | cut -d' ' -f4; }

# painted_while_rolling ID: while the window rolls open, a screenshot shows
# the mascot picture in the top rows of its client area (not an empty
# window). Judges only screenshots taken while the window was between 10 px
# and the full height.
painted_while_rolling() {
    local w="$1" i before after judged=0
    for (( i = 0; i < 40; i++ )); do
        before=$(height_of "$w") || return 1
        screenshot "$E2E_DIR/rolling.png"
        after=$(height_of "$w") || return 1
        (( after >= 156 && judged == 0 && i > 0 )) && break
        if (( before >= 10 && after < 156 )); then
            judged=1
            region_matches_image "$E2E_DIR/rolling.png" "$w" 0 0 6 6 "$MASCOT" && return 0
            cp "$E2E_DIR/rolling.png" "$E2E_DIR/rolling-unpainted-$i.png"
        fi
        (( after >= 156 )) && break
    done
    (( judged )) || e2e_log "no screenshot fell inside the roll"
    return 1
}

# --- Roll: "Close Ani" and "Start Ani" "True", "Trans Enabled" 0
store_init
store_set Note "Start Ani" "'True'"
store_set Note "Close Ani" "'True'"
app_start
w=$(app_window)
wait_for 10 window_has_size "$w" 213 156 || fail "the opening roll did not end"
place=$(frame_geometry "$w")

watch_start hide-roll --id "$w"
choose_main_item "$w" 2 || fail "could not choose Hide"
check "the icon docks in the tray" wait_for 10 tray_icon_window
check "\"Hide\" is stored" wait_for 5 store_is Form Hide/Show text:Hide
check "the window is hidden" wait_for 5 eval '! window_viewable "$w"'
wait_for 5 watch_saw "$WATCH_FILE" 'viewable == 0'
watch_stop
eval "$(watch_summary "$WATCH_FILE")"
in_range "distinct heights of the closing roll" 25 "$heights" 157
expect_eq "the closing roll only shrinks the window" 0 "$ups"
expect_eq "the window hides only after it has rolled up (px)" 1 "$h_at_hide"
in_range "the closing roll's length (ms)" 200 $(( (t_h_end - t_first) / 1000 )) 5000

watch_start show-roll --id "$w"
click_tray_icon || fail "no tray icon to click"
check "the window rolls open painted" painted_while_rolling "$w"
check "the window comes back at the full height" wait_for 10 window_has_size "$w" 213 156
check "the icon leaves the tray" wait_for 10 no_tray_icon
check "\"Show\" is stored" wait_for 5 store_is Form Hide/Show text:Show
wait_for 5 watch_saw "$WATCH_FILE" 'viewable == 1 && h == 156'
watch_stop
eval "$(watch_summary "$WATCH_FILE")"
in_range "the window comes back from its caption bar (px)" 1 "$first_h" 30
in_range "distinct heights of the opening roll" 25 "$heights" 157
expect_eq "the opening roll only grows the window" 0 "$downs"
expect_eq "it ends at the full height" 156 "$final_h"
expect_eq "the window is back where it was" "$place" "$(frame_geometry "$w")"
app_stop

# --- Fade: "Trans Enabled" 1 at level 200
store_init
store_set Note "Start Ani" "'True'"
store_set Note "Close Ani" "'True'"
store_set Form "Trans Enabled" 1
store_set Form "Trans Level" "'200'"
app_start
w=$(app_window)
wait_for 10 eval '[[ "$(win_opacity "$w")" == 200 ]]' || fail "the opening fade did not end at 200"

watch_start hide-fade --id "$w"
choose_main_item "$w" 2 || fail "could not choose Hide"
check "the icon docks in the tray after the fade" wait_for 10 tray_icon_window
check "\"Hide\" is stored after the fade" wait_for 5 store_is Form Hide/Show text:Hide
wait_for 5 watch_saw "$WATCH_FILE" 'viewable == 0'
watch_stop
eval "$(watch_summary "$WATCH_FILE")"
echo "  levels while fading out: $level_list"
in_range "distinct levels of the fade-out" 6 "$levels" 19
# It starts from the level its counter holds (255 after the opening fade),
# not from the resting level 200.
check "the fade-out steps down by 15 from 240 to 0" awk -v list="$level_list" 'BEGIN {
    n = split(list, l, ","); if (l[1] != 200 || l[2] != 240 || l[n] != 0) exit 1
    for (i = 3; i <= n; i++) if (l[i] % 15 || l[i] >= l[i - 1]) exit 1 }'

expect_eq "the window hides only after it has faded out" 0 "$level_at_hide"
expect_eq "the fade keeps the full height" "156 156" "$min_h $max_h"

watch_start show-fade --id "$w"
click_tray_icon || fail "no tray icon to click"
check "the window fades back in to the stored level" wait_for 10 watch_saw "$WATCH_FILE" 'viewable == 1 && level == 200'
check "the icon leaves the tray after the fade" wait_for 10 no_tray_icon
check "\"Show\" is stored after the fade" wait_for 5 store_is Form Hide/Show text:Show
watch_stop
eval "$(watch_summary "$WATCH_FILE")"
echo "  levels while fading in: $level_list"
in_range "distinct levels of the fade-in" 6 "$levels" 19
check "the fade-in steps up by 15 to 240 or 255, then rests at 200" awk -v list="$level_list" 'BEGIN {
    n = split(list, l, ","); if (l[n] != 200 || l[n - 1] < 240) exit 1
    for (i = 2; i < n; i++) if (l[i] % 15 || l[i] <= l[i - 1]) exit 1 }'

expect_eq "it rests at the stored level" 200 "$final_level"
expect_eq "it keeps the full height" 156 "$final_h"
app_stop

# --- No animations: the window comes back exactly as it was hidden
store_init
store_set Note "Start Ani" "'False'"
store_set Note "Close Ani" "'False'"
app_start
w=$(app_window)
wait_for 10 window_has_size "$w" 213 156
place=$(frame_geometry "$w")
level=$(win_opacity "$w")
watch_start still --id "$w"
choose_main_item "$w" 2 || fail "could not choose Hide"
check "without animation the icon docks" wait_for 10 tray_icon_window
check "without animation \"Hide\" is stored" wait_for 5 store_is Form Hide/Show text:Hide
click_tray_icon || fail "no tray icon to click"
check "the window comes back" wait_for 10 window_viewable "$w"
check "without animation the icon leaves" wait_for 10 no_tray_icon
check "without animation \"Show\" is stored" wait_for 5 store_is Form Hide/Show text:Show
expect_eq "the window is back exactly where and as large as it was" "$place" "$(frame_geometry "$w")"
expect_eq "and as opaque" "$level" "$(win_opacity "$w")"
watch_stop
eval "$(watch_summary "$WATCH_FILE")"
expect_eq "no height but the full one was seen" "156 156" "$min_h $max_h"
expect_eq "no level but opaque was seen" "255" "$level_list"
app_stop

# --- Starting hidden: "Hide/Show" "Hide" with a tray on the desktop
store_init
store_set Form "Hide/Show" "'Hide'"
app_start --no-wait
check "a window stored hidden starts as an icon in the tray" wait_for 20 tray_icon_window
expect_eq "and with no window shown" "" "$(app_window || true)"
click_tray_icon || fail "no tray icon to click"
check "a click on the icon shows the window" wait_for 10 app_window
check "the icon leaves the tray after start-up hidden" wait_for 10 no_tray_icon
check "\"Show\" is stored after start-up hidden" wait_for 5 store_is Form Hide/Show text:Show
