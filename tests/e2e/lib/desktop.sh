# A private virtual desktop for end-to-end tests, and helpers that drive the
# program on it as a person would.
#
# Source this file from a test script that runs under `set -euo pipefail`.
# The program under test is $QUORNEL_APP (the first argument of every test
# script, see e2e_init). Every process started here is recorded by its
# process id and stopped by it when the script exits, whatever the reason.
#
# Conventions:
#   - Every wait has a deadline; a missed deadline prints what was awaited.
#   - Window ids are X ids as xdotool prints them (decimal).
#   - Coordinates passed to the helpers are client-relative pixels.

# ---------------------------------------------------------------------------
# Bookkeeping

E2E_DIR=""            # the test's own temporary folder
E2E_WORK=""           # the program's working directory (holds the store)
E2E_LOGS=""           # logs of every started process
E2E_PASSED=0
E2E_FAILED=0
E2E_NAMES=()          # names of the started desktop pieces, in start order
E2E_PIDS=()           # their process ids
APP_PID=""            # the program under test, while it runs
APP_STATUS=""         # its exit status, once app_wait_exit has seen it end
APP_ENV=()            # extra NAME=VALUE pairs for the program's environment
E2E_WATCHDOG=""
STORE_NAME="Quornel Desktop Notes.save"
MAIN_TITLE="Quornel Desktop Notes"
# Deadlines are multiplied by this factor (a slow machine may raise it).
E2E_TIME_SCALE="${E2E_TIME_SCALE:-1}"

e2e_log() { printf '%s\n' "$*" >&2; }

# e2e_init PROGRAM: checks the program path, creates the test's folders and
# installs the exit trap. Every test script calls it first.
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
    trap 'exit 130' INT
    trap 'e2e_log "terminated (watchdog or signal)"; exit 143' TERM
    # A watchdog ends the script before the test runner's own timeout would
    # kill it outright and strand the desktop.
    local limit="${E2E_SCRIPT_TIMEOUT:-240}"
    ( trap 'kill "$s" 2>/dev/null; exit 0' TERM
      sleep "$limit" & s=$!
      wait "$s" && { echo "FAIL: watchdog: the script ran longer than ${limit}s" >&2; kill -TERM $$; } ) \
        </dev/null >/dev/null &
    E2E_WATCHDOG=$!
}

_e2e_on_exit() {
    local rc=$?
    trap - EXIT
    set +e
    desktop_stop
    [[ -n "$E2E_WATCHDOG" ]] && kill "$E2E_WATCHDOG" 2>/dev/null && wait "$E2E_WATCHDOG" 2>/dev/null
    if (( rc != 0 && E2E_FAILED == 0 )); then
        E2E_FAILED=$((E2E_FAILED + 1))
        echo "FAIL: the script stopped early (exit status $rc)"
    fi
    echo "$E2E_PASSED passed, $E2E_FAILED failed"
    if (( E2E_FAILED > 0 )) || [[ -n "${E2E_KEEP:-}" ]]; then
        [[ -n "$E2E_DIR" ]] && echo "logs, screenshots and the store kept in $E2E_DIR"
        if (( E2E_FAILED > 0 )) && [[ -n "$E2E_LOGS" ]]; then
            local f
            for f in "$E2E_LOGS"/*.log; do
                [[ -s "$f" ]] || continue
                echo "---- $(basename "$f") (last lines)"
                tail -n 15 "$f"
            done
        fi
    else
        [[ -n "$E2E_DIR" ]] && rm -rf "$E2E_DIR"
    fi
    (( E2E_FAILED > 0 )) && exit 1
    exit 0
}

# check DESCRIPTION CMD...: runs CMD, prints PASS or FAIL, and counts it.
# A failed check does not stop the script.
check() {
    local what="$1"; shift
    if "$@"; then
        E2E_PASSED=$((E2E_PASSED + 1)); echo "PASS: $what"
    else
        E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL: $what"
    fi
}

# expect_eq DESCRIPTION EXPECTED ACTUAL: a check that shows both values.
expect_eq() {
    if [[ "$2" == "$3" ]]; then
        E2E_PASSED=$((E2E_PASSED + 1)); echo "PASS: $1"
    else
        E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL: $1: expected '$2', got '$3'"
    fi
}

# fail MESSAGE: counts a failure and stops the script (for broken set-up).
fail() {
    E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL: $*"; exit 1
}

_now() { printf '%s' "${EPOCHREALTIME/./}"; }   # microseconds

# wait_for TIMEOUT_S CMD...: polls CMD until it succeeds; on the deadline
# prints what it waited for and returns 1.
wait_for() {
    local timeout="$1"; shift
    local limit_us
    limit_us=$(awk -v t="$timeout" -v s="$E2E_TIME_SCALE" 'BEGIN { printf "%d", t * s * 1000000 }')
    local deadline=$(( $(_now) + limit_us ))
    local pause=0.02
    while true; do
        if "$@" >/dev/null 2>&1; then return 0; fi
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
    [[ -r /proc/$1/stat ]] || return 1
    st=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ -n "$st" && "$st" != Z && "$st" != X ]]
}

_record() { E2E_NAMES+=("$1"); E2E_PIDS+=("$2"); }

# _start_piece NAME READY-TIMEOUT READY-CMD -- COMMAND...: starts COMMAND in
# the background and waits until READY-CMD succeeds or the piece dies.
_start_piece() {
    local name="$1" timeout="$2" ready="$3"; shift 4
    "$@" >"$E2E_LOGS/$name.log" 2>&1 &
    local pid=$!
    _record "$name" "$pid"
    local limit_us deadline
    limit_us=$(awk -v t="$timeout" -v s="$E2E_TIME_SCALE" 'BEGIN { printf "%d", t * s * 1000000 }')
    deadline=$(( $(_now) + limit_us ))
    while true; do
        if eval "$ready" >/dev/null 2>&1; then return 0; fi
        _proc_alive "$pid" || { e2e_log "$name exited during start-up:"; tail -n 20 "$E2E_LOGS/$name.log" >&2; return 1; }
        if (( $(_now) > deadline )); then
            e2e_log "$name not ready after ${timeout}s (waited for: $ready)"
            tail -n 20 "$E2E_LOGS/$name.log" >&2
            return 1
        fi
        sleep 0.05
    done
}

_display_free() {
    [[ ! -e /tmp/.X11-unix/X$1 && ! -e /tmp/.X$1-lock ]]
}

# desktop_start [--no-tray] [--no-audio] [--no-compositor]: starts Xvfb,
# openbox, xcompmgr, trayer and PulseAudio on a free display with private
# runtime and configuration folders, and exports DISPLAY and friends.
desktop_start() {
    local tray=1 audio=1 compositor=1 arg
    for arg in "$@"; do
        case "$arg" in
            --no-tray) tray=0 ;;
            --no-audio) audio=0 ;;
            --no-compositor) compositor=0 ;;
            *) e2e_log "desktop_start: unknown option $arg"; return 2 ;;
        esac
    done
    [[ -n "$E2E_DIR" ]] || { e2e_log "desktop_start: call e2e_init first"; return 2; }

    local d
    for d in runtime config cache data home; do
        mkdir -p "$E2E_DIR/$d"; chmod 700 "$E2E_DIR/$d"
    done
    export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
    export XDG_CONFIG_HOME="$E2E_DIR/config"
    export XDG_CACHE_HOME="$E2E_DIR/cache"
    export XDG_DATA_HOME="$E2E_DIR/data"
    export HOME="$E2E_DIR/home"
    unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    export LANG="${E2E_LANG:-C.UTF-8}"
    unset LC_ALL LC_TIME

    # A free display: no socket and no lock file. Another run may take the
    # same number between the check and Xvfb's start; then try the next.
    local n=$(( 100 + ($$ + RANDOM) % 800 )) tries=0
    while true; do
        if _display_free "$n"; then
            export DISPLAY=":$n"
            if _start_piece xvfb 15 "xdpyinfo -display :$n" -- \
                Xvfb ":$n" -screen 0 1280x800x24 +extension Composite -nolisten tcp -noreset; then
                break
            fi
            # Drop the failed record and try another number.
            local last=$(( ${#E2E_PIDS[@]} - 1 ))
            kill "${E2E_PIDS[$last]}" 2>/dev/null; wait "${E2E_PIDS[$last]}" 2>/dev/null || true
            unset "E2E_PIDS[$last]" "E2E_NAMES[$last]"
            E2E_PIDS=("${E2E_PIDS[@]}"); E2E_NAMES=("${E2E_NAMES[@]}")
        fi
        n=$(( n + 1 )); tries=$(( tries + 1 ))
        (( n > 999 )) && n=100
        (( tries < 20 )) || { e2e_log "desktop_start: no free display found"; return 1; }
    done

    _start_piece openbox 15 "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" -- \
        openbox --sm-disable

    if (( compositor )); then
        _start_piece xcompmgr 15 "xwininfo -root -tree | grep -q '\"xcompmgr\"'" -- xcompmgr -n
    fi

    if (( tray )); then
        _start_piece trayer 15 "xwininfo -root -tree | grep -q '\"trayer\"'" -- \
            trayer --edge bottom --align right --widthtype request --height 24 \
                --SetDockType true --SetPartialStrut true --transparent false --expand true
        wait_for 10 _tray_manager_ready || { e2e_log "trayer's notification area did not appear"; return 1; }
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
    # Park the pointer where no window will be.
    xdotool mousemove 2 2 >/dev/null 2>&1 || true
    return 0
}

# The tray is ready once someone owns the tray selection of screen 0. Without
# the probe (E2E_XPROBE, built with the tests) the panel's window has to do.
_tray_manager_ready() {
    if [[ -n "${E2E_XPROBE:-}" && -x "${E2E_XPROBE}" ]]; then
        "$E2E_XPROBE" selection-owner _NET_SYSTEM_TRAY_S0 >/dev/null
    else
        xwininfo -root -tree | grep -q '"panel": ("panel" "trayer")'
    fi
}

_tree_ids_named() {   # NAME: ids of windows whose name or class is NAME
    xwininfo -root -tree 2>/dev/null | grep -F "\"$1\"" | awk '{ print $1 }'
}

# desktop_stop: stops the program under test and every desktop piece, by
# process id, in reverse order of starting. Safe to call twice.
desktop_stop() {
    [[ -n "$APP_PID" ]] && _stop_pid "$APP_PID" app
    APP_PID=""
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

# app_start [--no-wait] [ARGS...]: starts the program with the test's work
# folder as its working directory. Unless --no-wait is given, waits until its
# main window is mapped and prints nothing. APP_ENV adds environment.
app_start() {
    local waitwin=1
    if [[ "${1:-}" == --no-wait ]]; then waitwin=0; shift; fi
    [[ -z "$APP_PID" ]] || { e2e_log "app_start: the program already runs ($APP_PID)"; return 1; }
    APP_STATUS=""
    ( cd "$E2E_WORK" && exec env "${APP_ENV[@]}" "$QUORNEL_APP" "$@" ) >>"$E2E_LOGS/app.log" 2>&1 &
    APP_PID=$!
    if (( waitwin )); then
        wait_for 20 app_window || { e2e_log "the main window did not appear"; return 1; }
    fi
}

# app_running: the program is still running.
app_running() { [[ -n "$APP_PID" ]] && _proc_alive "$APP_PID"; }

# app_wait_exit TIMEOUT: waits until the program has ended; its exit status
# goes to APP_STATUS. Fails if it still runs at the deadline.
app_wait_exit() {
    [[ -n "$APP_PID" ]] || return 0
    wait_for "$1" _app_gone || return 1
    local st=0
    wait "$APP_PID" 2>/dev/null || st=$?
    APP_STATUS=$st
    APP_PID=""
}
_app_gone() { ! _proc_alive "$APP_PID"; }

# app_stop: ends the program by process id (TERM, then KILL).
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

# window_type ID: the first _NET_WM_WINDOW_TYPE atom, e.g. _NET_WM_WINDOW_TYPE_UTILITY.
window_type() {
    xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | sed -n 's/.*= *\([A-Z_]*\).*/\1/p'
}

# window_title ID
window_title() { xdotool getwindowname "$1" 2>/dev/null; }

# app_window: prints the id of the program's main window (titled "Quornel
# Desktop Notes", a tool window, mapped); fails when there is none.
app_window() {
    local w found=""
    for w in $(app_windows); do
        [[ "$(window_title "$w")" == "$MAIN_TITLE" ]] || continue
        [[ "$(window_type "$w")" == _NET_WM_WINDOW_TYPE_UTILITY ]] || continue
        found="$w"
    done
    [[ -n "$found" ]] && echo "$found"
}

# app_dialog TITLE: the id of the program's mapped dialog window with this
# exact title (a message box, for one).
app_dialog() {
    local w
    for w in $(app_windows); do
        [[ "$(window_title "$w")" == "$1" ]] || continue
        [[ "$(window_type "$w")" == _NET_WM_WINDOW_TYPE_DIALOG ]] || continue
        echo "$w"; return 0
    done
    return 1
}

# app_menus: ids of the program's open popup menus (submenus included): its
# viewable override-redirect top-level windows other than tooltips. (Qt marks
# its menus as plain _NET_WM_WINDOW_TYPE_NORMAL.)
app_menus() {
    local w found=1 root
    root=$(_root_id)
    for w in $(app_windows); do
        [[ "$(window_type "$w")" != _NET_WM_WINDOW_TYPE_TOOLTIP ]] || continue
        xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
        (( $(_parent_of "$w") == root )) || continue
        echo "$w"; found=0
    done
    return $found
}

_root_id() { xwininfo -root | awk '/Window id:/ { print $4; exit }'; }
_parent_of() { xwininfo -children -id "$1" 2>/dev/null | awk '/Parent window id:/ { print $4; exit }'; }

# menu_count: how many popup menus are open (0 if none).
menu_count() { app_menus 2>/dev/null | wc -l; }
menu_open() { (( $(menu_count) > 0 )); }
menu_closed() { (( $(menu_count) == 0 )); }

# menu_keys KEY...: types keys into the open menu, e.g. Down Right Return.
menu_keys() { xdotool key --clearmodifiers "$@"; }

# close_window ID: asks the window manager to close the window, as its close
# button does (the program gets WM_DELETE_WINDOW).
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

# win_size ID: client "WxH".
win_size() { win_geometry "$1" | awk '{ print $3 "x" $4 }'; }

# frame_of ID: the window manager's frame around the window (the ancestor
# just below the root); the window itself when it is not reparented.
frame_of() {
    local w="$1" parent root
    root=$(_root_id)
    while true; do
        parent=$(_parent_of "$w")
        [[ -n "$parent" ]] || return 1
        if (( parent == root )); then
            echo $(( w )); return 0
        fi
        w="$parent"
    done
}

# frame_extents ID: "left right top bottom" of _NET_FRAME_EXTENTS.
frame_extents() {
    xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',' | grep .
}

# frame_geometry ID: the frame's outer "x y w h" on the screen.
frame_geometry() {
    local f; f=$(frame_of "$1") || return 1
    win_geometry "$f"
}

# frame_pos ID: the frame's outer top-left corner, "x y".
frame_pos() { frame_geometry "$1" | awk '{ print $1, $2 }'; }

# win_opacity ID: the opacity level 0..255 from _NET_WM_WINDOW_OPACITY on the
# frame (or the window itself); empty when none is set (fully opaque).
win_opacity() {
    local f v
    f=$(frame_of "$1" 2>/dev/null) || f="$1"
    v=$(xprop -id "$f" _NET_WM_WINDOW_OPACITY 2>/dev/null | sed -n 's/.*= *\([0-9]*\).*/\1/p')
    [[ -n "$v" ]] || v=$(xprop -id "$1" _NET_WM_WINDOW_OPACITY 2>/dev/null | sed -n 's/.*= *\([0-9]*\).*/\1/p')
    [[ -n "$v" ]] || return 0
    awk -v v="$v" 'BEGIN { printf "%d\n", (v / 16843009) + 0.5 }'
}

# skip_taskbar ID: succeeds when _NET_WM_STATE has _NET_WM_STATE_SKIP_TASKBAR.
skip_taskbar() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q '_NET_WM_STATE_SKIP_TASKBAR'; }

# size_hints ID: "minW minH maxW maxH" from WM_NORMAL_HINTS (empty parts when unset).
size_hints() {
    xprop -id "$1" WM_NORMAL_HINTS 2>/dev/null | awk '
        /minimum size:/ { mi = $(NF - 2) " " $NF }
        /maximum size:/ { ma = $(NF - 2) " " $NF }
        END { print mi, ma }'
}

# fixed_size ID: succeeds when the minimum and maximum size hints are equal
# (the window manager offers no resizing).
fixed_size() {
    local h; h=($(size_hints "$1"))
    (( ${#h[@]} == 4 )) && [[ "${h[0]}" == "${h[2]}" && "${h[1]}" == "${h[3]}" ]]
}

# window_viewable ID: the window is mapped and viewable.
window_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# ---------------------------------------------------------------------------
# Mouse

# move_mouse_over ID X Y: moves the pointer to client-relative X Y.
move_mouse_over() { xdotool mousemove --window "$1" "$2" "$3" >/dev/null; }

# click_at ID X Y: moves the pointer to client-relative X Y and clicks button 1.
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1 >/dev/null; }

# park_mouse: moves the pointer to the top-left corner of the screen.
park_mouse() { xdotool mousemove 2 2 >/dev/null; }

# ---------------------------------------------------------------------------
# The note store

store_path() { echo "$E2E_WORK/$STORE_NAME"; }

_sql() { sqlite3 -batch -cmd '.timeout 5000' "$(store_path)" "$@"; }

# store_get TABLE FIELD: prints "type:value" of the field in the table's first
# record, e.g. "integer:1", "text:Hide", "real:1500.0", "null:".
store_get() {
    _sql "SELECT typeof(\"$2\") || ':' || coalesce(\"$2\", '') FROM \"$1\" ORDER BY rowid LIMIT 1"
}

# store_value TABLE FIELD: the value alone.
store_value() { _sql "SELECT \"$2\" FROM \"$1\" ORDER BY rowid LIMIT 1"; }

# store_set TABLE FIELD SQL_VALUE: sets the field of the first record to an
# SQL literal, e.g. store_set Form "Hide/Show" "'Hide'".
store_set() {
    _sql "UPDATE \"$1\" SET \"$2\" = $3 WHERE rowid = (SELECT min(rowid) FROM \"$1\")"
}

# store_columns TABLE: the column names, one a line.
store_columns() { _sql "SELECT name FROM pragma_table_info('$1')"; }

# store_tables: the table names, one a line.
store_tables() { _sql "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"; }

# store_init: writes a complete store into the work folder, columns without a
# type as the program keeps them, with quiet values: window at 300,200 px,
# shown, clock on, no speech, opaque, no animations. Tests adjust it with
# store_set before app_start.
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

# screenshot FILE: the whole screen as a PNG.
screenshot() { import -display "$DISPLAY" -window root "$1"; }

# pixel_at FILE X Y: the pixel's colour as RRGGBB.
pixel_at() { convert "$1" -format "%[hex:u.p{$2,$3}]" info: | cut -c1-6; }

# crop FILE ID X Y W H OUT: saves the client-relative rectangle of window ID
# from the screenshot FILE as OUT.
crop() {
    local g; g=($(win_geometry "$2")) || return 1
    convert "$1" -crop "${5}x${6}+$(( g[0] + $3 ))+$(( g[1] + $4 ))" +repage "$7"
}

# image_colors FILE: the number of distinct colours.
image_colors() { convert "$1" -format '%k' info:; }

# images_differ A B: succeeds when the two images differ in any pixel.
images_differ() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    [[ "${n%% *}" != 0 ]]
}

# images_equal A B: succeeds when the two images are the same pixel for pixel.
images_equal() { ! images_differ "$1" "$2"; }

# ---------------------------------------------------------------------------
# The tray

# tray_panels: ids of trayer's panel windows.
tray_panels() {
    xwininfo -root -tree 2>/dev/null | grep -F '("panel" "trayer")' | awk '{ print $1 }'
}

# tray_icon_window: the id of the program's icon docked in trayer's panel,
# while it is viewable there.
tray_icon_window() {
    [[ -n "$APP_PID" ]] || return 1
    local panel w
    for panel in $(tray_panels); do
        for w in $(xwininfo -tree -id "$panel" 2>/dev/null | awk '/^ +0x/ { print $1 }'); do
            xprop -id "$w" _NET_WM_PID 2>/dev/null | grep -q "= $APP_PID\$" || continue
            window_viewable "$w" && { echo $(( w )); return 0; }
        done
    done
    return 1
}

# no_tray_icon: the program has no icon viewable in the tray.
no_tray_icon() { ! tray_icon_window >/dev/null; }

# click_tray_icon: clicks the program's tray icon.
click_tray_icon() {
    local w; w=$(tray_icon_window) || return 1
    xdotool mousemove --window "$w" 8 8 click 1 >/dev/null
}

# ---------------------------------------------------------------------------
# Conditions used by several cases

# window_has_size ID W H: the client area is W x H.
window_has_size() { [[ "$(win_size "$1")" == "${2}x${3}" ]]; }

# frame_at ID X Y: the frame's outer top-left corner is at X Y.
frame_at() { [[ "$(frame_pos "$1")" == "$2 $3" ]]; }

# count_color FILE RRGGBB [FUZZ]: the number of pixels within FUZZ (default
# 8%) of the colour.
count_color() {
    convert "$1" -alpha off -fuzz "${3:-8%}" -fill black +opaque "#$2" -fill white -opaque "#$2" \
        -format '%[fx:round(mean*w*h)]' info:
}

# region_matches_image SHOT ID X Y W H REFERENCE: the client-relative
# rectangle of window ID in the screenshot SHOT equals the same rectangle of
# the picture REFERENCE drawn at the client's top-left corner (within a 2%
# colour tolerance).
region_matches_image() {
    local shot="$1" id="$2" x="$3" y="$4" w="$5" h="$6" ref="$7" out="$E2E_DIR/region-$RANDOM"
    crop "$shot" "$id" "$x" "$y" "$w" "$h" "$out-shot.png" || return 1
    convert "$ref" -alpha off -crop "${w}x${h}+${x}+${y}" +repage "$out-ref.png" || return 1
    local n
    n=$(compare -metric AE -fuzz 2% "$out-shot.png" "$out-ref.png" null: 2>&1) || true
    [[ "${n%% *}" == 0 ]]
}

# region_changes ID X Y W H: succeeds once the rectangle of window ID looks
# different from how it looked at the first call of a wait_for series; call
# region_mark first to take the reference.
region_mark() { screenshot "$E2E_DIR/mark.png" && crop "$E2E_DIR/mark.png" "$1" "$2" "$3" "$4" "$5" "$E2E_DIR/mark-crop.png"; }
region_changed() {
    screenshot "$E2E_DIR/now.png" && crop "$E2E_DIR/now.png" "$1" "$2" "$3" "$4" "$5" "$E2E_DIR/now-crop.png" \
        && images_differ "$E2E_DIR/mark-crop.png" "$E2E_DIR/now-crop.png"
}
