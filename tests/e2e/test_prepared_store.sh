#!/bin/bash
# Started on a prepared store: place, clock, note colour and hidden start
# follow the stored values, including the unusual ones.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "$1"
desktop_start

# settings_menu_shot ID OUT: opens the menu and its "Settings" submenu,
# pictures both, and closes them.
settings_menu_shot() {
    click_at "$1" 72 40 && wait_for 5 menu_open || return 1
    menu_keys Down Right
    wait_for 5 eval '(( $(menu_count) == 2 ))' || return 1
    menus_shot "$2"
    menu_keys Escape Escape
    wait_for 5 menu_closed
}


# --- Position, clock off, note colour
store_init
store_set Form Left 3000.0          # 200 px
store_set Form Top 2250.0           # 150 px
store_set Form "Clock Enabled" 0
store_set Note "Text Color" 255     # 0x0000FF: pure red
store_set Note Note "'Buy paint: red, RED and more red.'"
app_start
w=$(app_window)
check "client area 213 x 156 at once (no opening animation)" window_has_size "$w" 213 156
check "the window's outer corner is at the stored Left/Top (200, 150)" wait_for 5 frame_at "$w" 200 150
screenshot "$E2E_DIR/clock0.png"
if [[ -n "${MASCOT:-}" ]]; then
    check "\"Clock Enabled\" 0 hides the clock" clock_hidden "$w" "$E2E_DIR/clock0.png"
fi
crop "$E2E_DIR/clock0.png" "$w" 80 8 129 121 "$E2E_DIR/note.png"
red=$(count_color "$E2E_DIR/note.png" FF0000)
check "the note is drawn in the stored colour ($red pure red pixels)" eval '(( red >= 20 ))'
expect_eq "starting changes no stored value" "integer:0" "$(store_get Form 'Clock Enabled')"
settings_menu_shot "$w" "$E2E_DIR/menu-clock0.png"
app_stop

# --- With the opening animation the window grows at the stored place
store_set Note "Start Ani" "'True'"
app_start
w=$(app_window)
check "the opening animation ends at a client area of 213 x 156" wait_for 15 window_has_size "$w" 213 156
check "after the opening animation the outer corner is at the stored place (200, 150) (now $(frame_pos "$w"))" \
    frame_at "$w" 200 150
store_set Note "Start Ani" "'False'"
app_stop

# --- "Clock Enabled" 2 and 1 show the clock
for v in 2 1; do
    store_set Form "Clock Enabled" "$v"
    app_start
    w=$(app_window)
    region_mark "$w" 8 8 57 25
    check "\"Clock Enabled\" $v shows a ticking clock" wait_for 4 region_changed "$w" 8 8 57 25
    if [[ -n "${MASCOT:-}" ]]; then
        check "\"Clock Enabled\" $v: the clock is drawn over the mascot" \
            eval '! clock_hidden "$w" "$E2E_DIR/now.png"'
    fi
    expect_eq "\"Clock Enabled\" $v stays as it was" "integer:$v" "$(store_get Form 'Clock Enabled')"
    settings_menu_shot "$w" "$E2E_DIR/menu-clock$v.png"
    app_stop
done
check "the menu's \"Show Clock\" looks the same for \"Clock Enabled\" 2 and 1 (checked)" \
    images_equal "$E2E_DIR/menu-clock2.png" "$E2E_DIR/menu-clock1.png"
check "the menu's \"Show Clock\" differs for \"Clock Enabled\" 0 (unchecked)" \
    images_differ "$E2E_DIR/menu-clock0.png" "$E2E_DIR/menu-clock1.png"

# --- "Hide/Show": "Hide" starts in the tray, any other spelling shown
store_set Form "Hide/Show" "'Hide'"
app_start --no-wait
check "\"Hide\": the tray icon is docked in the tray" wait_for 15 tray_icon_window
check "\"Hide\": no main window is shown" eval '! app_window >/dev/null'
check "\"Hide\": the program runs" app_running
app_stop

store_set Form "Hide/Show" "'hide'"
app_start
check "\"hide\" (lower case) starts shown" app_window
check "\"hide\": no tray icon" no_tray_icon
app_stop

# --- Without a notification area the window is never stranded
desktop_stop
desktop_start --no-tray --no-audio
store_set Form "Hide/Show" "'Hide'"
app_start --no-wait
check "\"Hide\" without a tray starts shown" wait_for 20 app_window
app_stop
