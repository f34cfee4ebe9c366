#!/bin/bash
# A desktop without a notification area: the window is never stranded. It
# starts shown even when "Hide" is stored, and "Hide Quornel Desktop Notes"
# is disabled.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/watch.sh"
e2e_init "$1"
desktop_start --no-audio --no-tray

store_init
store_set Form "Hide/Show" "'Hide'"
store_set Note "Close Ani" "'True'"
app_start
w=$(app_window)
check "with \"Hide\" stored the window starts shown" window_viewable "$w"
check "at its full height" window_has_size "$w" 213 156

# Click "Hide Quornel Desktop Notes" (the third of the menu's four entries)
# with the mouse: a disabled entry keeps the menu open and runs nothing.
click_at "$w" 72 4
wait_for 5 menu_open || fail "the menu did not open"
menu=$(app_menus | head -n 1)
read -r _ _ mw mh < <(win_geometry "$menu")
watch_start hide --id "$w"
# Once the program has taken the click (it notes the click's time on the
# menu), an enabled entry would have closed the menu and hidden the window.
check "the click on Hide is taken" handles_clicks "$menu" $(( mw / 2 )) $(( mh * 5 / 8 ))
check "the menu stays open after the click on Hide" menu_open
menu_keys Escape
check "Escape closes the menu" wait_for 5 menu_closed
check "the window still answers clicks after the click on Hide" handles_clicks "$w" 72 4
wait_for 5 menu_open && menu_keys Escape && wait_for 5 menu_closed
watch_stop
eval "$(watch_summary "$WATCH_FILE")"
expect_eq "the window never rolled up or hid" "156 156 1" "$min_h $max_h $final_viewable"
check "the window is still shown" window_viewable "$w"
expect_eq "nothing was stored" "text:Hide" "$(store_get Form Hide/Show)"
expect_eq "no notification area appeared" "" "$(tray_panels)"
