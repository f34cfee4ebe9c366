#!/bin/bash
# The speech character on a real desktop: it appears as a frameless, on-top
# window without a task-bar entry, speaks through the sound server (recorded
# from the null sink), shows the words, and can be dragged.
#
#   e2e-speech.sh PATH-TO-speak_on_desktop
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib/desktop.sh"
e2e_init "${1:-}"

text="You have the following notes: Click here to rename text."
out="$E2E_LOGS/app.log"

said() { grep -q "^$1" "$out"; }
window_at() { [[ "$(win_geometry "$window" | awk '{ print $1, $2 }')" == "$1" ]]; }
recording_begun() { [[ $(stat -c %s "$E2E_DIR/speech.wav" 2>/dev/null || echo 0) -gt 44 ]]; }

desktop_start --no-tray
# The recording gives nothing for a while: wait until it has begun.
_start_piece parecord 20 recording_begun -- \
    parecord -d nullsink.monitor --rate=22050 --channels=1 --format=s16le --file-format=wav \
        "$E2E_DIR/speech.wav"
recorder=${E2E_PIDS[-1]}

# The driver loads the default character as the main window does and stays.
app_start --no-wait "" "$text" stay
wait_for 20 xdotool search --name '^Quornel$' || fail "no character window"
window=$(xdotool search --name '^Quornel$' | head -n 1)
wait_for 20 said started || fail "the character did not start speaking"
wait_for 5 said word || fail "no word went by"
screenshot "$E2E_DIR/speaking.png"

check "the character window has no task-bar entry" skip_taskbar "$window"
check "the character window stays on top" \
    sh -c "xprop -id $window _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE"
expect_eq "the character window has no frame" "0 0 0 0" "$(frame_extents "$window")"

# The user drags the character by its body.
read -r x0 y0 width height < <(win_geometry "$window")
grab_x=$((x0 + width / 2)) grab_y=$((y0 + height - 40))
xdotool mousemove "$grab_x" "$grab_y" mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove $((grab_x - step * 30)) $((grab_y - step * 20))
done
xdotool mouseup 1
check "the character can be dragged" wait_for 10 window_at "$((x0 - 150)) $((y0 - 100))"

wait_for 30 said finished || fail "the character did not finish speaking"
read -r _ audible duration < <(grep '^started' "$out")
expect_eq "the speech goes to the sound server" 1 "$audible"
expect_eq "every word goes by in the balloon" \
    "You have the following notes Click here to rename text" \
    "$(awk '/^word/ { printf "%s%s", sep, $2; sep = " " }' "$out")"
check "no message box" sh -c "! grep -q '^message' '$out'"

# Let the end of the speech reach the recording (half a second more of it),
# then stop it.
recorded=$(stat -c %s "$E2E_DIR/speech.wav")
grown() { (( $(stat -c %s "$E2E_DIR/speech.wav") > recorded + 22050 )); }
wait_for 10 grown || fail "the recording stalled"
_stop_pid "$recorder" parecord
rms=$(sox "$E2E_DIR/speech.wav" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
# The sounding part: silence trimmed from both ends.
sounding=$(sox "$E2E_DIR/speech.wav" -n silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse stat 2>&1 \
    | awk '/Length \(seconds\)/ { print $3 }')
echo "speech: $duration ms synthesised; recorded RMS $rms, $sounding s sounding"
check "the recording is not silent" awk -v r="$rms" 'BEGIN { exit !(r > 0.005) }'
check "the recording is as long as the speech" \
    awk -v s="$sounding" -v d="$duration" 'BEGIN { exit !(s * 1000 > d * 0.8 && s * 1000 < d * 1.3) }'
