# Watching the main window's animations from outside the program: the
# watcher (watch-window.c) writes "T_US HEIGHT LEVEL VIEWABLE" at each change.

WATCH_PID=""
WATCH_FILE=""

_watch_tool() {
    local t="${E2E_WATCH:-}"
    [[ -n "$t" && -x "$t" ]] || t="$(dirname "$QUORNEL_APP")/tests/e2e/e2e-watch-window"
    [[ -x "$t" ]] || { e2e_log "the window watcher is not built (target e2e-watch-window)"; return 1; }
    echo "$t"
}

# watch_start NAME [--id ID]: starts watching (by default the program's main
# window by its title, even before it appears) into $E2E_DIR/watch-NAME.txt
# and sets WATCH_FILE.
watch_start() {
    local name="$1"; shift
    local tool; tool=$(_watch_tool) || return 1
    [[ -z "$WATCH_PID" ]] || watch_stop
    WATCH_FILE="$E2E_DIR/watch-$name.txt"
    if (( $# )); then
        "$tool" "$@" --duration-s 60 >"$WATCH_FILE" 2>>"$E2E_LOGS/watch.log" &
    else
        "$tool" --title "$MAIN_TITLE" --duration-s 60 >"$WATCH_FILE" 2>>"$E2E_LOGS/watch.log" &
    fi
    WATCH_PID=$!
    _record watcher "$WATCH_PID"
    # Started once it has found the window (or, for --title, once it runs).
    if (( $# )); then
        wait_for 5 grep -q '^# window' "$WATCH_FILE"
    fi
}

# watch_stop: ends the watcher; its file is complete afterwards.
watch_stop() {
    [[ -n "$WATCH_PID" ]] || return 0
    kill -TERM "$WATCH_PID" 2>/dev/null || true
    wait "$WATCH_PID" 2>/dev/null || true
    WATCH_PID=""
}

# watch_saw FILE AWK-CONDITION: some sample satisfies the condition, written
# over the fields t, h, level, viewable; for use with wait_for.
watch_saw() {
    awk "/^[0-9]+ [0-9]+ [0-9]+ [01]\$/ { t = \$1; h = \$2; level = \$3; viewable = \$4; if ($2) found = 1 }
         END { exit !found }" "$1"
}

# watch_gone FILE: the watcher saw the window destroyed.
watch_gone() { grep -q ' gone$' "$1"; }

# watch_samples FILE [FROM_US]: the samples as "t h level viewable", from
# the time FROM_US on.
watch_samples() {
    awk -v from="${2:-0}" '/^[0-9]+ [0-9]+ [0-9]+ [01]$/ && $1 >= from' "$1"
}

# watch_summary FILE [FROM_US]: facts about the samples, for eval: n, the
# first/final/max/min height, final level and visibility, distinct heights and
# levels, ups/downs (lups/ldowns for levels), times (us) of the first viewable
# sample, of reaching 156 px, of the last height and level change, of hiding,
# the height and level at hiding and last seen, and level_list (in order).
watch_summary() {
    watch_samples "$1" "${2:-0}" | awk '
        BEGIN { n = 0; first_h = -1; max_h = -1; min_h = 1e9; ups = downs = lups = ldowns = 0
                t_first = -1; t_full = -1; t_hidden = -1; h_at_hide = -1; level_at_hide = -1
                t_level_end = -1; t_h_end = -1; seen = 0; list = "" }
        {
            t = $1; h = $2; level = $3; v = $4; n++
            if (v == 1) {
                if (first_h < 0) { first_h = h; t_first = t }
                if (h > max_h) max_h = h
                if (h < min_h) min_h = h
                if (!(h in hs)) { hs[h] = 1; nh++ }
                if (!(level in ls)) { ls[level] = 1; nl++ }
                if (h == 156 && t_full < 0) t_full = t
                if (seen) {
                    if (h > ph) { ups++; t_h_end = t }
                    if (h < ph) { downs++; t_h_end = t }
                    if (level > pl) { lups++; t_level_end = t }
                    if (level < pl) { ldowns++; t_level_end = t }
                }
                if (list == "" || level != pl) list = list (list == "" ? "" : ",") level
                ph = h; pl = level; seen = 1
            } else if (seen && t_hidden < 0) {
                t_hidden = t; h_at_hide = ph; level_at_hide = pl
            }
            fh = h; fl = level; fv = v
        }
        END {
            printf "n=%d first_h=%d final_h=%d final_level=%d final_viewable=%d\n", n, first_h, fh, fl, fv
            printf "max_h=%d min_h=%d heights=%d levels=%d ups=%d downs=%d lups=%d ldowns=%d\n",
                   max_h, (min_h == 1e9 ? -1 : min_h), nh, nl, ups, downs, lups, ldowns
            printf "t_first=%d t_full=%d t_level_end=%d t_h_end=%d t_hidden=%d h_at_hide=%d level_at_hide=%d\n",
                   t_first, t_full, t_level_end, t_h_end, t_hidden, h_at_hide, level_at_hide
            printf "last_h=%d last_level=%d\n", (seen ? ph : -1), (seen ? pl : -1)
            printf "level_list=%s\n", list
        }'
}

# in_range DESC LOW VALUE HIGH: a check that LOW <= VALUE <= HIGH.
in_range() {
    if (( $2 <= $3 && $3 <= $4 )); then
        E2E_PASSED=$((E2E_PASSED + 1)); echo "PASS: $1 ($3, expected $2..$4)"
    else
        E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL: $1: $3 is outside $2..$4"
    fi
}

# choose_main_item ID UPS: opens the main window's popup menu on the
# background above the clock and picks the item UPS steps up from the
# bottom ("Exit" is 1, "Hide Quornel Desktop Notes" 2).
choose_main_item() {
    local w="$1" ups="$2" keys=() i
    click_at "$w" 72 4 && wait_for 5 menu_open || return 1
    for (( i = 0; i < ups; i++ )); do keys+=(Up); done
    menu_keys "${keys[@]}" Return
    wait_for 5 menu_closed
}

# user_time ID: the _NET_WM_USER_TIME the program last set for window ID
# (on its user-time window), which it updates on every click it handles.
user_time() {
    local tw
    tw=$(xprop -id "$1" _NET_WM_USER_TIME_WINDOW 2>/dev/null | sed -n 's/.*# *\(0x[0-9a-f]*\).*/\1/p')
    xprop -id "${tw:-$1}" _NET_WM_USER_TIME 2>/dev/null | sed -n 's/.*= *\([0-9]*\).*/\1/p'
}

# handles_clicks ID X Y: the program takes a click on window ID at X Y
# (client-relative) and handles it: proof that it runs its event loop.
handles_clicks() {
    local before; before=$(user_time "$1")
    click_at "$1" "$2" "$3" || return 1
    wait_for 5 _user_time_moved "$1" "$before"
}
_user_time_moved() { local now; now=$(user_time "$1"); [[ -n "$now" && "$now" != "$2" ]]; }
