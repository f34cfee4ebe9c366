#!/bin/bash
# SPDX-License-Identifier: MIT
# How the character reads, heard at the null sink against espeak-ng's own
# output of the text it shows: with LANGUAGE=de the reading is German; "Stop"
# in the character's menu (F6 on the main window, then Shift+F10) silences it
# within 300 ms and closes the balloon (Escape's Stop is checked in process);
# "Pause" silences it within 300 ms and "Resume" goes on, the whole text heard
# once in all. The fastest speed and "Stay on the Desktop" unticked survive a
# kill -9 right after: the next reading takes about half as long, and the
# character goes away after it and comes back with the next.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start --audio
source "$(dirname "${BASH_SOURCE[0]}")/lib/listen.sh"

export QT_LOGGING_RULES="quornel.character.debug=true"
listen_to_note
store_set Note Note "'Milch, Brot und Eier kaufen. Um drei Uhr beim Zahnarzt anrufen, danach die Blumen gießen.'"
LANGUAGE=de app_start

# The text of the reading the character began last, as its balloon shows it.
shown() { local l; l=$(grep 'quornel.character: reading in' "$LOGS/app.log") && echo "${l##*words a minute: }"; }
readings() { grep -c 'quornel.character: reading in' "$LOGS/app.log" || true; }
# read_note: "Read Current Notes", from sample $from on, once the character has begun.
read_note() {
    local n; n=$(readings) from=$(recorded)
    menu 40 120 Down Down Return && wait_for 20 eval '(($(readings) > n))'
}
# character_menu KEY...: F6 on the main window gives the character the
# keyboard (where it has it already, F6 does nothing); Shift+F10 opens its menu
# and the keys choose in it, the last one pressed at sample $at.
character_menu() {
    local id; id=$(win UTILITY Quornel) || return 1
    keys F6
    wait_for 5 eval '[[ "$(xdotool getwindowfocus)" == "$id" ]]' || return 1
    keys shift+F10 && wait_for 10 menus 1 || return 1
    (($# == 1)) || keys "${@:1:$#-1}"
    at=$(recorded)
    keys "${!#}"
}
# silenced WHAT: the sound stopped within 300 ms of sample $at.
silenced() {
    wait_for 10 grown $((at + 22050)) || fail "the recording stopped"
    local q; q=$(last_sound "$at" $((at + 22050)))
    check "$1 silences the sink within 300 ms (the last sound $q s after)" at_most "$q" 0.30
}

read_note
said=$(shown)
expect_voice "$said" de
reading "with LANGUAGE=de, the reading of \"$said\" in German"
usual=$(sound "$rec" "$from" "$(recorded)")
envelope "$rec" "$from" "$(recorded)" >"$E2E_DIR/heard.env"
espeak-ng -v en-us -s 165 -p 50 -w "$E2E_DIR/english.wav" "$said"
wav_envelope() { envelope "$1" 0 $(($(stat -c %s "$1") / 2 - 22)); }
de=$(likeness "$E2E_DIR/heard.env" <(wav_envelope "$E2E_DIR/expected.wav"))
en=$(likeness "$E2E_DIR/heard.env" <(wav_envelope "$E2E_DIR/english.wav"))
check "... it sounds as espeak-ng's German does (likeness $de; to its English $en)" \
    awk -v de="$de" -v en="$en" 'BEGIN { exit !(de >= 0.7 && de >= en + 0.3) }'

read_note
wait_for 20 sounding 2 || fail "the reading to be paused was not heard"
character_menu Down Down Down Return   # Hide, Stop, Pause
paused=$at
silenced "\"Pause\""
wait_for 10 grown $((at + 33075)) || fail "the recording stopped"
check "... and it stays silent while paused" test "$(last_sound $((at + 6615)) $((at + 33075)))" = 0.00
check "... with the balloon shown" eval '! balloon_gone'
character_menu Down Down Down Return   # Hide, Stop, Resume
resumed=$at
heard_to_end "the resumed reading"
before=$(sound "$rec" "$from" $((paused + 6615)))
after=$(sound "$rec" "$resumed" "$(recorded)")
check "\"Resume\" goes on: the whole text is heard once in all ($before s, then $after s, of the voice's $expected s)" \
    whole "$(awk -v a="$before" -v b="$after" 'BEGIN { print a + b }')"

read_note
wait_for 20 sounding 1 || fail "the reading to be stopped was not heard"
character_menu Down Down Return   # Hide, Stop
silenced "\"Stop\" in the character's menu"
check "... and closes the balloon" wait_for 1 balloon_gone

character_menu Down Down Down Right Up Return   # Hide, Language, Speed: 200%
check "the fastest speed is kept" wait_for 5 store_is Form "Reading Speed" integer:200
character_menu Up Return   # Stay on the Desktop
wait_for 10 menus 0
kill -KILL "$APP_PID"   # a power cut or crash right after the choice
check "killed right after the last choice" app_ends 137
check "... which was kept" store_is Form "Stay on Desktop" integer:0
check "... as was the speed" store_is Form "Reading Speed" integer:200

LANGUAGE=de app_start
read_note
heard_to_end "the fast reading"
fast=$(sound "$rec" "$from" "$(recorded)")
check "at the fastest speed a reading takes about half as long ($fast s, usually $usual s)" \
    awk -v f="$fast" -v u="$usual" 'BEGIN { exit !(f >= u * 0.4 && f <= u * 0.6) }'
check "... after which the character goes away" wait_for 10 no_win UTILITY Quornel
read_note
check "... and comes back with the next" wait_for 20 win UTILITY Quornel
heard_to_end "the last reading"
listen_stop
check "Exit ends the program" exits
