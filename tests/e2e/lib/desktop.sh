# A private virtual desktop for end-to-end tests, and helpers that drive the
# program on it as a person would. Source it from a script under
# `set -euo pipefail`; every process started here is recorded by its process
# id and stopped by it when the script exits. Window ids are decimal X ids;
# coordinates given to the helpers are client-relative pixels.

E2E_DIR="" E2E_WORK="" E2E_LOGS="" E2E_WATCHDOG=""
E2E_PASSED=0 E2E_FAILED=0
E2E_NAMES=() E2E_PIDS=()   # the started desktop pieces, in start order
APP_PID=""                 # the program under test, while it runs
APP_STATUS=""              # its exit status, once app_wait_exit saw it end
APP_ENV=()                 # extra NAME=VALUE pairs for its environment
STORE_NAME="Quornel Desktop Notes.save"
MAIN_TITLE="Quornel Desktop Notes"
E2E_SOURCE_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
# The mascot picture as the program draws it, for pixel comparisons.
MASCOT="${MASCOT:-}"
[[ -n "$MASCOT" || ! -f "$E2E_SOURCE_DIR/resources/mascot.bmp" ]] || MASCOT="$E2E_SOURCE_DIR/resources/mascot.bmp"
# Deadlines are multiplied by this factor (a slow machine may raise it).
E2E_TIME_SCALE="${E2E_TIME_SCALE:-1}"

e2e_log() { printf '%s\n' "$*" >&2; }

# e2e_init PROGRAM: every test script calls it first.
e2e_init() {
    QUORNEL_APP="${1:-${QUORNEL_APP:-}}"
    if [[ -z "$QUORNEL_APP" || ! -x "$QUORNEL_APP" ]]; then
        e2e_log "usage: $0 PATH-TO-quornel-desktop-notes (got '${QUORNEL_APP}')"
        exit 2
    fi
    QUORNEL_APP="$(cd "$(dirname "$QUORNEL_APP")" && pwd)/$(basename "$QUORNEL_APP")"
    local tool
    for tool in Xvfb openbox xdotool xwininfo xprop xdpyinfo sqlite3 import convert wmctrl; do
        command -v "$tool" >/dev/null || { e2e_log "missing tool: $tool (run scripts/setup.sh)"; exit 2; }
    done
    E2E_DIR="$(mktemp -d "${TMPDIR:-/tmp}/quornel-e2e.XXXXXX")"
    E2E_WORK="$E2E_DIR/work"
    E2E_LOGS="$E2E_DIR/logs"
    mkdir -p "$E2E_WORK" "$E2E_LOGS"
    trap _e2e_on_exit EXIT
    trap 'e2e_log "stopped at ${BASH_SOURCE[0]##*/}:$LINENO: $BASH_COMMAND"' ERR
    trap 'exit 130' INT
    trap 'e2e_log "terminated (watchdog or signal)"; exit 143' TERM
    # The watchdog ends the script before the test runner's timeout would kill
    # it outright, and stops the desktop should the script die uncleaned.
    : >"$E2E_DIR/pids"
    _e2e_watchdog "$$" "$(_start_time $$)" "${E2E_SCRIPT_TIMEOUT:-240}" "$E2E_DIR/pids" </dev/null >/dev/null &
    E2E_WATCHDOG=$!
}

_start_time() { awk '{ print $22 }' "/proc/$1/stat" 2>/dev/null; }

_e2e_watchdog() {   # PID START LIMIT PIDFILE
    local parent="$1" start="$2" limit="$3" pidfile="$4" t=0 i pid st
    _parent_alive() { [[ "$(_start_time "$parent")" == "$start" ]]; }
    while _parent_alive && (( t < limit )); do sleep 1; t=$(( t + 1 )); done
    if _parent_alive; then
        echo "FAIL: watchdog: the script ran longer than ${limit}s" >&2
        kill -TERM "$parent" 2>/dev/null
        for (( i = 0; i < 20; i++ )); do _parent_alive || return 0; sleep 1; done
    fi
    tac "$pidfile" 2>/dev/null | while read -r pid st; do
        [[ -n "$pid" && "$(_start_time "$pid")" == "$st" ]] && kill -KILL "$pid" 2>/dev/null
    done || true
    _parent_alive && kill -KILL "$parent" 2>/dev/null
    return 0
}

_e2e_on_exit() {
    local rc=$? f
    trap - EXIT
    set +e
    desktop_stop
    [[ -z "$E2E_WATCHDOG" ]] || { kill "$E2E_WATCHDOG" 2>/dev/null; wait "$E2E_WATCHDOG" 2>/dev/null; }
    if (( rc != 0 && E2E_FAILED == 0 )); then
        E2E_FAILED=1; echo "FAIL: the script stopped early (exit status $rc)"
    fi
    echo "$E2E_PASSED passed, $E2E_FAILED failed"
    if (( E2E_FAILED > 0 )) || [[ -n "${E2E_KEEP:-}" ]]; then
        echo "logs, screenshots and the store kept in $E2E_DIR"
        (( E2E_FAILED == 0 )) || for f in "$E2E_LOGS"/*.log; do
            [[ -s "$f" ]] && { echo "---- $(basename "$f") (last lines)"; tail -n 15 "$f"; }
        done
    else
        rm -rf "$E2E_DIR"
    fi
    (( E2E_FAILED > 0 )) && exit 1
    exit 0
}

# check DESCRIPTION CMD...: runs CMD and counts a PASS or FAIL; goes on.
check() {
    local what="$1"; shift
    if "$@"; then
        E2E_PASSED=$((E2E_PASSED + 1)); echo "PASS: $what"
    else
        E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL: $what"
    fi
}

# expect_eq DESCRIPTION EXPECTED ACTUAL
expect_eq() {
    if [[ "$2" == "$3" ]]; then
        E2E_PASSED=$((E2E_PASSED + 1)); echo "PASS: $1"
    else
        E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL: $1: expected '$2', got '$3'"
    fi
}

# fail MESSAGE: counts a failure and stops the script (for broken set-up).
fail() { E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL: $*"; exit 1; }

_now() { printf '%s' "${EPOCHREALTIME/./}"; }   # microseconds
_deadline() { echo $(( $(_now) + $(awk -v t="$1" -v s="$E2E_TIME_SCALE" 'BEGIN { printf "%d", t * s * 1000000 }') )); }

# wait_for TIMEOUT_S CMD...: polls CMD until it succeeds; fails at the deadline.
wait_for() {
    local timeout="$1"; shift
    local deadline pause=0.02
    deadline=$(_deadline "$timeout")
    until "$@" >/dev/null 2>&1; do
        if (( $(_now) > deadline )); then
            e2e_log "timed out after ${timeout}s waiting for: $*"
            return 1
        fi
        sleep "$pause"
        [[ "$pause" == 0.02 ]] && pause=0.05 || pause=0.1
    done
}

# ---------------------------------------------------------------------------
# The desktop

_proc_alive() {   # PID: running and not a zombie
    local st
    st=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ -n "$st" && "$st" != Z && "$st" != X ]]
}

_record() {
    E2E_NAMES+=("$1"); E2E_PIDS+=("$2")
    echo "$2 $(_start_time "$2")" >>"$E2E_DIR/pids"
}

# _start_piece NAME READY-TIMEOUT READY-CMD -- COMMAND...: starts COMMAND in
# the background and waits until READY-CMD succeeds or the piece dies.
_start_piece() {
    local name="$1" timeout="$2" ready="$3"; shift 4
    "$@" >"$E2E_LOGS/$name.log" 2>&1 &
    local pid=$! deadline
    _record "$name" "$pid"
    deadline=$(_deadline "$timeout")
    until eval "$ready" >/dev/null 2>&1; do
        if ! _proc_alive "$pid" || (( $(_now) > deadline )); then
            e2e_log "$name did not get ready in ${timeout}s (waited for: $ready)"
            tail -n 20 "$E2E_LOGS/$name.log" >&2
            return 1
        fi
        sleep 0.05
    done
}

_display_free() { [[ ! -e /tmp/.X11-unix/X$1 && ! -e /tmp/.X$1-lock ]]; }

# desktop_start [--no-tray] [--no-audio] [--no-compositor]: Xvfb, openbox,
# xcompmgr, trayer and PulseAudio on a free display with private runtime and
# configuration folders; exports DISPLAY and friends.
desktop_start() {
    local tray=1 audio=1 compositor=1 arg d
    for arg in "$@"; do
        case "$arg" in
            --no-tray) tray=0 ;;
            --no-audio) audio=0 ;;
            --no-compositor) compositor=0 ;;
            *) e2e_log "desktop_start: unknown option $arg"; return 2 ;;
        esac
    done
    for d in runtime config cache data home; do
        mkdir -p "$E2E_DIR/$d"; chmod 700 "$E2E_DIR/$d"
    done
    export XDG_RUNTIME_DIR="$E2E_DIR/runtime" XDG_CONFIG_HOME="$E2E_DIR/config"
    export XDG_CACHE_HOME="$E2E_DIR/cache" XDG_DATA_HOME="$E2E_DIR/data" HOME="$E2E_DIR/home"
    unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY LC_ALL LC_TIME
    export QT_QPA_PLATFORM=xcb LANG=C.UTF-8

    # A free display: no socket and no lock file. Another run may take the
    # same number between the check and Xvfb's start; then try the next.
    local n=$(( 100 + ($$ + RANDOM) % 800 )) tries last
    for (( tries = 0; ; tries++ )); do
        (( tries < 20 )) || { e2e_log "desktop_start: no free display found"; return 1; }
        n=$(( n >= 999 ? 100 : n + 1 ))
        _display_free "$n" || continue
        export DISPLAY=":$n"
        _start_piece xvfb 15 "xdpyinfo -display :$n" -- \
            Xvfb ":$n" -screen 0 1280x800x24 +extension Composite -nolisten tcp -noreset && break
        last=$(( ${#E2E_PIDS[@]} - 1 ))
        kill "${E2E_PIDS[$last]}" 2>/dev/null; wait "${E2E_PIDS[$last]}" 2>/dev/null || true
        unset "E2E_PIDS[$last]" "E2E_NAMES[$last]"
        E2E_PIDS=("${E2E_PIDS[@]}"); E2E_NAMES=("${E2E_NAMES[@]}")
    done

    _start_piece openbox 15 "[[ \"\$(xprop -root _NET_SUPPORTING_WM_CHECK)\" == *'window id'* ]]" -- \
        openbox --sm-disable
    if (( compositor )); then
        _start_piece xcompmgr 15 "\"\$E2E_XPROBE\" selection-owner _NET_WM_CM_S0" -- xcompmgr -n
    fi
    if (( tray )); then
        _start_piece trayer 15 "\"\$E2E_XPROBE\" selection-owner _NET_SYSTEM_TRAY_S0" -- \
            trayer --edge bottom --align right --widthtype request --height 24 \
                --SetDockType true --SetPartialStrut true --transparent false --expand true
    fi
    if (( audio )); then
        unset PULSE_SERVER
        _start_piece pulseaudio 20 "pactl info" -- \
            pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
                -L "module-native-protocol-unix auth-anonymous=1" \
                -L "module-null-sink sink_name=nullsink rate=48000 channels=2" \
                -L module-always-sink
        pactl set-default-sink nullsink >/dev/null
        export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
    else
        export PULSE_SERVER=unix:/nonexistent
    fi
    park_mouse || true
}

# desktop_stop: stops the program and every desktop piece by process id, in
# reverse order of starting. Safe to call twice.
desktop_stop() {
    app_stop
    local i
    for (( i = ${#E2E_PIDS[@]} - 1; i >= 0; i-- )); do
        _stop_pid "${E2E_PIDS[$i]}" "${E2E_NAMES[$i]}"
    done
    E2E_PIDS=(); E2E_NAMES=()
}

_stop_pid() {   # PID NAME: TERM, wait up to 5 s, then KILL
    local pid="$1" i
    kill -TERM "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 0; }
    for (( i = 0; i < 100; i++ )); do
        _proc_alive "$pid" || break
        sleep 0.05
    done
    if _proc_alive "$pid"; then
        e2e_log "$2 ($pid) ignored TERM; killing it"
        kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null || true
}

# ---------------------------------------------------------------------------
# The program under test

# app_start [--no-wait] [ARGS...]: starts the program in the work folder and,
# unless --no-wait, waits until its main window is mapped.
app_start() {
    local waitwin=1 st=0
    if [[ "${1:-}" == --no-wait ]]; then waitwin=0; shift; fi
    [[ -z "$APP_PID" ]] || { e2e_log "app_start: the program already runs ($APP_PID)"; return 1; }
    APP_STATUS=""
    ( cd "$E2E_WORK" && exec env "${APP_ENV[@]}" "$QUORNEL_APP" "$@" ) >>"$E2E_LOGS/app.log" 2>&1 &
    APP_PID=$!
    echo "$APP_PID $(_start_time "$APP_PID")" >>"$E2E_DIR/pids"
    (( waitwin )) || return 0
    wait_for 20 _app_window_or_gone || { e2e_log "the main window did not appear"; return 1; }
    if ! app_window >/dev/null; then
        wait "$APP_PID" 2>/dev/null || st=$?
        APP_PID=""; APP_STATUS=$st
        e2e_log "the program ended (exit status $st) before its main window appeared"
        return 1
    fi
}
_app_window_or_gone() { app_window >/dev/null || ! _proc_alive "$APP_PID"; }
app_running() { [[ -n "$APP_PID" ]] && _proc_alive "$APP_PID"; }
_app_gone() { ! _proc_alive "$APP_PID"; }

# app_wait_exit TIMEOUT: waits until the program has ended (status in APP_STATUS).
app_wait_exit() {
    [[ -n "$APP_PID" ]] || return 0
    wait_for "$1" _app_gone || return 1
    local st=0
    wait "$APP_PID" 2>/dev/null || st=$?
    APP_STATUS=$st APP_PID=""
}

app_stop() {
    [[ -n "$APP_PID" ]] || return 0
    _stop_pid "$APP_PID" app
    APP_PID=""
}

# app_windows: ids of the program's viewable top-level windows.
app_windows() {
    [[ -n "$APP_PID" ]] || return 1
    xdotool search --all --onlyvisible --pid "$APP_PID" 2>/dev/null
}

# window_type ID: the first _NET_WM_WINDOW_TYPE atom.
window_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | sed -n 's/.*= *\([A-Z_]*\).*/\1/p'; }
window_title() { xdotool getwindowname "$1" 2>/dev/null; }

# app_window: the program's mapped main window (a tool window with its title).
app_window() {
    local w found=""
    for w in $(app_windows); do
        [[ "$(window_title "$w")" == "$MAIN_TITLE" && "$(window_type "$w")" == _NET_WM_WINDOW_TYPE_UTILITY ]] \
            && found="$w"
    done
    [[ -n "$found" ]] && echo "$found"
}

# app_dialog TITLE: the program's mapped dialog window with this title.
app_dialog() {
    local w
    for w in $(app_windows); do
        [[ "$(window_title "$w")" == "$1" && "$(window_type "$w")" == _NET_WM_WINDOW_TYPE_DIALOG ]] \
            && { echo "$w"; return 0; }
    done
    return 1
}

# app_menus: the program's open popup menus (submenus included): viewable
# override-redirect top-level windows other than tooltips.
app_menus() {
    local w found=1 root
    root=$(_root_id)
    for w in $(app_windows); do
        [[ "$(window_type "$w")" != _NET_WM_WINDOW_TYPE_TOOLTIP ]] || continue
        [[ "$(xwininfo -id "$w" 2>/dev/null)" == *'Override Redirect State: yes'* ]] || continue
        (( $(_parent_of "$w") == root )) || continue
        echo "$w"; found=0
    done
    return $found
}

_root_id() { xwininfo -root | awk '/Window id:/ { print $4; exit }'; }
_parent_of() { xwininfo -children -id "$1" 2>/dev/null | awk '/Parent window id:/ { print $4; exit }'; }

# window_titled TITLE: the program's first viewable window with this title;
# windows_titled TITLE: how many there are.
window_titled() {
    local w
    for w in $(app_windows); do [[ "$(window_title "$w")" == "$1" ]] && { echo "$w"; return 0; }; done
    return 1
}
windows_titled() {
    local w n=0
    for w in $(app_windows); do [[ "$(window_title "$w")" == "$1" ]] && n=$((n + 1)); done
    echo "$n"
}
no_window_titled() { (( $(windows_titled "$1") == 0 )); }

menu_count() { app_menus 2>/dev/null | wc -l; }
menu_open() { (( $(menu_count) > 0 )); }
menu_closed() { (( $(menu_count) == 0 )); }

# menus_shot OUT: a picture of every open popup menu, side by side from left
# to right (for comparing check marks).
menus_shot() {
    local shot="$E2E_DIR/menus-$RANDOM.png" parts=() m g
    screenshot "$shot" || return 1
    for m in $(app_menus); do
        g=($(win_geometry "$m")) || return 1
        echo "${g[0]} $m"
    done | sort -n | while read -r _ m; do
        g=($(win_geometry "$m"))
        convert "$shot" -crop "${g[2]}x${g[3]}+${g[0]}+${g[1]}" +repage "$shot-$m.png"
        echo "$shot-$m.png"
    done >"$shot.list"
    mapfile -t parts <"$shot.list"
    (( ${#parts[@]} > 0 )) || return 1
    convert "${parts[@]}" +append "$1"
}

# menu_keys KEY...: types keys into the open menu, e.g. Down Right Return.
menu_keys() { xdotool key --clearmodifiers "$@"; }

# settle: a round trip through the program: once the main window ($MAIN) has
# opened and closed its menu, every earlier input has been handled. A modal
# message box keeps the menu from opening.
settle() { click_at "$MAIN" 40 45 && wait_for 5 menu_open && menu_keys Escape && wait_for 5 menu_closed; }

# close_window ID: the window manager's close button (WM_DELETE_WINDOW).
close_window() { wmctrl -i -c "$(printf '0x%x' "$1")"; }

# ---------------------------------------------------------------------------
# Geometry and window properties

# win_geometry ID: client area "x y w h" in screen pixels.
win_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { if (w == "") exit 1; print x, y, w, h }'
}
win_size() { win_geometry "$1" | awk '{ print $3 "x" $4 }'; }

# frame_of ID: the window manager's frame (the ancestor just below the root).
frame_of() {
    local w="$1" parent root
    root=$(_root_id)
    while parent=$(_parent_of "$w") && [[ -n "$parent" ]]; do
        (( parent == root )) && { echo $(( w )); return 0; }
        w="$parent"
    done
    return 1
}
frame_geometry() { local f; f=$(frame_of "$1") && win_geometry "$f"; }
frame_pos() { frame_geometry "$1" | awk '{ print $1, $2 }'; }

# win_opacity ID: 0..255 from _NET_WM_WINDOW_OPACITY on the frame or the
# window; empty when none is set (fully opaque).
win_opacity() {
    local f v w
    f=$(frame_of "$1" 2>/dev/null) || f="$1"
    for w in "$f" "$1"; do
        v=$(xprop -id "$w" _NET_WM_WINDOW_OPACITY 2>/dev/null | sed -n 's/.*= *\([0-9]*\).*/\1/p')
        [[ -z "$v" ]] || { awk -v v="$v" 'BEGIN { printf "%d\n", (v / 16843009) + 0.5 }'; return 0; }
    done
}

skip_taskbar() { [[ "$(xprop -id "$1" _NET_WM_STATE 2>/dev/null)" == *_NET_WM_STATE_SKIP_TASKBAR* ]]; }

# size_hints ID: "minW minH maxW maxH" from WM_NORMAL_HINTS.
size_hints() {
    xprop -id "$1" WM_NORMAL_HINTS 2>/dev/null | awk '
        /minimum size:/ { mi = $(NF - 2) " " $NF }
        /maximum size:/ { ma = $(NF - 2) " " $NF }
        END { print mi, ma }'
}

# fixed_size ID: the minimum and maximum size hints are equal.
fixed_size() {
    local h; h=($(size_hints "$1"))
    (( ${#h[@]} == 4 )) && [[ "${h[0]}" == "${h[2]}" && "${h[1]}" == "${h[3]}" ]]
}

# allowed_actions ID: _NET_WM_ALLOWED_ACTIONS one a line, without the prefix.
allowed_actions() {
    xprop -id "$1" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | sed -n 's/.*= *//p' | tr ',' '\n' \
        | sed 's/^ *//; s/^_NET_WM_ACTION_//' | grep .
}

window_viewable() { [[ "$(xwininfo -id "$1" 2>/dev/null)" == *'Map State: IsViewable'* ]]; }
window_has_size() { [[ "$(win_size "$1")" == "${2}x${3}" ]]; }
frame_at() { [[ "$(frame_pos "$1")" == "$2 $3" ]]; }   # ID X Y: the frame's corner

# ---------------------------------------------------------------------------
# Mouse (a move to where the pointer already is sends no event)

move_mouse_over() { xdotool mousemove --window "$1" "$2" "$3" >/dev/null; }
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1 >/dev/null; }
park_mouse() { xdotool mousemove 2 2 >/dev/null; }

# ---------------------------------------------------------------------------
# The note store

store_path() { echo "$E2E_WORK/$STORE_NAME"; }
_sql() { sqlite3 -batch -cmd '.timeout 5000' "$(store_path)" "$@"; }

# store_get TABLE FIELD: "type:value" of the first record, e.g. "integer:1".
store_get() { _sql "SELECT typeof(\"$2\") || ':' || coalesce(\"$2\", '') FROM \"$1\" ORDER BY rowid LIMIT 1"; }
store_value() { _sql "SELECT \"$2\" FROM \"$1\" ORDER BY rowid LIMIT 1"; }
# store_set TABLE FIELD SQL_VALUE, e.g. store_set Form "Hide/Show" "'Hide'"
store_set() { _sql "UPDATE \"$1\" SET \"$2\" = $3 WHERE rowid = (SELECT min(rowid) FROM \"$1\")"; }
store_is() { [[ "$(store_get "$1" "$2")" == "$3" ]]; }   # TABLE FIELD TYPE:VALUE
store_columns() { _sql "SELECT name FROM pragma_table_info('$1')"; }
store_tables() { _sql "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"; }

# store_init: a complete store with quiet values (window at 300,200 px, shown,
# clock on, no speech, opaque, no animations); adjust it with store_set.
store_init() {
    rm -f "$(store_path)" "$(store_path)-wal" "$(store_path)-shm"
    _sql <<'SQL'
CREATE TABLE "Form" ("Left", "Top", "Hide/Show", "Clock Enabled", "Read on Start",
                     "Speech Enabled", "Agent Name", "Trans Enabled", "Trans Level");
INSERT INTO "Form" VALUES (4500.0, 3000.0, 'Show', 1, 0, 0, 'None', 0, '255');
CREATE TABLE "Note" ("Note", "Text Color", "Start Ani", "Close Ani");
INSERT INTO "Note" VALUES ('Milk, bread and a call to the bench.', 0, 'False', 'False');
SQL
}

# ---------------------------------------------------------------------------
# Screen

screenshot() { import -display "$DISPLAY" -window root "$1"; }

# crop FILE ID X Y W H OUT: the client-relative rectangle of window ID.
crop() {
    local g; g=($(win_geometry "$2")) || return 1
    convert "$1" -crop "${5}x${6}+$(( g[0] + $3 ))+$(( g[1] + $4 ))" +repage "$7"
}

image_colors() { convert "$1" -format '%k\n' info:; }
images_differ() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    [[ "${n%% *}" != 0 ]]
}
images_equal() { ! images_differ "$1" "$2"; }

# count_color FILE RRGGBB [FUZZ]: the number of pixels near the colour.
count_color() {
    convert "$1" -alpha off -fuzz "${3:-8%}" -fill black +opaque "#$2" -fill white -opaque "#$2" \
        -format '%[fx:round(mean*w*h)]\n' info:
}

# region_matches_image SHOT ID X Y W H REFERENCE: the rectangle of window ID
# in SHOT equals the same rectangle of REFERENCE drawn at the client's corner.
region_matches_image() {
    local out="$E2E_DIR/region-$RANDOM" n
    crop "$1" "$2" "$3" "$4" "$5" "$6" "$out-shot.png" || return 1
    convert "$7" -alpha off -crop "${5}x${6}+${3}+${4}" +repage "$out-ref.png" || return 1
    n=$(compare -metric AE -fuzz 2% "$out-shot.png" "$out-ref.png" null: 2>&1) || true
    [[ "${n%% *}" == 0 ]]
}

# clock_hidden ID SHOT: the clock's rectangle shows the plain mascot.
clock_hidden() { region_matches_image "$2" "$1" 8 8 57 25 "$MASCOT"; }

# region_mark ID X Y W H, then wait_for ... region_changed ID X Y W H: the
# rectangle looks different from when it was marked.
region_mark() { screenshot "$E2E_DIR/mark.png" && crop "$E2E_DIR/mark.png" "$@" "$E2E_DIR/mark-crop.png"; }
region_changed() {
    screenshot "$E2E_DIR/now.png" && crop "$E2E_DIR/now.png" "$@" "$E2E_DIR/now-crop.png" \
        && images_differ "$E2E_DIR/mark-crop.png" "$E2E_DIR/now-crop.png"
}

# ---------------------------------------------------------------------------
# The tray

tray_panels() { xwininfo -root -tree 2>/dev/null | grep -F '("panel" "trayer")' | awk '{ print $1 }'; }

# tray_icon_window: the program's icon, viewable in trayer's panel.
tray_icon_window() {
    [[ -n "$APP_PID" ]] || return 1
    local panel w
    for panel in $(tray_panels); do
        for w in $(xwininfo -tree -id "$panel" 2>/dev/null | awk '/^ +0x/ { print $1 }'); do
            [[ "$(xprop -id "$w" _NET_WM_PID 2>/dev/null)" == *"= $APP_PID" ]] || continue
            window_viewable "$w" && { echo $(( w )); return 0; }
        done
    done
    return 1
}
no_tray_icon() { ! tray_icon_window >/dev/null; }
click_tray_icon() {
    local w; w=$(tray_icon_window) || return 1
    xdotool mousemove --window "$w" 8 8 click 1 >/dev/null
}
