# SPDX-License-Identifier: MIT
# A private virtual desktop for the end-to-end cases, and helpers that drive the
# program on it as a person would. A case sources it with the program as its
# argument, which sets -euo pipefail. Every piece started here is stopped by its
# process id at the exit; a failing case keeps its folder (and copies it to $E2E_KEEP_DIR).

TITLE="Quornel Desktop Notes"
STORE_NAME="Quornel Desktop Notes.save"
MASCOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)/resources/mascot.png"
SCALE="${E2E_TIME_SCALE:-1}"   # multiplies every deadline
MAIN_TYPE=UTILITY PASSED=0 FAILED=0 PIDS=() APP_PID="" APP_STATUS="" WATCH_PID="" WATCHES=0 APP_ARGS=()

# e2e_init PROGRAM: the folders, the exit trap and the watchdog; first in every case.
e2e_init() {
    APP="$(realpath "${1:-}")"
    XPROBE="${E2E_XPROBE:-$(dirname "$APP")/tests/e2e/e2e-xprobe}"
    SNIHOST="${E2E_SNIHOST:-$(dirname "$APP")/tests/e2e/e2e-snihost}"
    local tool
    for tool in "$APP" "$XPROBE" Xvfb openbox xcompmgr trayer xdotool wmctrl sqlite3 import; do
        command -v "$tool" >/dev/null || { echo "missing: $tool (usage: $0 PROGRAM)" >&2; exit 2; }
    done
    E2E_DIR="$(mktemp -d "${TMPDIR:-/tmp}/quornel-e2e.XXXXXX")"
    WORK="$E2E_DIR/work" LOGS="$E2E_DIR/logs"
    mkdir -p "$WORK" "$LOGS"
    exec 8>&1 9>&2   # the exit report goes there, even from inside a silenced command
    trap _on_exit EXIT
    trap 'exit 143' TERM
    trap 'exit 130' INT
    trap 'echo "stopped at line $LINENO: $BASH_COMMAND" >&2' ERR
    _watchdog "$$" "${E2E_SCRIPT_TIMEOUT:-240}" </dev/null >&2 &
    WATCHDOG=$!
}

_stat() { read -r STAT 2>/dev/null <"/proc/$1/stat" && STAT="${STAT##*) }"; }   # from the state on
_start_time() { local s; _stat "$1" && read -ra s <<<"$STAT" && echo "${s[19]}"; }
_alive() { _stat "$1" && [[ "$STAT" != [ZX]* ]]; }
_record() { echo "$1 $(_start_time "$1")" >>"$E2E_DIR/pids"; }

# Ends the script after LIMIT seconds; stops what it started should it die uncleaned.
_watchdog() {   # PID LIMIT
    local t=0 pid start
    while _alive "$1" && ((t++ < $2)); do sleep 1; done
    _alive "$1" && echo "FAIL: watchdog: the case ran longer than $2 s" && kill -TERM "$1" && sleep 30
    while read -r pid start; do
        [[ "$(_start_time "$pid")" != "$start" ]] || kill -KILL "$pid"
    done <"$E2E_DIR/pids"
}

_on_exit() {
    local rc=$? f
    set +e
    exec 1>&8 2>&9
    kill "$WATCHDOG" 2>/dev/null
    ! _left_running || fail_check "the program was still running at the end (it ends with its desktop)"
    desktop_stop
    [[ -z "$APP_PID" ]] || wait_for 10 app_gone || echo "the program outlived its desktop" >&2
    ((rc == 0 || FAILED > 0)) || fail_check "the script stopped early (exit status $rc)"
    echo "$PASSED passed, $FAILED failed"
    if ((FAILED == 0)); then rm -rf "$E2E_DIR"; exit 0; fi
    for f in "$LOGS"/*.log; do [[ ! -s "$f" ]] || { echo "---- ${f##*/}"; tail -n 15 "$f"; }; done
    echo "logs, screenshots, recordings and the store kept in $E2E_DIR"
    if [[ -n "${E2E_KEEP_DIR:-}" ]]; then   # the test command keeps them for good
        f="$E2E_KEEP_DIR/$(basename "$0" .sh)-${E2E_DIR##*.}"
        mkdir -p "$f" && cp -r "$LOGS" "$WORK" "$f/" 2>/dev/null
        echo "logs, screenshots and the store copied to $f"
    fi
    exit 1
}

# check DESCRIPTION CMD...: a PASS or FAIL line; the script goes on.
check() { if "${@:2}" >/dev/null; then PASSED=$((PASSED + 1)); echo "PASS: $1"; else fail_check "$1"; fi; }
fail_check() { FAILED=$((FAILED + 1)); echo "FAIL: $*"; }
fail() { fail_check "$@"; exit 1; }   # set-up went wrong: no point going on
expect_eq() { check "$1 (expected '$2', got '$3')" test "$2" = "$3"; }
has() { [[ "$1" == *"$2"* ]]; }   # TEXT PART
in_range() { check "$1 ($3, expected $2..$4)" test "$2" -le "$3" -a "$3" -le "$4"; }

# wait_for SECONDS CMD...: polls CMD until it succeeds; at the deadline says
# what it waited for and fails.
wait_for() {
    local end=$((${EPOCHREALTIME/./} + $1 * SCALE * 1000000))
    until "${@:2}" >/dev/null 2>&1; do
        ((${EPOCHREALTIME/./} <= end)) || { echo "gave up after $1 s waiting for: ${*:2}" >&2; return 1; }
        sleep 0.05
    done
}

# _start NAME READY-CMD COMMAND...: starts a desktop piece and waits until it is ready.
_start() {
    "${@:3}" >"$LOGS/$1.log" 2>&1 8>&- 9>&- &
    PIDS+=($!)
    _record $!
    wait_for 30 eval "$2" || { echo "$1 did not get ready:" >&2; tail -n 20 "$LOGS/$1.log" >&2; return 1; }
}

# desktop_start [--audio | --wayland]: Xvfb, openbox, xcompmgr, trayer and, when asked,
# PulseAudio with a null sink, with private XDG folders. --wayland: weston and XWayland
# (DISPLAY) instead, weston in a window on Xvfb (SEAT_DISPLAY), its seat.
desktop_start() {
    local d
    for d in runtime config data cache home; do mkdir -p -m 700 "$E2E_DIR/$d"; done
    export XDG_RUNTIME_DIR="$E2E_DIR/runtime" XDG_CONFIG_HOME="$E2E_DIR/config" \
        XDG_DATA_HOME="$E2E_DIR/data" XDG_CACHE_HOME="$E2E_DIR/cache" HOME="$E2E_DIR/home" \
        QT_QPA_PLATFORM=xcb LANG=C.UTF-8 PULSE_SERVER=unix:/nonexistent
    unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY LC_ALL LC_TIME
    : >"$E2E_DIR/display"   # Xvfb picks a free display and writes its number here once it listens
    _start xvfb '[[ -s "$E2E_DIR/display" ]]' \
        sh -c 'exec Xvfb -displayfd 3 -screen 0 1280x800x24 +extension Composite \
            -nolisten tcp -noreset 3>"$1"' Xvfb "$E2E_DIR/display"
    export DISPLAY=":$(<"$E2E_DIR/display")"
    [[ " $* " != *" --wayland "* ]] || { _start_weston; return 0; }
    _start openbox '[[ "$(xprop -root _NET_SUPPORTING_WM_CHECK)" == *"window id"* ]]' \
        openbox --sm-disable
    _start xcompmgr '"$XPROBE" owner _NET_WM_CM_S0' xcompmgr -n
    _start trayer '"$XPROBE" owner _NET_SYSTEM_TRAY_S0' \
        trayer --edge bottom --align right --widthtype request --height 24 \
        --SetDockType true --SetPartialStrut true --transparent false --expand true
    [[ " $* " == *" --audio "* ]] || return 0
    unset PULSE_SERVER
    _start pulseaudio 'pactl info' pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no -L "module-native-protocol-unix auth-anonymous=1" \
        -L "module-null-sink sink_name=nullsink rate=48000 channels=2" -L module-always-sink
    pactl set-default-sink nullsink
    export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
}

_start_weston() {
    SEAT_DISPLAY="$DISPLAY" MAIN_TYPE=NORMAL
    _start weston 'has "$(<"$LOGS/weston.log")" "listening on display :"' weston --xwayland \
        --backend=x11-backend.so --socket=wl-e2e --width=1200 --height=760 --use-pixman --idle-time=0
    local log; log=$(<"$LOGS/weston.log"); log=${log##*listening on display }
    export DISPLAY="${log%%[[:space:]]*}" WAYLAND_DISPLAY=wl-e2e && unset QT_QPA_PLATFORM
}
# seat_click X Y: through weston's seat, which takes the place where the pointer enters.
seat_click() { DISPLAY=$SEAT_DISPLAY xdotool mousemove 1270 790 mousemove "$1" "$2" click 1; }
seat_keys() { DISPLAY=$SEAT_DISPLAY xdotool "$@"; }
bus_start() {   # a session bus of its own
    _start dbus '[[ -s "$E2E_DIR/bus" ]]' \
        sh -c 'exec dbus-daemon --session --nofork --print-address=3 3>"$1"' dbus "$E2E_DIR/bus"
    export DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$E2E_DIR/bus")"
}
# sni_start: a session bus with a StatusNotifierItem host (snihost.cpp logs the items).
sni_start() {
    bus_start
    _start snihost 'dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher / \
        org.freedesktop.DBus.Peer.Ping' "$SNIHOST"
}
# atspi_start: a session bus with an accessibility bus, and the program's
# tree on it: atspi [ARGS] runs atspi.py on the program, seen LINE looks for a
# line of its tree (role|name|description|actions|text) that begins so.
atspi_start() {
    bus_start
    _start atspi '[[ "$(dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus)" == *"boolean true"* ]]' \
        /usr/libexec/at-spi-bus-launcher --launch-immediately
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
atspi() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/../atspi.py" "$APP_PID" "$@"; }
seen() { tree=$(atspi) && [[ $'\n'"$tree" =~ $'\n'\ *"$1" ]]; }

# desktop_stop: every piece by its process id, in reverse order.
desktop_stop() {
    watch_stop
    local i
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
        kill -TERM "${PIDS[i]}" 2>/dev/null || true
        wait_for 5 eval '! _alive "${PIDS[i]}"' || kill -KILL "${PIDS[i]}" 2>/dev/null
        wait "${PIDS[i]}" 2>/dev/null || true
    done
    PIDS=()
}

# app_start [--hidden | --no-wait]: starts the program in the work folder and
# waits for its main window (--hidden: for its tray icon instead).
app_start() {
    ! _left_running || fail "the program was still running when the case started it again"
    (cd "$WORK" && exec "$APP" "${APP_ARGS[@]}") >>"$LOGS/app.log" 2>&1 8>&- 9>&- &
    APP_PID=$! APP_STATUS=""
    case "${1:-}" in
        --no-wait) ;;
        --hidden) wait_for 20 tray_icon || fail "no tray icon of the program appeared" ;;
        *) wait_for 20 main_window || fail "the main window did not appear" ;;
    esac
}
# A program that did not end as the case asked is a failure; it ends with its desktop.
_left_running() { [[ -n "$APP_PID" ]] && _alive "$APP_PID"; }
app_gone() { ! _alive "$APP_PID"; }

# app_ends [STATUS]: the program ends within a few seconds, with this status (0 by default).
app_ends() {
    wait_for 10 app_gone || return 1
    wait "$APP_PID" && APP_STATUS=0 || APP_STATUS=$?
    APP_PID=""
    [[ "$APP_STATUS" == "${1:-0}" ]] || { echo "the program ended with status $APP_STATUS" >&2; return 1; }
}

# wins TYPE [TITLE]: "ID FX FY X Y W H" of each viewable window of the program
# of this _NET_WM_WINDOW_TYPE (TRAY: its tray icon) and title; FX FY is the
# frame's outer corner, X Y W H the client area.
wins() {
    local list id pid type v fx fy x y w h title
    list=$("$XPROBE" list) || return 1
    while read -r id pid type v fx fy x y w h title; do
        [[ "$pid" == "$APP_PID" && "$type" == "$1" && "$v" == 1 && ($# == 1 || "$title" == "$2") ]] \
            && echo "$id $fx $fy $x $y $w $h"
    done <<<"$list"
    return 0
}
win() { local r; r=$(wins "$@") && [[ -n "$r" ]] && echo "${r%% *}"; }   # the first one's id
main_window() { win "$MAIN_TYPE" "$TITLE"; }
tray_icon() { win TRAY; }
main_hidden() { ! main_window; }
menus() { local r n=0; r=$(wins POPUP) || return 1; [[ -z "$r" ]] || n=$(wc -l <<<"$r"); ((n == ${1:-1})); }   # [N]: N open
# main_at FX FY [H]: the main window's frame corner (and client height).
main_at() {
    local r fx fy h
    r=$(wins "$MAIN_TYPE" "$TITLE") && read -r _ fx fy _ _ _ h <<<"$r" \
        && [[ "$fx $fy" == "$1 $2" && (-z "${3:-}" || "$h" == "$3") ]]
}

# click ID X Y: a click at X Y of the window's client area, once the window is
# shown and takes in that point (the opening roll grows it from nothing: a
# click sent earlier would land on whatever lies below).
click() { wait_for 10 covers "$@" && xdotool mousemove --window "$1" "$2" "$3" click 1; }
covers() {   # ID X Y
    local list; list=$("$XPROBE" list) &&
        awk -v id="$1" -v x="$2" -v y="$3" '$1 == id && $4 == 1 && x < $9 && y < $10 { f = 1 }
            END { exit !f }' <<<"$list"
}
keys() { xdotool key --clearmodifiers "$@"; }
key_menu() { keys Menu && wait_for 10 menus 1 && keys "$@"; }   # KEY...: the menu key, then these
activate() { xdotool windowactivate --sync "${1:-$(main_window)}"; }   # [ID]
no_win() { ! win "$@"; }
ok_message() { activate "$(win DIALOG "$TITLE")" && keys Return; }   # OK on the program's message
# close_box ID: the window manager's close (WM_DELETE_WINDOW), as its close button does.
close_box() { wmctrl -i -c "$(printf '0x%x' "$1")"; }

# menu X Y KEY...: a click at X Y on the main window opens the popup menu; the
# keys choose in it, e.g. "Up Return" (Exit), "Up Up Return" (Hide), "Down Down
# Return" (Read Current Notes). 40 120 lies below the clock, where a pointer
# move stores nothing.
menu() {
    local w; w=$(main_window) || return 1
    click "$w" "$1" "$2" && wait_for 10 menus 1 && keys "${@:3}"
}
exits() { menu 40 120 Up Return && app_ends; }   # Exit in the menu ends the program
# rename TEXT: renames the note at the keyboard (F2, Tab Tab Return).
rename() {
    activate || true
    keys F2 && wait_for 10 win UTILITY "Rename Text" || return 1
    keys ctrl+a && xdotool type --delay 5 "$1" && keys Tab Tab Return
}
# The character's balloon has gone once its window takes the mouse only on the character.
balloon_gone() {
    local r id h; r=$(wins UTILITY Quornel) && read -r id _ _ _ _ _ h <<<"$r" || return 1
    [[ -n "$id" ]] && (($("$XPROBE" input "$id") < h * 3 / 4))
}
# trace ARGS...: strace on the program into $LOGS/strace.log, once it has attached ($tracer).
trace() {
    strace -qq "$@" -o "$LOGS/strace.log" -p "$APP_PID" 8>&- 9>&- &
    tracer=$! && _record $tracer
    local st="/proc/$APP_PID/status"   # with -f: every thread's
    [[ " $* " != *" -f "* ]] || st="/proc/$APP_PID/task/*/status"
    wait_for 10 eval "! grep -qs 'TracerPid:[[:space:]]*0$' $st" || fail "strace did not attach"
}

store() { sqlite3 -batch -cmd '.timeout 5000' "$WORK/$STORE_NAME" "$@"; }
store_set() { store "UPDATE \"$1\" SET \"$2\" = $3"; }   # TABLE FIELD SQL
# speech_on [CHARACTER]: speech enabled, with this character (the bundled one by default).
speech_on() {
    store_set Form "Speech Enabled" 1 &&
        store_set Form "Agent Name" "'${1:-$(dirname "$APP")/characters/quornel.qchar}'"
}
store_is() { [[ "$(store "SELECT typeof(\"$2\") || ':' || \"$2\" FROM \"$1\"")" == "$3" ]]; }   # TABLE FIELD TYPE:VALUE

# store_init: a complete store: the window at 300,200 px, shown, clock on,
# speech off, opaque, no animations; change it with store_set.
store_init() {
    rm -f "$WORK/$STORE_NAME"*
    store <<'SQL'
CREATE TABLE "Form" ("Left", "Top", "Hide/Show", "Clock Enabled", "Read on Start",
                     "Speech Enabled", "Agent Name", "Trans Enabled", "Trans Level");
INSERT INTO "Form" VALUES (4500.0, 3000.0, 'Show', 1, 0, 0, 'None', 0, '255');
CREATE TABLE "Note" ("Note", "Text Color", "Start Ani", "Close Ani");
INSERT INTO "Note" VALUES ('Milk, bread and a call to the bench.', 0, 'False', 'False');
SQL
}

# watch_start: samples the main window (before it appears, too) every 2 ms into
# $WATCH: "T_US H LEVEL VIEWABLE FX FY" at each change, "T_US gone" at the end.
watch_start() {
    WATCH="$E2E_DIR/watch-$((++WATCHES))"
    "$XPROBE" watch "$TITLE" >"$WATCH" 2>>"$LOGS/watch.log" 8>&- 9>&- &
    WATCH_PID=$!
    _record "$WATCH_PID"
}
watch_stop() {
    [[ -n "$WATCH_PID" ]] || return 0
    kill -TERM "$WATCH_PID" 2>/dev/null || true   # it may have seen the window go
    wait "$WATCH_PID" 2>/dev/null || true
    WATCH_PID=""
}
# watch_saw AWK-CONDITION: a sample (fields t h level v) satisfies it.
watch_saw() { awk "NF == 6 { t = \$1; h = \$2; level = \$3; v = \$4 } NF == 6 && ($1) { f = 1 } END { exit !f }" "$WATCH"; }

# watch_facts: for eval, from the viewable samples: first_h, final_h, max_h,
# heights (how many distinct), downs (shrinking steps) and places (at each change).
watch_facts() {
    awk 'NF == 6 && $4 == 1 {
            if (!n++) first = $2
            if (n > 1 && $2 < h) downs++
            if (!($2 in seen)) { seen[$2]; heights++ }
            if ($2 > max) max = $2
            if ($5 "," $6 != place) places = places (places == "" ? "" : " ") $5 "," $6
            h = $2; place = $5 "," $6
        }
        END { printf "first_h=%d final_h=%d max_h=%d heights=%d downs=%d places=\"%s\"\n",
                     first, h, max, heights, downs, places }' "$WATCH"
}

set -euo pipefail
e2e_init "${1:-}"
