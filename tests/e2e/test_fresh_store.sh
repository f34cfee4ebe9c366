#!/bin/bash
# Started in an empty folder: a fresh store with every field and its default,
# and the main window as designed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "$1"
desktop_start

app_start
w=$(app_window)
store="$(store_path)"

# --- The store
check "the store file is created in the working folder" test -s "$store"
expect_eq "tables" "$(printf 'Form\nNote')" "$(store_tables)"
for f in "Left" "Top" "Hide/Show" "Clock Enabled" "Read on Start" "Speech Enabled" \
         "Agent Name" "Trans Enabled" "Trans Level"; do
    check "Form has the field \"$f\"" grep -qxF "$f" <<<"$(store_columns Form)"
done
for f in "Note" "Text Color" "Start Ani" "Close Ani"; do
    check "Note has the field \"$f\"" grep -qxF "$f" <<<"$(store_columns Note)"
done
expect_eq "one settings row" 1 "$(_sql 'SELECT count(*) FROM "Form"')"
expect_eq "one note row" 1 "$(_sql 'SELECT count(*) FROM "Note"')"

expect_eq "Hide/Show default" "text:Show" "$(store_get Form 'Hide/Show')"
expect_eq "Clock Enabled default" "integer:1" "$(store_get Form 'Clock Enabled')"
expect_eq "Read on Start default" "integer:0" "$(store_get Form 'Read on Start')"
expect_eq "Speech Enabled default" "integer:1" "$(store_get Form 'Speech Enabled')"
expect_eq "Trans Enabled default" "integer:0" "$(store_get Form 'Trans Enabled')"
expect_eq "Trans Level default" "text:255" "$(store_get Form 'Trans Level')"
agent=$(store_get Form 'Agent Name')
check "Agent Name is text: \"None\" or the full path of a character file ($agent)" \
    eval '[[ "$agent" == text:None || ( "$agent" == text:/*.qchar && -f "${agent#text:}" ) ]]'
expect_eq "Note default" "text:Click here to rename text." "$(store_get Note 'Note')"
check "Text Color is an integer colour" eval '[[ "$(store_get Note "Text Color")" =~ ^integer:[0-9]+$ ]]'
expect_eq "Start Ani default" "text:True" "$(store_get Note 'Start Ani')"
expect_eq "Close Ani default" "text:True" "$(store_get Note 'Close Ani')"
check "Left is a number" eval '[[ "$(store_get Form Left)" =~ ^(real|integer): ]]'
check "Top is a number" eval '[[ "$(store_get Form Top)" =~ ^(real|integer): ]]'

# --- The window (the opening animation runs first)
check "the window grows to a client area of 213 x 156" wait_for 15 window_has_size "$w" 213 156
expect_eq "caption" "Quornel Desktop Notes" "$(window_title "$w")"
check "no task-bar entry (_NET_WM_STATE_SKIP_TASKBAR)" wait_for 5 skip_taskbar "$w"
expect_eq "minimum and maximum size hints" "213 156 213 156" "$(size_hints "$w")"
check "the window manager offers no resizing" fixed_size "$w"
actions=$(allowed_actions "$w")
check "no resize or maximise action (allowed: $(echo $actions))" \
    eval '! grep -qE "^(RESIZE|MAXIMIZE_HORZ|MAXIMIZE_VERT|FULLSCREEN)$" <<<"$actions"'
check "the close action is offered" grep -qx CLOSE <<<"$actions"

# The default place: top-right of the screen's available area, all on screen,
# and the stored Left/Top are its outer corner in twips.
read -r fx fy fw fh <<<"$(frame_geometry "$w")"
check "the window lies near the top-right corner ($fx,$fy ${fw}x$fh)" \
    eval '(( fx >= 0 && fy >= 0 && fx + fw <= 1280 && fx + fw >= 1180 && fy <= 100 ))'
left=$(store_value Form Left); top=$(store_value Form Top)
check "stored Left/Top ($left, $top) are the frame corner ($fx, $fy) in twips" \
    eval 'awk -v l="$left" -v t="$top" -v x="$fx" -v y="$fy" "BEGIN { exit !(l == x * 15 && t == y * 15) }"'

# --- What it shows: not blank, the mascot, a ticking clock
screenshot "$E2E_DIR/window.png"
crop "$E2E_DIR/window.png" "$w" 0 0 213 156 "$E2E_DIR/client.png"
check "the window shows a picture (many colours)" eval '(( $(image_colors "$E2E_DIR/client.png") > 50 ))'
if [[ -n "${MASCOT:-}" ]]; then
    # Label3 is transparent and empty: the mascot shows there unchanged.
    check "the mascot is drawn unscaled from the client's corner" \
        region_matches_image "$E2E_DIR/window.png" "$w" 0 64 81 92 "$MASCOT"
fi
region_mark "$w" 8 8 57 25
check "the clock ticks" wait_for 4 region_changed "$w" 8 8 57 25

app_stop
