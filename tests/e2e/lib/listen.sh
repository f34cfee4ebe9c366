# SPDX-License-Identifier: MIT
# Listening at the null sink, for the cases that read aloud (sourced after
# lib/desktop.sh, once desktop_start --audio has run): the recording, and
# whether a reading was heard whole, for about as long as the voice itself
# takes to say it.

speaking() { local s; s=$(pactl list short sink-inputs) && [[ -n "$s" ]]; }
silent() { ! speaking; }
rec="$E2E_DIR/recording.wav"   # 22050 samples of 2 bytes a second, after a 44-byte header
recorded() { echo $((($(stat -c %s "$rec") - 44) / 2)); }   # samples so far
grown() { (($(recorded) > $1)); }

# sound FILE FROM TO [ONE]: the seconds of sound between these samples of FILE.
# With ONE (the samples of one reading) there are two readings in it, each
# printed: they are parted at the pause nearest to ONE after the first sound.
sound() {
    envelope "$1" "$2" "$3" |
        awk -v one="${4:-0}" '{ if ($1 > 164) loud[n] = 1; n++ }
            END {
                for (i = 0; i < n; i++) if (i in loud) { if (first == "") first = i; last = i }
                if (first == "") { print 0; exit }
                if (!one) { printf "%.2f\n", (last - first + 1) / 100; exit }
                best = -1
                for (i = first; i <= last; i++) {   # pauses of 50 ms or more
                    if (i in loud) continue
                    for (j = i; !(j in loud); j++) {}
                    if (j - i >= 5) {
                        d = i - first - one / 220; d = d < 0 ? -d : d
                        if (best < 0 || d < best) { best = d; from = i; to = j }
                    }
                    i = j
                }
                if (best < 0) { printf "%.2f 0\n", (last - first + 1) / 100; exit }
                printf "%.2f %.2f\n", (from - first) / 100, (last - to + 1) / 100
            }'
}

# envelope FILE FROM TO: the loudest sample of each 10 ms between these samples, one a line.
envelope() {
    dd if="$1" bs=64K iflag=skip_bytes,count_bytes skip=$((44 + $2 * 2)) count=$((($3 - $2) * 2)) \
        status=none | od -An -v -td2 -w2 |
        awk '{ v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v
               if (++k == 220) { print peak; peak = 0; k = 0 } }'
}
# likeness A B: how alike two envelopes are from the first sound of each, as
# their correlation (1: alike, 0: unrelated).
likeness() {
    awk 'NR == FNR { a[n++] = $1; next } { b[m++] = $1 }
        END {
            for (i = 0; i < n && a[i] <= 164; i++) {}
            for (j = 0; j < m && b[j] <= 164; j++) {}
            len = n - i < m - j ? n - i : m - j
            for (k = 0; k < len; k++) {
                x = a[i + k]; y = b[j + k]; sx += x; sy += y; xx += x * x; yy += y * y; xy += x * y
            }
            if (len < 10) { print 0; exit }
            vx = xx / len - (sx / len) ^ 2; vy = yy / len - (sy / len) ^ 2
            printf "%.2f\n", (vx > 0 && vy > 0 ? (xy / len - sx * sy / len / len) / sqrt(vx * vy) : 0)
        }' "$1" "$2"
}
# last_sound FROM TO: seconds from sample FROM of the recording to the end of
# the last sound before sample TO (0: none).
last_sound() {
    envelope "$rec" "$1" "$2" | awk '{ n++; if ($1 > 164) last = n } END { printf "%.2f\n", last / 100 }'
}
# sounding SECONDS: the reading started at sample $from has been heard for so long.
sounding() {
    awk -v h="$(sound "$rec" "$from" "$(recorded)")" -v s="$1" 'BEGIN { exit !(h >= s) }'
}
at_most() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a <= b) }'; }   # A B: A <= B

# expect_voice TEXT [VOICE]: how long espeak-ng says TEXT in the bundled
# character's voice (in another language: VOICE at its rate and pitch):
# $expected seconds of sound, $one samples in all; the sound in $E2E_DIR/expected.wav.
expect_voice() {
    espeak-ng -v "${2:-en-us}" -s 165 -p 50 -w "$E2E_DIR/expected.wav" "$1"
    one=$(($(stat -c %s "$E2E_DIR/expected.wav") / 2 - 22))
    expected=$(sound "$E2E_DIR/expected.wav" 0 "$one")
}
whole() { awk -v h="$1" -v e="$expected" 'BEGIN { exit !(h > e * 0.8 && h < e * 1.2) }'; }

# listen_start: records the null sink into $rec from now on, until listen_stop.
listen_start() {
    # Small fragments: the file keeps up with the sink (by default it grows in seconds-long steps).
    parecord -d nullsink.monitor --rate=22050 --channels=1 --format=s16le --file-format=wav \
        --latency-msec=20 "$rec" 8>&- 9>&- &
    recorder=$!
    _record "$recorder"
    wait_for 20 grown 0 || fail "the recording of the null sink did not start"
}
listen_stop() { kill -INT "$recorder" && wait "$recorder" || true; }

# listen_to_note: a fresh store with speech on and the bundled character, the
# length its reading of the note should have, and the recording started.
listen_to_note() {
    store_init
    speech_on
    expect_voice "You have the following notes: $(store "SELECT Note FROM Note")"
    listen_start
}

# heard_to_end WHAT: a sound stream opens and ends; the sink's last half second is recorded.
heard_to_end() {
    wait_for 20 speaking && wait_for 60 silent || fail "$1 was not heard to its end"
    wait_for 10 grown $(($(recorded) + 11025)) || fail "the recording stopped"
}
# reading WHAT [TWO]: waits for the reading started at sample $from to be
# heard to its end, then checks that it lasted as long as the voice takes
# (TWO: a pair, each of the two).
reading() {
    heard_to_end "$1"
    local heard h; heard=$(sound "$rec" "$from" "$(recorded)" ${2:+"$one"})
    for h in $heard; do
        check "$1 is heard whole ($h s of the voice's $expected s)" whole "$h"
    done
}
