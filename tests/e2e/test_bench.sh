#!/bin/bash
# The bench itself: every desktop piece comes up as asked and nothing it
# started outlives it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "$1"

owner() { [[ -n "${E2E_XPROBE:-}" ]] && "$E2E_XPROBE" selection-owner "$1" >/dev/null; }
all_gone() { local p; for p in "$@"; do ! _proc_alive "$p" || return 1; done; }

desktop_start
pids=("${E2E_PIDS[@]}"); display="${DISPLAY#:}"
expect_eq "pieces started" "xvfb openbox xcompmgr trayer pulseaudio" "${E2E_NAMES[*]}"
check "a window manager runs" eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
if [[ -n "${E2E_XPROBE:-}" ]]; then
    check "a compositor owns _NET_WM_CM_S0" owner _NET_WM_CM_S0
    check "a notification area owns _NET_SYSTEM_TRAY_S0" owner _NET_SYSTEM_TRAY_S0
fi
check "the null sink is the default audio output" eval 'pactl info | grep -q "Default Sink: nullsink"'
check "private runtime folder, mode 700" eval '[[ "$(stat -c %a "$XDG_RUNTIME_DIR")" == 700 ]]'
check "no session bus for the program" eval '[[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]]'
desktop_stop
check "every piece has stopped" all_gone "${pids[@]}"
check "the display's socket and lock are gone" _display_free "$display"

desktop_start --no-tray --no-audio --no-compositor
expect_eq "only the X server and the window manager" "xvfb openbox" "${E2E_NAMES[*]}"
if [[ -n "${E2E_XPROBE:-}" ]]; then
    check "no notification area" eval '! owner _NET_SYSTEM_TRAY_S0'
    check "no compositor" eval '! owner _NET_WM_CM_S0'
fi
expect_eq "no audio server can be reached" "unix:/nonexistent" "${PULSE_SERVER:-}"
