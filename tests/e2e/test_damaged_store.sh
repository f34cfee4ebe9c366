#!/bin/bash
# A store that cannot be used: a message box says so, the program ends after
# OK, and the file stays exactly as it was.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh"
e2e_init "$1"
desktop_start --no-audio

# damaged KIND: writes a damaged store of this kind.
damaged() {
    local store; store="$(store_path)"
    case "$1" in
        random) head -c 4096 /dev/urandom >"$store" ;;
        header) store_init && printf 'NOT A NOTE STORE' | dd of="$store" bs=1 conv=notrunc status=none ;;
        pages)  store_init && head -c 3000 /dev/urandom | dd of="$store" bs=1 seek=100 conv=notrunc status=none ;;
        text)   printf 'Left=300\nTop=200\n' >"$store" ;;
    esac
}

for kind in random header pages text; do
    rm -f "$E2E_WORK"/*
    damaged "$kind"
    cp "$(store_path)" "$E2E_DIR/original"
    app_start --no-wait
    if ! wait_for 15 app_dialog "Quornel Desktop Notes"; then
        check "$kind: a message box appears" false
        app_stop
        continue
    fi
    check "$kind: a message box titled \"Quornel Desktop Notes\" appears" true
    d=$(app_dialog "Quornel Desktop Notes")
    check "$kind: no main window beside it" eval '! app_window >/dev/null'
    screenshot "$E2E_DIR/box-$kind.png"
    crop "$E2E_DIR/box-$kind.png" "$d" 0 0 "$(win_size "$d" | cut -dx -f1)" "$(win_size "$d" | cut -dx -f2)" "$E2E_DIR/box-$kind-crop.png"
    check "$kind: the message box shows something" eval '(( $(image_colors "$E2E_DIR/box-$kind-crop.png") > 4 ))'
    wait_for 5 eval '[[ "$(xdotool getactivewindow)" == "$d" ]]' || xdotool windowactivate --sync "$d"
    xdotool key Return
    check "$kind: the program ends after OK" app_wait_exit 15
    check "$kind: the file is byte for byte as it was" cmp -s "$E2E_DIR/original" "$(store_path)"
    expect_eq "$kind: nothing else was created beside it" "$STORE_NAME" "$(ls -A "$E2E_WORK")"
done
