#!/bin/bash
# SPDX-License-Identifier: MIT
# What a screen reader finds over a real accessibility bus (AT-SPI): the main
# window a frame and the editor a dialog, named; none of the hidden controls;
# the note and the clock named, offering their text; the note's click through
# AT-SPI opens the editor; the character's words are text in its window while
# it speaks. The editor closed by its close box leaves the menu a click away.
# The test command also runs it on the program as the Debian package installs it.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start
atspi_start

# The bundled character lies where the package (or else the build) puts it.
character="$(dirname "$APP")/../share/quornel-desktop-notes/characters/quornel.qchar"
[[ -f "$character" ]] || character="$(dirname "$APP")/characters/quornel.qchar"
store_init
speech_on "$character"
store_set Note "Start Ani" "'True'"   # it rolls open, as a fresh store has it
app_start
wait_for 20 seen "frame|Quornel Desktop Notes||" || fail "the main window is not on the bus"
echo "$tree" >"$LOGS/tree.log"
check "the note offers its text and its click" \
    seen "label|Note|Click or press F2 to change the note.|Press|Milk, bread and a call to the bench."
check "... and Quornel's picture its click" seen "image|Quornel|Click for the menu, or press the menu key or Shift+F10.|Press"
check "the clock offers the time as its text" eval '[[ "$tree" =~ "label|Clock|||"[0-9]+:[0-9]{2}:[0-9]{2} ]]'
for hidden in "|0|" "|Load|" "|Not Load|" "scroll bar|" "|Form5|" "dialog|Rename Text|"; do
    check "no hidden control or window is shown to a screen reader ($hidden)" test "${tree/"$hidden"/}" = "$tree"
done

atspi Note Press
check "the note's action opens the editor, a dialog" wait_for 10 seen "dialog|Rename Text||"
close_box "$(win UTILITY "Rename Text")"
menu 40 120 Down Down Return || fail "a click below the clock opened no menu"   # "Read Current Notes"
# The character's window (a frame named for it) and, in it, the label of its words.
balloon=$'  frame|Quornel|||\n    label|Speech balloon|||You have the following notes: Milk, bread and a call to the bench.'
check "while the character speaks its window holds its words as text" \
    wait_for 20 eval 'tree=$(atspi) && has "$tree" "$balloon"'
check "... until the balloon goes" wait_for 20 eval 'tree=$(atspi) && ! has "$tree" "Speech balloon"'

# The editor closed by its close box, then at once a click below the clock.
opened=0
for i in {1..20}; do
    click "$(main_window)" 150 40 && wait_for 10 win UTILITY "Rename Text" &&
        close_box "$(win UTILITY "Rename Text")" && click "$(main_window)" 40 120 &&
        wait_for 10 menus 1 && keys Escape && wait_for 10 menus 0 && opened=$((opened + 1))
done
expect_eq "the menu opens after the close box closed the editor (of 20)" 20 "$opened"

atspi Note Press
wait_for 10 win UTILITY "Rename Text" || fail "the editor did not open again"
close_box "$(main_window)"
check "the close box ends the program with the editor open" app_ends
