#!/bin/bash
# SPDX-License-Identifier: MIT
# Prints the widget's figures beside the floor (a bare Qt window showing the
# same clock) and the espeak-ng command, measured in one run on a private
# virtual desktop with a silent sound server:
#   wakeups per second, memory (the program's own first) and threads at rest,
#   before a reading, after one and 30 s after it;
#   the first sound after Return on "Read Current Notes" (first reading:
#   beyond the character's appearing animation, for a short and a long note;
#   second reading, and three once the voice was given back: beside the
#   espeak-ng command);
#   the processor time one reading takes;
#   exec to the window mapped, and the processor time by then.
#
#   benchmarks/desktop-figures.sh BUILD_DIR
set -euo pipefail
build="$(realpath "${1:-build}")"
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib/desktop.sh" "$build/quornel-desktop-notes"
desktop_start --audio
# The character and the sound say when it appeared and when the sound began.
export QT_LOGGING_RULES="quornel.*.debug=true" QT_MESSAGE_PATTERN="%{time process} %{message}"
FLOOR="$build/benchmarks/bench-floor" ONSET="$build/benchmarks/bench-onset"
SHORT="Buy milk and eggs."
LONG=$(printf 'Remember to water the plants and call the bench. %.0s' {1..20})

# Voluntary context switches of each thread: "TID COUNT" lines.
switches() {
    local t
    for t in /proc/"$1"/task/*; do
        echo "${t##*/} $(awk '/^voluntary_ctxt/ { print $2 }' "$t/status" 2>/dev/null)"
    done
}
wakeups() {   # PID SECONDS: per second, over the threads alive at the end (a thread
    local a   # that ended meanwhile would otherwise take its count off the sum)
    a=$(switches "$1")
    sleep "$2"
    switches "$1" | awk -v a="$a" -v t="$2" '
        BEGIN { n = split(a, l, "\n"); for (i = 1; i <= n; i++) { split(l[i], f, " "); was[f[1]] = f[2] } }
        NF == 2 { s += $2 - was[$1] }
        END { printf "%.1f", s / t }'
}
# The program's own memory first: its private dirty pages (what it wrote,
# which nothing else could give back) and its unique memory (USS); then its
# share of what it shares (PSS) and all it has resident (RSS).
memory() {
    awk '/^Rss:/ { r = $2 } /^Pss:/ { p = $2 } /^Private/ { u += $2 } /^Private_Dirty:/ { d = $2 }
         END { printf "private dirty %.1f MB, USS %.1f MB, PSS %.1f MB, RSS %.1f MB",
                      d / 1024, u / 1024, p / 1024, r / 1024 }' \
        "/proc/$1/smaps_rollup"
    echo ", $(ls "/proc/$1/task" | wc -l) threads"
}
cpu_ms() { awk '{ print ($14 + $15) * 10 }' "/proc/$1/stat"; }
# The null sink is recorded throughout; a figure is the recording's length
# from the moment of the action to the first sound in it.
REC="$E2E_DIR/recording.raw"
parecord -d nullsink.monitor --rate=22050 --channels=1 --format=s16le --file-format=raw \
    --latency-msec=10 "$REC" 2>>"$LOGS/parecord.log" &
_record $!
wait_for 20 eval '[[ -s "$REC" ]]' || fail "the recording of the null sink did not start"
mark() { MARK=$(stat -c %s "$REC"); }
sound_after_mark() { local ms; sleep 2; ms=$("$ONSET" "$REC" "$MARK") && echo "$ms" || echo "no sound"; }
# From the program's own account: the sound's start after the appearing
# animation's end, in milliseconds.
after_appearing() {
    awk '$2 == "appeared" { a = $1; s = "" } $2 == "first" && a != "" && s == "" { s = $1 }
         END { printf "first sound %.1f ms after the appearing animation", (s - a) * 1000 }' "$LOGS/app.log"
}
read_aloud() {   # opens the menu and presses Return on "Read Current Notes" at T0
    local w; w=$(main_window)
    click "$w" 72 40 >/dev/null && wait_for 10 menus 1 && keys Down Down
    mark
    keys Return
}

# Milliseconds from exec to the window mapped, and the processor time until
# then: one start, added to the arrays named NAME_ms and NAME_cpu.
# NAME TITLE START STOP (shell commands).
to_map() {
    local map="$E2E_DIR/map" watcher
    local -n ms="$1_ms" cpu="$1_cpu"
    "$XPROBE" watch "$2" >"$map" 2>/dev/null &
    watcher=$!
    eval "$3"
    wait_for 20 awk '$4 == 1 { f = 1 } END { exit !f }' "$map"
    ms+=("$(awk '$4 == 1 { printf "%.1f", $1 / 1000; exit }' "$map")")
    cpu+=("$(cat /proc/"$PID"/task/*/schedstat | awk '{ s += $1 } END { printf "%.1f", s / 1e6 }')")
    kill "$watcher"; wait "$watcher" 2>/dev/null || true
    eval "$4"
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (v[5] + v[6]) / 2 }'; }

# The two programs start in turn, so that whatever else the machine does
# weighs on both alike.
echo "== exec to the window mapped (no opening animation), median of 10 starts each, in turn"
store_init
floor_ms=() floor_cpu=() widget_ms=() widget_cpu=()
for i in {1..10}; do
    to_map floor Floor '"$FLOOR" >/dev/null 2>&1 & PID=$!' 'kill $PID; wait $PID 2>/dev/null || true'
    to_map widget "$TITLE" 'app_start --no-wait; PID=$APP_PID' \
        'wait_for 10 main_window; close_box "$(main_window)"; app_ends'
done
for who in floor widget; do
    declare -n ms="${who}_ms" cpu="${who}_cpu"
    printf '%-7s %s ms to the map, processor time by then %s ms\n' "$who:" "$(median "${ms[@]}")" \
        "$(median "${cpu[@]}")"
done

echo "== at rest (the clock showing), 10 s each"
"$FLOOR" >/dev/null 2>&1 & floor=$!
sleep 3
echo "floor:  $(wakeups $floor 10) wakeups/s, $(memory $floor)"
kill $floor; wait $floor 2>/dev/null || true

store_init
store_set Form "Speech Enabled" 1
store_set Form "Agent Name" "'$build/characters/quornel.qchar'"
store_set Note Note "'$SHORT'"
app_start
sleep 3   # the store has folded its log and the window has settled
echo "widget: $(wakeups $APP_PID 10) wakeups/s, $(memory $APP_PID)"

echo "== first sound after Return on \"Read Current Notes\""
read_aloud; first=$(sound_after_mark)
echo "first reading, ${#SHORT} characters: ${first} ms; $(after_appearing)"
sleep 6
c0=$(cpu_ms $APP_PID); read_aloud; second=$(sound_after_mark)
sleep 6; c1=$(cpu_ms $APP_PID)
echo "second reading: ${second} ms; processor time of the reading: $((c1 - c0)) ms"
spoken="You have the following notes: $SHORT"
mark; /usr/bin/time -f "%U %S" -o "$E2E_DIR/time" espeak-ng -v en-us "$spoken"
echo "espeak-ng command: $(sound_after_mark) ms; processor time $(awk '{ printf "%d", ($1 + $2) * 1000 }' "$E2E_DIR/time") ms"
sleep 12   # the balloon goes and the character settles
echo "widget at rest after a reading: $(wakeups $APP_PID 10) wakeups/s, $(memory $APP_PID)"
sleep 10   # the speaker has been let go
echo "widget 30 s after the reading: $(wakeups $APP_PID 10) wakeups/s, $(memory $APP_PID)"
# Three rounds, each beside the espeak-ng command: one figure swings by the
# sound server's block of about 10 ms.
speaker_gone() { ! pgrep -P "$APP_PID" -x quornel-speaker >/dev/null; }
middle() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
again=() command=()
for i in 1 2 3; do
    wait_for 30 speaker_gone || fail "the speaker was not let go"
    read_aloud; again+=("$(sound_after_mark)")
    sleep 4
    mark; espeak-ng -v en-us "$spoken"; command+=("$(sound_after_mark)")
done
echo "a reading once the speaker was let go, median of 3: $(middle "${again[@]}") ms (${again[*]});" \
    "the espeak-ng command: $(middle "${command[@]}") ms (${command[*]})"
close_box "$(main_window)"; app_ends

store_set Note Note "'$LONG'"
app_start
read_aloud; first=$(sound_after_mark)
echo "first reading, ${#LONG} characters: ${first} ms; $(after_appearing)"
sleep 3
close_box "$(main_window)"; app_ends
