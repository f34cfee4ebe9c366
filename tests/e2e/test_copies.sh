#!/bin/bash
# SPDX-License-Identifier: MIT
# Starting the program: a start without a display says so; --user keeps the
# note in the per-user store, --store in the file it names; one copy runs per
# store, and a second start brings it forward, also through a link to the store;
# silent callers on its socket never hold its window and are dropped; a lock
# left by a copy that died, an empty or garbled lock, a folder at the lock's or
# the socket's name never keep it from starting. The notes are the user's alone.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"

status=0; out=$(cd "$WORK" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$APP" 2>&1) || status=$?
check "without a display: one line, status 1 ($status)" test "$status" = 1 -a "$(wc -l <<<"$out")" = 1
status=0; out=$(cd "$WORK" && env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-9 "$APP" 2>&1) || status=$?
check "with a Wayland display alone: a line naming both, status 1 ($status)" \
    eval '[[ $status == 1 && $(wc -l <<<"$out") == 1 && $out == *" DISPLAY "* && $out == *WAYLAND_DISPLAY* ]]'

desktop_start
unset XDG_DATA_HOME
user_store="$HOME/.local/share/quornel-desktop-notes/$STORE_NAME"
APP_ARGS=(--user)
app_start
check "--user makes the per-user store" test -s "$user_store"
modes=$(stat -c %a "$HOME/.local" "$HOME/.local/share" "${user_store%/*}" "$user_store"{,-wal,-shm,.lock})
expect_eq "folders made 0700; store, log, index and lock 0600" "700 700 700 600 600 600 600" "${modes//$'\n'/ }"
socket=$(compgen -G "$XDG_RUNTIME_DIR/quornel-desktop-notes-*")
ln -s "$user_store" "$WORK/link.save"
check "a start on a link to the store hands over, with status 0" \
    timeout 10 "$APP" --store "$WORK/link.save"
wait_for 10 eval '[[ "$(wins UTILITY "$TITLE")" == *" 156" ]]' || fail "the opening did not end"
# brought_back WHAT: Hide, then a second start on the same store brings the first copy back.
brought_back() {
    menu 72 40 Up Up Return && wait_for 10 main_hidden || fail "Hide did not hide the window"
    check "$1, with status 0" eval '(cd / && timeout 10 "$APP" --user)'
    check "... and the first copy comes back from the tray" wait_for 10 main_window
}
brought_back "a second start on the same store ends at once"

# silent_callers N READY SECONDS: N silent connections made before READY is
# created, then one more every quarter second for SECONDS; prints how many of
# the N the program dropped within 15 s, and after how many seconds the last.
silent_callers() {
    /usr/bin/python3 - "$socket" "$@" <<'PY'
import selectors, socket, sys, time
path, count, ready, seconds = sys.argv[1], int(sys.argv[2]), sys.argv[3], float(sys.argv[4])
def call():
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.connect(path)  # blocking: it waits while the queue of callers is full
    return s
callers, more = [call() for _ in range(count)], []
open(ready, "w").close()
begun, watch, dropped, last = time.monotonic(), selectors.DefaultSelector(), 0, 0
for s in callers:
    watch.register(s, selectors.EVENT_READ)
while dropped < count and time.monotonic() - begun < 15:
    if time.monotonic() - begun < seconds:
        more.append(call())
    for key, _ in watch.select(0.25):
        watch.unregister(key.fileobj)
        if key.fileobj.recv(1) == b"":
            dropped, last = dropped + 1, time.monotonic() - begun
print(dropped, round(last, 1))
PY
}
silent_callers 6 "$E2E_DIR/on-the-line" 5 >"$E2E_DIR/callers" 2>>"$LOGS/callers.log" 8>&- 9>&- &
callers=$! && _record $callers
wait_for 15 test -e "$E2E_DIR/on-the-line" || fail "the silent callers could not connect"
begun=${EPOCHREALTIME/./}
for i in 1 2 3; do
    click "$(main_window)" 40 120 && wait_for 10 menus 1 && keys Escape && wait_for 10 menus 0
done
in_range "with silent callers coming on the line the menu opens and closes thrice promptly (ms)" \
    0 $(((${EPOCHREALTIME/./} - begun) / 1000)) 3000
brought_back "a second start meanwhile hands over"
wait "$callers" || true
read -r dropped after <"$E2E_DIR/callers" || true
expect_eq "six silent callers are dropped (within 15 s)" 6 "${dropped:-0}"
in_range "... all within a few seconds, not one after the other (s)" 0 "${after%.*}" 3

close_box "$(main_window)"
check "the close box ends the first copy" app_ends

# A lock whose process is gone (a copy that died), an empty one, garbage or
# a folder (left alone, with a message) does not hold the store.
mkdir "$socket"
for kind in dead empty garbage folder; do
    case $kind in
        dead) printf '99999999\nquornel-desktop-notes\n%s\n' "$(hostname)" >"$user_store.lock" ;;
        empty) : >"$user_store.lock" ;;
        garbage) head -c 300 /dev/urandom >"$user_store.lock" ;;
        folder) rm -f "$user_store.lock" && mkdir "$user_store.lock" ;;
    esac
    app_start --no-wait
    if [[ $kind == folder ]]; then
        wait_for 20 win DIALOG "$TITLE" && ok_message
        check "a folder at the lock's name is left alone" test -d "$user_store.lock"
    fi
    check "a lock of a copy that is gone ($kind) is taken over" wait_for 20 main_window
    check "with a folder at the socket's name a second start hands over, with status 0" \
        timeout 10 "$APP" --user
    close_box "$(main_window)"
    check "the close box ends it" app_ends
done
check "the socket's folder is left alone" test -d "$socket"
rmdir "$user_store.lock"

# Without XDG_RUNTIME_DIR the socket lies in a folder the program makes for the user alone.
mkdir -p "$E2E_DIR/tmp1" "$E2E_DIR/tmp2" && mkdir -m 777 "$E2E_DIR/tmp2/quornel-desktop-notes-$(id -u)"
for tmp in tmp1 tmp2; do
    XDG_RUNTIME_DIR="" TMPDIR="$E2E_DIR/$tmp" app_start
    folder="$E2E_DIR/$tmp/quornel-desktop-notes-$(id -u)"
    expect_eq "without XDG_RUNTIME_DIR ($tmp): sockets in the folder of mode" \
        "$([[ $tmp == tmp1 ]] && echo 700:1 || echo 777:0)" "$(stat -c %a "$folder"):$(ls "$folder" | wc -l)"
    close_box "$(main_window)"
    check "the close box ends it" app_ends
done

# --store keeps the note in the file it names, relative to the working folder.
mkdir "$E2E_DIR/elsewhere"
APP_ARGS=(--store "../elsewhere/my notes.save")
app_start
check "--store makes the store it names" test -s "$E2E_DIR/elsewhere/my notes.save"
check "a second start on that store, named another way, ends at once, with status 0" \
    eval '(cd / && timeout 10 "$APP" --store "$E2E_DIR/elsewhere/my notes.save")'
menu 72 40 Up Up Return && wait_for 10 tray_icon || fail "Hide docked no icon"
xdotool mousemove --window "$(tray_icon)" 6 6 click 3 && wait_for 10 menus 1 && keys Up Return
check "Exit in the icon's menu ends it" app_ends
