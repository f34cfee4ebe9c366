#!/bin/bash
# The settings dialogs on a real desktop: opened from the popup menu or the
# note, clicked and typed into, checked through the store, the window sizes,
# the main window's opacity and screenshots.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "${1:-}"

# opacity_is ID LEVEL: the window's opacity level; no property means 255.
opacity_is() { local v; v=$(win_opacity "$1"); [[ "${v:-255}" == "$2" ]]; }

menu_count_is() { [[ "$(menu_count)" == "$1" ]]; }
active_window_is() { [[ "$(xdotool getactivewindow 2>/dev/null)" == "$1" ]]; }

# choose_setting N: opens the popup menu with a click on Quornel and chooses
# the Nth item of "Settings" (0 "All Settings", 1 "Speech Settings",
# 2 "Transparent Settings") with the keyboard.
choose_setting() {
    local i
    click_at "$MAIN" 40 45
    wait_for 5 menu_open || return 1
    menu_keys Down Right
    wait_for 5 menu_count_is 2 || return 1
    for (( i = 0; i < $1; i++ )); do menu_keys Down; done
    menu_keys Return
    wait_for 5 menu_closed
}

# rmse A B: the normalised root-mean-square difference of two images, 0..1.
rmse() {
    local out
    out=$(compare -metric RMSE "$1" "$2" null: 2>&1) || true
    sed -n 's/.*(\([0-9.e-]*\)).*/\1/p' <<<"$out"
}
# rmse_below A B LIMIT
rmse_below() { awk -v e="$(rmse "$1" "$2")" -v l="$3" 'BEGIN { exit !(e != "" && e < l) }'; }
rmse_above() { awk -v e="$(rmse "$1" "$2")" -v l="$3" 'BEGIN { exit !(e != "" && e > l) }'; }

SHOTS="$E2E_DIR/shots"
mkdir -p "$SHOTS"

# shoot_main NAME: the picture part of the main window below the clock, away
# from the ticking clock and from the note, as $SHOTS/NAME.png.
shoot_main() {
    park_mouse
    screenshot "$SHOTS/screen.png" && crop "$SHOTS/screen.png" "$MAIN" 0 64 80 90 "$SHOTS/$1.png"
}

# The main window, shot now, shows the opaque picture blended half and half
# with what lies behind it.
main_blended_half() {
    shoot_main blended || return 1
    rmse_below "$SHOTS/blended.png" "$SHOTS/half.png" 0.03
}
main_looks_like() { shoot_main now && rmse_below "$SHOTS/now.png" "$SHOTS/$1.png" 0.01; }

# shoot_percent NAME: the percentage in the transparency dialog.
shoot_percent() {
    screenshot "$SHOTS/screen.png" && crop "$SHOTS/screen.png" "$TRANS" 172 96 30 17 "$SHOTS/$1.png"
}
percent_drawn() { shoot_percent now && (( $(image_colors "$SHOTS/now.png") > 2 )); }
percent_differs_from() { shoot_percent now && images_differ "$SHOTS/now.png" "$SHOTS/$1.png"; }
percent_equals() { shoot_percent now && images_equal "$SHOTS/now.png" "$SHOTS/$1.png"; }
main_differs_from() { shoot_main now && rmse_above "$SHOTS/now.png" "$SHOTS/$1.png" "$2"; }

desktop_start --no-audio
store_init
app_start
MAIN=$(app_window) || fail "no main window"
wait_for 10 window_viewable "$MAIN" || fail "the main window is not viewable"

# --- the rename dialog --------------------------------------------------------

note_before="$SHOTS/note-before.png"
screenshot "$SHOTS/screen.png"
crop "$SHOTS/screen.png" "$MAIN" 80 8 129 121 "$note_before"

click_at "$MAIN" 140 60   # the note
wait_for 10 window_titled "Rename Text" || fail "the rename dialog did not open"
RENAME=$(window_titled "Rename Text")
expect_eq "the rename dialog is 147 x 173 px" "147x173" "$(win_size "$RENAME")"

click_at "$RENAME" 60 60
xdotool key --clearmodifiers ctrl+a Delete
# An empty note leaves "Rename Text" disabled: a click does nothing.
click_at "$RENAME" 73 136
settle || fail "the main window did not answer"
check "an empty note cannot be renamed" window_viewable "$RENAME"
expect_eq "the stored note is untouched" "text:Milk, bread and a call to the bench." \
    "$(store_get Note Note)"

click_at "$RENAME" 60 60
xdotool type --delay 30 "Buy milk"
xdotool key --clearmodifiers Return
xdotool type --delay 30 "Call Anna"
screenshot "$SHOTS/rename-dialog.png"
click_at "$RENAME" 73 136   # "Rename Text"
check "\"Rename Text\" closes the dialog" wait_for 10 no_window_titled "Rename Text"
check "the two-line note is stored" wait_for 5 store_is Note Note $'text:Buy milk\nCall Anna'
park_mouse
note_after="$SHOTS/note-after.png"
screenshot "$SHOTS/screen.png"
crop "$SHOTS/screen.png" "$MAIN" 80 8 129 121 "$note_after"
check "the main window shows the new note" images_differ "$note_before" "$note_after"

# --- the options dialog -------------------------------------------------------

choose_setting 0 || fail "the menu did not offer \"All Settings\""
check "\"All Settings\" opens the options dialog" wait_for 10 window_titled "Settings"
OPTIONS=$(window_titled "Settings")
expect_eq "the options dialog is 258 x 182 px" "258x182" "$(win_size "$OPTIONS")"
choose_setting 0
settle || fail "the main window did not answer"
expect_eq "choosing it again opens no second copy" 1 "$(windows_titled "Settings")"

click_at "$OPTIONS" 23 40   # "Open Animation"
check "ticking \"Open Animation\" stores True" wait_for 5 store_is Note "Start Ani" "text:True"
click_at "$OPTIONS" 23 64   # "Close Animation"
check "ticking \"Close Animation\" stores True" wait_for 5 store_is Note "Close Ani" "text:True"
click_at "$OPTIONS" 23 40
check "unticking \"Open Animation\" stores False" wait_for 5 store_is Note "Start Ani" "text:False"
screenshot "$SHOTS/options-dialog.png"
check "the main window answers beside the options dialog" settle
close_window "$OPTIONS"
wait_for 10 no_window_titled "Settings" || fail "the options dialog did not close"

# --- the transparency dialog ----------------------------------------------------

shoot_main opaque
choose_setting 2 || fail "the menu did not offer \"Transparent Settings\""
check "\"Transparent Settings\" opens its dialog" wait_for 10 window_titled "Transparency Settings"
TRANS=$(window_titled "Transparency Settings")
# Away from the main window, so that screenshots of the main window show only
# the desktop behind it.
xdotool windowmove "$TRANS" 700 100
expect_eq "off, the dialog has its designed height" "319x96" "$(win_size "$TRANS")"
xdotool windowactivate "$MAIN"   # the main window comes forward
wait_for 5 active_window_is "$MAIN" || fail "the main window did not take the focus"
choose_setting 2
check "choosing it again brings the open dialog forward" wait_for 5 active_window_is "$TRANS"
settle || fail "the main window did not answer"
expect_eq "choosing it again opens no second copy" 1 "$(windows_titled "Transparency Settings")"

click_at "$TRANS" 15 16   # the check box
check "ticking stores Trans Enabled 1" wait_for 5 store_is Form "Trans Enabled" "integer:1"
check "on, the dialog grows to show the percentage" wait_for 5 window_has_size "$TRANS" 319 113
check "ticking alone leaves the main window opaque" opacity_is "$MAIN" 255
park_mouse
wait_for 5 percent_drawn || fail "the percentage row is not drawn"
shoot_percent pct-255
screenshot "$SHOTS/transparency-dialog.png"

click_at "$TRANS" 100 80   # the trough, left of the thumb: one large step
check "a click beside the thumb stores 247" wait_for 5 store_is Form "Trans Level" "text:247"
check "the main window takes level 247" wait_for 5 opacity_is "$MAIN" 247
for i in 1 2 3 4 5 6 7 8; do xdotool key --clearmodifiers Left; done   # eight small steps
check "eight arrow steps store 127" wait_for 5 store_is Form "Trans Level" "text:127"
check "the main window takes level 127" wait_for 5 opacity_is "$MAIN" 127

xdotool key --clearmodifiers Home
check "Home stores level 0" wait_for 5 store_is Form "Trans Level" "text:0"
check "the main window is wholly transparent" wait_for 5 opacity_is "$MAIN" 0
check "at level 0 the screen shows the desktop behind the main window" \
    wait_for 5 main_differs_from opaque 0.1
shoot_main behind
check "the percentage follows the level" wait_for 5 percent_differs_from pct-255
check "the dialog stays usable at level 0" window_viewable "$TRANS"

# The picture half and half with the desktop behind it: what level 127 must show.
convert "$SHOTS/opaque.png" "$SHOTS/behind.png" -evaluate-sequence mean "$SHOTS/half.png"
click_at "$TRANS" 150 80   # focus back on the bar (a large step up: 8)
wait_for 5 store_is Form "Trans Level" "text:8" || fail "the bar did not take the click"
xdotool key --clearmodifiers End
wait_for 5 store_is Form "Trans Level" "text:255"
park_mouse
check "the percentage reads alike at the same level" wait_for 5 percent_equals pct-255
for i in 1 2 3 4 5 6 7 8; do xdotool key --clearmodifiers Left; done
wait_for 5 store_is Form "Trans Level" "text:135"
xdotool key --clearmodifiers Page_Down
check "a large step down stores 127" wait_for 5 store_is Form "Trans Level" "text:127"
check "the screenshot shows the main window blended with the desktop" wait_for 5 main_blended_half
check "the main window stays usable while translucent" settle

click_at "$TRANS" 15 16   # untick
check "unticking stores Trans Enabled 0" wait_for 5 store_is Form "Trans Enabled" "integer:0"
check "unticking stores level 255" wait_for 5 store_is Form "Trans Level" "text:255"
check "unticking makes the main window opaque" wait_for 5 opacity_is "$MAIN" 255
check "unticking shrinks the dialog" wait_for 5 window_has_size "$TRANS" 319 96
check "the screenshot shows the opaque picture again" wait_for 5 main_looks_like opaque

# --- the speech settings dialog -----------------------------------------------------

choose_setting 1 || fail "the menu did not offer \"Speech Settings\""
check "\"Speech Settings\" opens its dialog" wait_for 10 window_titled "Speech Settings"
SPEECH=$(window_titled "Speech Settings")
choose_setting 1
settle || fail "the main window did not answer"
expect_eq "choosing it again opens no second copy" 1 "$(windows_titled "Speech Settings")"
click_at "$SPEECH" 15 25   # "Enable Speech"
check "ticking \"Enable Speech\" stores 1" wait_for 5 store_is Form "Speech Enabled" "integer:1"
click_at "$SPEECH" 15 120   # "Read notes on startup"
check "ticking \"Read notes on startup\" stores 1" wait_for 5 store_is Form "Read on Start" "integer:1"
click_at "$SPEECH" 15 25
check "unticking \"Enable Speech\" stores 0" wait_for 5 store_is Form "Speech Enabled" "integer:0"
check "... and the character None" wait_for 5 store_is Form "Agent Name" "text:None"
check "... and clears reading on start" wait_for 5 store_is Form "Read on Start" "integer:0"
screenshot "$SHOTS/speech-dialog.png"

# Choosing a character through the file dialog.
character="$E2E_DIR/owl.qchar"
printf 'not really a character\n' >"$character"
click_at "$SPEECH" 15 25
wait_for 5 store_is Form "Speech Enabled" "integer:1" || fail "speech did not switch on"
click_at "$SPEECH" 48 68   # "Load Agent"
file_dialog() {
    local w
    for w in $(app_windows); do
        [[ "$(window_type "$w")" == _NET_WM_WINDOW_TYPE_DIALOG ]] && { echo "$w"; return 0; }
    done
    return 1
}
no_file_dialog() { ! file_dialog >/dev/null; }
# Return accepts the typed name; a completion list open over the name takes
# the first Return itself.
accept_file_dialog() {
    no_file_dialog && return 0
    xdotool key --clearmodifiers Return
    return 1
}
check "\"Load Agent\" opens a file dialog" wait_for 10 file_dialog
xdotool type --delay 20 "$character"
wait_for 10 accept_file_dialog || fail "the file dialog did not take the name"
check "the chosen character is stored" wait_for 10 store_is Form "Agent Name" "text:$character"
check "no restart message while no character was loaded" settle
close_window "$SPEECH"
close_window "$TRANS"
wait_for 10 no_window_titled "Speech Settings" || fail "the speech dialog did not close"
wait_for 10 no_window_titled "Transparency Settings" || fail "the transparency dialog did not close"

# --- after a restart ------------------------------------------------------------

click_at "$MAIN" 40 45
wait_for 5 menu_open || fail "no menu for Exit"
menu_keys Up Return   # "Exit", the last item
check "Exit ends the program" app_wait_exit 15
app_start
MAIN=$(app_window) || fail "no main window after the restart"
wait_for 10 window_viewable "$MAIN"
park_mouse
note_restart="$SHOTS/note-restart.png"
screenshot "$SHOTS/screen.png"
crop "$SHOTS/screen.png" "$MAIN" 80 8 129 121 "$note_restart"
check "after a restart the main window shows the renamed note" \
    images_equal "$note_after" "$note_restart"
expect_eq "after a restart the store holds the note" $'text:Buy milk\nCall Anna' \
    "$(store_get Note Note)"
expect_eq "after a restart Close Ani is still True" "text:True" "$(store_get Note "Close Ani")"
