#!/bin/bash
# SPDX-License-Identifier: MIT
# The speaker (the process that holds the voice) stopped or killed at a random
# moment of a reading, five times in a run: the reading ends (its balloon goes),
# that speaker is gone, and the next reading, by a new speaker, is heard whole
# at the null sink. "Hide" on the character's right-click menu puts it away; the
# next reading brings it back, heard whole, and meanwhile the window's thread opens no file.
# E2E_SEED=N repeats a run's moments.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start --audio
source "$(dirname "${BASH_SOURCE[0]}")/lib/listen.sh"

listen_to_note
export QT_LOGGING_RULES="quornel.character.debug=true"
app_start

speakers() { pgrep -P "$APP_PID" -x quornel-speaker; }
gone() { ! kill -0 "$1" 2>/dev/null; }
new_speaker() { local s; s=$(speakers) && [[ " ${s//$'\n'/ } " != *" $1 "* ]]; }

seed=${E2E_SEED:-$RANDOM}
RANDOM=$seed
echo "the moments come from E2E_SEED=$seed"
for i in 1 2 3 4 5; do
    way=STOP && ((RANDOM % 2)) && way=KILL
    at=$((RANDOM % 4000))   # ms after the choice: the character appears, then speaks for about 4 s
    menu 40 120 Down Down Return
    begun=${EPOCHREALTIME/./}
    wait_for 10 speakers || fail "no speaker runs for reading $i"
    pid=$(speakers)
    sleep "$(printf '%d.%03d' $((at / 1000)) $((at % 1000)))"   # a random moment, not a state
    kill -s "$way" "$pid" || fail "the speaker $pid was gone before the moment"
    what="reading $i, its speaker sent SIG$way $(((${EPOCHREALTIME/./} - begun) / 1000)) ms after the choice"
    check "$what: the reading ends and its balloon goes" \
        eval 'wait_for 20 silent && wait_for 10 balloon_gone'
    from=$(recorded)
    menu 40 120 Down Down Return
    reading "... the next reading"
    check "... by a new speaker" new_speaker "$pid"
    check "... and that speaker is gone" wait_for 10 gone "$pid"
done

read -r ch _ _ _ _ cw chh <<<"$(wins UTILITY Quornel)"
xdotool mousemove --window "$ch" $((cw / 2)) $((chh - 60)) click 3 && wait_for 10 menus 1 && keys Down Return
check "\"Hide\" on the character's right-click menu puts it away" wait_for 5 no_win UTILITY Quornel
trace -tt -e trace=open,openat,openat2,creat,write   # the window's thread
from=$(recorded)
menu 40 120 Down Down Return
appeared() { grep -qs 'quornel.character: appeared' "$LOGS/strace.log"; }
check "the next reading brings it back" wait_for 20 appeared
reading "the reading that brought it back"
kill -TERM $tracer && wait $tracer || true
opened=$(awk '/quornel.character: appearing/ { on = 1 } on && /open|creat/ { print }
              /quornel.character: appeared/ { on = 0 }' "$LOGS/strace.log")
check "while it appears, the window's thread opens no file${opened:+ (it opened $(wc -l <<<"$opened"), first ${opened%%$'\n'*})}" \
    test -z "$opened"
check "... which it traced appearing" grep -q 'quornel.character: appearing' "$LOGS/strace.log"

listen_stop
check "Exit ends the program" exits
