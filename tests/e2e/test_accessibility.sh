#!/bin/bash
# SPDX-License-Identifier: MIT
# What a screen reader finds over a real accessibility bus (AT-SPI): the main
# window a frame and the editor a dialog, named; none of the hidden controls
# that keep the program's state; the character's window named, with what it
# says; and the note's click, done through AT-SPI, opens the editor. The test
# command runs it on the program as the Debian package installs it.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
command -v dbus-daemon >/dev/null || fail "missing: dbus-daemon"
desktop_start
_start dbus '[[ -s "$E2E_DIR/bus" ]]' \
    sh -c 'exec dbus-daemon --session --nofork --print-address=3 3>"$1"' dbus "$E2E_DIR/bus"
export DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$E2E_DIR/bus")"
_start atspi '[[ "$(dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus)" == *"boolean true"* ]]' \
    /usr/libexec/at-spi-bus-launcher --launch-immediately
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
atspi() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$APP_PID" "$@"; }
# seen LINE: the tree holds an object whose line (role|name|description|actions) begins so.
seen() { tree=$(atspi) && [[ $'\n'"$tree" =~ $'\n'\ *"$1" ]]; }

# The character reads the note at start; the bundled one lies where the
# package (or else the build) puts it.
character="$(dirname "$APP")/../share/quornel-desktop-notes/characters/quornel.qchar"
[[ -f "$character" ]] || character="$(dirname "$APP")/characters/quornel.qchar"
store_init
store_set Form "Read on Start" 1
store_set Form "Speech Enabled" 1
store_set Form "Agent Name" "'$character'"
app_start
check "the character's window is a frame named for it, saying the note" wait_for 20 seen \
    "frame|Quornel|You have the following notes: Milk, bread and a call to the bench.|"
wait_for 20 seen "frame|Quornel Desktop Notes||" || fail "the main window is not on the bus"
echo "$tree" >"$LOGS/tree.log"
check "the note offers its click as an action" seen "label|Note|Click or press F2 to change the note.|Press"
check "... and so does Quornel's picture" seen "image|Quornel|Click for the menu, or press the menu key or Shift+F10.|Press"
check "the clock is named" has "$tree" "label|Clock|"
for hidden in "|0|" "|Load|" "|Not Load|" "scroll bar|" "|Form5|" "dialog|Rename Text|"; do
    check "no hidden control or window is shown to a screen reader ($hidden)" test "${tree/"$hidden"/}" = "$tree"
done

atspi Note Press
check "the note's action opens the editor, a dialog" wait_for 10 seen "dialog|Rename Text||"
close_box "$(main_window)"
check "the close box ends the program" app_ends
