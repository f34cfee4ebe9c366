#!/bin/bash
# Reading the note aloud on a desktop with a sound server: the character
# appears, says the note (recorded from the null sink) and can be dragged;
# start-up reads once; the warning and a damaged file give a message box.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "${1:-}"

SHOTS="$E2E_DIR/shots"
mkdir -p "$SHOTS"

character_windows() { windows_titled Quornel; }
character_shown() { (( $(character_windows) == 1 )); }
window_at() { [[ "$(win_geometry "$1" | awk '{ print $1, $2 }')" == "$2" ]]; }
message_box_shown() { app_dialog "$MAIN_TITLE" >/dev/null; }

main_opened() { [[ "$(win_size "$MAIN")" == 213x156 ]]; }

# read_notes: "Read Current Notes", the second item of the popup menu.
read_notes() {
    click_at "$MAIN" 40 45
    wait_for 5 menu_open || return 1
    menu_keys Down Down Return
    wait_for 5 menu_closed
}

# A recording of the null sink: 22050 Hz, mono, 16 bits, 44100 bytes a second.
wav_bytes() { stat -c %s "$1" 2>/dev/null || echo 0; }
record_start() {   # FILE
    RECORDING="$1"
    _start_piece parecord 20 "(( \$(wav_bytes '$1') > 44 ))" -- \
        parecord -d nullsink.monitor --rate=22050 --channels=1 --format=s16le \
            --file-format=wav "$1"
    RECORDER=${E2E_PIDS[-1]}
    RECORD_MARK=$(wav_bytes "$1")
}
# record_until SECONDS: waits until the recording holds SECONDS more than at
# its start (or at the last call), then stops it.
recorded_past() { (( $(wav_bytes "$RECORDING") > $1 )); }
record_until() {
    local want=$(awk -v m="$RECORD_MARK" -v s="$1" 'BEGIN { printf "%d", m + s * 44100 }')
    wait_for $(( ${1%.*} + 20 )) recorded_past "$want" || return 1
    _stop_pid "$RECORDER" parecord
}
rms_of() { sox "$1" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }'; }
# sounding_of FILE: seconds from the first to the last sound.
sounding_of() {
    sox "$1" -n silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse stat 2>&1 \
        | awk '/Length \(seconds\)/ { print $3 }'
}
louder_than() { awk -v r="$1" -v l="$2" 'BEGIN { exit !(r > l) }'; }
# about SECONDS EXPECTED: within a fifth of the expected length.
about() { awk -v s="$1" -v e="$2" 'BEGIN { exit !(s > e * 0.8 && s < e * 1.2) }'; }

desktop_start

# --- a fresh store: "Read Current Notes" --------------------------------------

app_start
MAIN=$(app_window) || fail "no main window"
wait_for 10 main_opened || fail "the main window did not open"
agent=$(store_value Form "Agent Name")
check "a fresh store names the bundled character" test -f "$agent"
expect_eq "... which is Quornel" quornel.qchar "$(basename "$agent")"

# The voice the character has, speaking the same text, gives the length the
# recording should have.
spoken="You have the following notes: $(store_value Note Note)"
espeak-ng -v en-us -s 165 -p 50 -w "$E2E_DIR/expected.wav" "$spoken"
expected=$(sounding_of "$E2E_DIR/expected.wav")

record_start "$E2E_DIR/first.wav"
read_notes || fail "the menu did not offer \"Read Current Notes\""
check "Quornel appears" wait_for 20 character_shown
CHARACTER=$(window_titled Quornel)
check "the character window has no task-bar entry" skip_taskbar "$CHARACTER"
check "... and stays on top" sh -c "xprop -id $CHARACTER _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE"
# The balloon above the character, while it speaks: text on its paper, and
# the word being spoken marked in yellow (#FFD640).
balloon_drawn() {
    screenshot "$SHOTS/screen.png" && crop "$SHOTS/screen.png" "$CHARACTER" 0 0 240 70 "$SHOTS/balloon.png" \
        && (( $(image_colors "$SHOTS/balloon.png") > 100 )) \
        && convert "$SHOTS/balloon.png" -format %c histogram:info: | grep -qi 'FFD640'
}
check "the balloon shows the words, the spoken one marked" wait_for 10 balloon_drawn
record_until "$(awk -v e="$expected" 'BEGIN { print e + 3 }')" || fail "the recording stalled"
rms=$(rms_of "$RECORDING")
sounding=$(sounding_of "$RECORDING")
echo "speech: expected ${expected} s; recorded ${sounding} s sounding, RMS ${rms}"
check "the recording is clearly not silent" louder_than "$rms" 0.01
check "the recording is about as long as the speech" about "$sounding" "$expected"

# The user drags the character by its body.
read -r x0 y0 width height < <(win_geometry "$CHARACTER")
grab_x=$((x0 + width / 2)) grab_y=$((y0 + height - 40))
xdotool mousemove "$grab_x" "$grab_y" mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((grab_x - step * 30)) $((grab_y - step * 20)); done
xdotool mouseup 1
check "the character can be dragged" wait_for 10 window_at "$CHARACTER" "$((x0 - 150)) $((y0 - 100))"

# A second reading speaks again with the character already loaded.
record_start "$E2E_DIR/second.wav"
read_notes || fail "the menu did not open again"
record_until "$(awk -v e="$expected" 'BEGIN { print e + 1 }')" || fail "the recording stalled"
check "a second reading speaks again" louder_than "$(rms_of "$RECORDING")" 0.01
expect_eq "... with the same one character" 1 "$(character_windows)"
check "no message box" sh -c "! app_dialog '$MAIN_TITLE'"
app_stop

# --- speech on without a character: only the warning --------------------------

store_init
store_set Form "Speech Enabled" 1
app_start
MAIN=$(app_window) || fail "no main window"
read_notes || fail "no menu"
check "the warning box is shown" wait_for 10 message_box_shown
xdotool key --clearmodifiers Return
check "the warning box closes" wait_for 10 sh -c "! app_dialog '$MAIN_TITLE'"
settle || fail "the main window did not answer"
expect_eq "no character appears" 0 "$(character_windows)"
app_stop

# --- speech off: nothing at all -------------------------------------------------

store_init
store_set Form "Agent Name" "'$agent'"
app_start
MAIN=$(app_window) || fail "no main window"
read_notes || fail "no menu"
settle || fail "the main window did not answer (a message box?)"
expect_eq "speech off: no character" 0 "$(character_windows)"
app_stop

# --- a damaged character file: a message, and the program goes on -------------

head -c 300 "$agent" >"$E2E_DIR/damaged.qchar"
store_init
store_set Form "Speech Enabled" 1
store_set Form "Agent Name" "'$E2E_DIR/damaged.qchar'"
app_start
MAIN=$(app_window) || fail "no main window"
read_notes || fail "no menu"
check "a damaged character file is reported" wait_for 10 message_box_shown
xdotool key --clearmodifiers Return
check "the program carries on" settle
expect_eq "damaged file: no character" 0 "$(character_windows)"
app_stop

# --- start-up reads once, even with the window starting hidden ----------------

store_init
store_set Form "Speech Enabled" 1
store_set Form "Read on Start" 1
store_set Form "Hide/Show" "'Hide'"
store_set Form "Agent Name" "'$agent'"
record_start "$E2E_DIR/startup.wav"
app_start --no-wait
check "start-up makes Quornel appear" wait_for 20 character_shown
check "the main window stays hidden" sh -c "! app_window"
record_until "$(awk -v e="$expected" 'BEGIN { print e + 3 }')" || fail "the recording stalled"
check "start-up speaks" louder_than "$(rms_of "$RECORDING")" 0.01
expect_eq "start-up loads one character" 1 "$(character_windows)"
app_stop
