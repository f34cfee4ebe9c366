#!/bin/bash
# SPDX-License-Identifier: MIT
# The speaker (the process that holds the voice) stopped or killed at a random
# moment of a reading, five times in a run: the reading ends (its balloon goes),
# that speaker is gone, and the next reading, by a new speaker, is heard whole
# at the null sink. The character put away with its menu gives back its
# pictures; while it appears again, the window's thread opens no file.
# E2E_SEED=N repeats a run's moments.
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1"
desktop_start --audio
source "$(dirname "${BASH_SOURCE[0]}")/lib/listen.sh"

listen_to_note
# The character says when it begins to appear and when it has appeared.
export QT_LOGGING_RULES="quornel.character.debug=true"
app_start

speakers() { pgrep -P "$APP_PID" -x quornel-speaker; }
gone() { ! kill -0 "$1" 2>/dev/null; }
new_speaker() { local s; s=$(speakers) && [[ " ${s//$'\n'/ } " != *" $1 "* ]]; }
# The balloon has gone once the window takes the mouse only on the character.
balloon_gone() {
    local r id h; r=$(wins UTILITY Quornel) && read -r id _ _ _ _ _ h <<<"$r" || return 1
    [[ -n "$id" ]] && (($("$XPROBE" input "$id") < h * 3 / 4))
}

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
    # A moment chosen at random, not a state: nothing to wait for.
    sleep "$(printf '%d.%03d' $((at / 1000)) $((at % 1000)))"
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

# Put away, then brought back by a reading, with the window's thread traced.
read -r ch _ _ _ _ cw chh <<<"$(wins UTILITY Quornel)"
xdotool mousemove --window "$ch" $((cw / 2)) $((chh - 60)) click 3 && wait_for 10 menus 1 && keys Down Return
wait_for 5 eval '! win UTILITY Quornel' || fail "Hide did not put the character away"
strace -qq -tt -e trace=open,openat,openat2,creat,write -o "$LOGS/strace.log" -p "$APP_PID" 8>&- 9>&- &
tracer=$! && _record $tracer
traced() { ! grep -qs 'TracerPid:[[:space:]]*0$' /proc/"$APP_PID"/status; }
wait_for 10 traced || fail "strace did not attach"
from=$(recorded)
menu 40 120 Down Down Return
appeared() { grep -qs 'quornel.character: appeared' "$LOGS/strace.log"; }
wait_for 20 appeared || fail "the character did not appear again"
reading "the reading that brought it back"
kill -TERM $tracer && wait $tracer || true
opened=$(awk '/quornel.character: appearing/ { on = 1 } on && /open|creat/ { print }
              /quornel.character: appeared/ { on = 0 }' "$LOGS/strace.log")
check "while it appears, the window's thread opens no file${opened:+ (it opened $(wc -l <<<"$opened"), first ${opened%%$'\n'*})}" \
    test -z "$opened"
check "... which it traced appearing" grep -q 'quornel.character: appearing' "$LOGS/strace.log"

listen_stop
menu 40 120 Up Return
check "Exit ends the program" app_ends
