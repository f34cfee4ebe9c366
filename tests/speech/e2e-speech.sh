#!/bin/bash
# End to end on a virtual desktop: the default character appears as a
# frameless, on-top window without a task-bar entry, speaks through the
# sound server, and the speech reaches the speakers (a null sink here).
#
#   e2e-speech.sh SPEAK_ON_DESKTOP [ARTIFACT_DIR]
set -u

driver=$1
artifacts=${2:-$(mktemp -d)}
mkdir -p "$artifacts"
work=$(mktemp -d)
pids=()

fail() { echo "FAIL: $*" >&2; exit 1; }
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
        wait "${pids[i]}" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

# wait_for SECONDS COMMAND...: runs COMMAND until it succeeds or time is up.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
unset DBUS_SESSION_BUS_ADDRESS PULSE_SERVER
export QT_QPA_PLATFORM=xcb

display=50
while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
export DISPLAY=:$display
Xvfb "$DISPLAY" -screen 0 1280x800x24 +extension Composite -nolisten tcp -noreset &>"$work/xvfb.log" &
pids+=($!)
wait_for 20 xdpyinfo || fail "no X server"
openbox --sm-disable &>"$work/openbox.log" &
pids+=($!)
wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "no window manager"
xcompmgr -n &>"$work/xcompmgr.log" &
pids+=($!)
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L "module-native-protocol-unix auth-anonymous=1" \
    -L "module-null-sink sink_name=nullsink rate=48000 channels=2" \
    -L module-always-sink &>"$work/pulse.log" &
pids+=($!)
wait_for 20 pactl info || fail "no sound server"
pactl set-default-sink nullsink

# The recording gives nothing for a while: wait until it has begun.
parecord -d nullsink.monitor --rate=22050 --channels=1 --format=s16le --file-format=wav \
    "$work/speech.wav" &
pids+=($!)
wait_for 20 sh -c "[ \$(stat -c %s '$work/speech.wav' 2>/dev/null || echo 0) -gt 44 ]" \
    || fail "the recording did not start"

text="You have the following notes: Click here to rename text."
"$driver" "" "$text" stay >"$work/driver.out" 2>"$work/driver.err" &
driver_pid=$!
pids+=($driver_pid)

wait_for 20 xdotool search --name '^Quornel$' || fail "no character window"
window=$(xdotool search --name '^Quornel$' | head -1)
wait_for 20 grep -q '^started' "$work/driver.out" || fail "the character did not start speaking"
wait_for 5 grep -q '^word' "$work/driver.out" || fail "no word was spoken"
import -window root "$artifacts/speaking.png" 2>/dev/null
state=$(xprop -id "$window" _NET_WM_STATE)
echo "$state"
grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$state" || fail "the character window is in the task bar"
grep -q _NET_WM_STATE_ABOVE <<<"$state" || fail "the character window is not on top"
extents=$(xprop -id "$window" _NET_FRAME_EXTENTS)
echo "$extents"
grep -q '= 0, 0, 0, 0' <<<"$extents" || fail "the character window has a frame"


# The user drags the character somewhere else.
geometry() { xwininfo -id "$window" | awk '/Absolute upper-left [XY]/ {printf "%s ", $4}'; }
read -r x0 y0 < <(geometry)
read -r width height < <(xwininfo -id "$window" | awk '/Width:|Height:/ {printf "%s ", $2}')
grab_x=$((x0 + width / 2)) grab_y=$((y0 + height - 40))   # on the character's body
xdotool mousemove "$grab_x" "$grab_y" mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove $((grab_x - step * 30)) $((grab_y - step * 20))
    sleep 0.05
done
xdotool mouseup 1
moved() { read -r x y < <(geometry); [ "$x" -eq $((x0 - 150)) ] && [ "$y" -eq $((y0 - 100)) ]; }
wait_for 10 moved || { cat "$work/driver.err"; fail "the character was not dragged: from $x0,$y0 to $(geometry)"; }

wait_for 30 grep -q '^finished' "$work/driver.out" || fail "the character did not finish speaking"
cat "$work/driver.out"; cat "$work/driver.err"
! grep -q '^message' "$work/driver.out" || fail "a message box was shown"
read -r _ audible duration < <(grep '^started' "$work/driver.out")
[ "$audible" = 1 ] || fail "the speech did not go to the sound server"
spoken=$(awk '/^word/ {printf "%s%s", sep, $2; sep=" "}' "$work/driver.out")
[ "$spoken" = "You have the following notes Click here to rename text" ] \
    || fail "the words went by as: $spoken"

# Let the tail of the speech reach the recording, then stop it.
sleep 0.5
kill "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null; unset 'pids[-1]'   # the driver
kill "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null; unset 'pids[-1]'   # the recording
cp "$work/speech.wav" "$artifacts/"
rms=$(sox "$work/speech.wav" -n stat 2>&1 | awk '/RMS     amplitude/ {print $3}')
# The sounding part: silence trimmed from both ends.
sounding=$(sox "$work/speech.wav" -n silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse stat 2>&1 \
    | awk '/Length \(seconds\)/ {print $3}')
echo "speech: ${duration} ms synthesised; recorded RMS ${rms}, ${sounding} s sounding"
awk -v r="$rms" 'BEGIN { exit !(r > 0.005) }' || fail "the recording is silent"
awk -v s="$sounding" -v d="$duration" 'BEGIN { exit !(s * 1000 > d * 0.8 && s * 1000 < d * 1.3) }' \
    || fail "the recording's length does not match the speech"
echo "PASS"
