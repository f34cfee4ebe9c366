#!/bin/bash
# The popup menu: where a click opens it, "Show Clock", "Exit" and the close
# button.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "$1"
desktop_start --no-audio

# choose_show_clock ID: opens the menu on the background and picks
# Settings > "Show Clock" (the fifth entry of the submenu).
choose_show_clock() {
    click_at "$1" 72 40 && wait_for 5 menu_open || return 1
    menu_keys Down Right
    wait_for 5 eval '(( $(menu_count) == 2 ))' || return 1
    menu_keys Down Down Down Down Return
    wait_for 5 menu_closed
}

store_init
app_start
w=$(app_window)

# --- Where a click opens the menu
click_at "$w" 72 40
check "a click on the background opens the menu" wait_for 5 menu_open
menu_keys Escape
check "Escape closes it" wait_for 5 menu_closed
click_at "$w" 150 145
check "a click on the background below the note opens the menu" wait_for 5 menu_open
menu_keys Escape; wait_for 5 menu_closed
click_at "$w" 40 120
check "a click below the clock (Label3) opens the menu" wait_for 5 menu_open
menu_keys Escape; wait_for 5 menu_closed

# A click on the clock opens nothing. Proof that the click was handled: a
# later move over the background has been handled (it wrote the place), so a
# menu opened by the click would be open by now.
store_set Form Left -7.0
click_at "$w" 20 15
move_mouse_over "$w" 3 3
check "after a click on the clock the window still gets the mouse" \
    wait_for 5 eval '[[ "$(store_get Form Left)" != "real:-7.0" ]]'
expect_eq "a click on the clock opens no menu" 0 "$(menu_count)"
menu_keys Escape

# --- Settings > "Show Clock" hides the clock and stores 0, then 1
choose_show_clock "$w" || fail "could not choose Settings > Show Clock"
check "\"Show Clock\" stores 0" wait_for 5 eval '[[ "$(store_get Form "Clock Enabled")" == integer:0 ]]'
if [[ -n "${MASCOT:-}" ]]; then
    check "\"Show Clock\" hides the clock" wait_for 5 eval 'screenshot "$E2E_DIR/c.png" && clock_hidden "$w" "$E2E_DIR/c.png"'
fi
choose_show_clock "$w" || fail "could not choose Settings > Show Clock again"
check "\"Show Clock\" again stores 1" wait_for 5 eval '[[ "$(store_get Form "Clock Enabled")" == integer:1 ]]'
region_mark "$w" 8 8 57 25
check "the clock shows and ticks again" wait_for 4 region_changed "$w" 8 8 57 25

# --- "Exit", the last entry, ends the program
click_at "$w" 72 40
wait_for 5 menu_open || fail "the menu did not open"
menu_keys Down Down Down Down Return
check "\"Exit\" ends the program" app_wait_exit 15
expect_eq "the program ends normally" 0 "${APP_STATUS:-running}"
check "the clock's state survived" eval '[[ "$(store_get Form "Clock Enabled")" == integer:1 ]]'

# --- The window's close button ends it too
app_start
w=$(app_window)
close_window "$w"
check "the close button ends the program" app_wait_exit 15
expect_eq "the program ends normally after the close button" 0 "${APP_STATUS:-running}"
