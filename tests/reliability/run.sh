#!/bin/bash
# SPDX-License-Identifier: MIT
# Reliability trials, run from separate processes as the program meets them:
# usage run.sh STORE-DRIVER. Every trial prints "tried N, kept as
# promised N, changes lost N, messages N" and fails when a promise was broken.
# A full disk and a read-only disk are tmpfs mounts in a mount namespace of our
# own (as root, or through a user namespace); without one they are skipped.
set -uo pipefail
driver="$1"
if [[ -z "${RELIABILITY_NS:-}" ]]; then
    ns=(unshare --mount --propagation private)
    (( EUID == 0 )) || ns=(unshare --map-root-user --mount)
    if "${ns[@]}" true 2>/dev/null; then RELIABILITY_NS=1 exec "${ns[@]}" "$BASH" "$0" "$@"; fi
fi
work="$(mktemp -d)"
trap 'umount -q "$work"/disk* 2>/dev/null; rm -rf "$work"' EXIT
failed=0

# report NAME TRIED KEPT LOST MESSAGES
report() {
    printf '%-12s tried %d, kept as promised %d, changes lost %d, messages %d\n' "$@"
    (( $3 == $2 && $4 == 0 )) || { echo "  FAILED: $1"; failed=1; }
}
# read_note DIR: the note the store in DIR holds.
read_note() { local r; r=$("$driver" read "$1" 2>>"$work/stderr") && echo "${r#*note=}"; }
wait_for() { local end=$((SECONDS + $1)); shift; until "$@"; do (( SECONDS < end )) || return 1; sleep 0.01; done; }
messages() { grep -c '^message:' "$work/stderr" 2>/dev/null; : >"$work/stderr"; }
new_dir() { rm -rf "$work/$1"; mkdir -p "$work/$1"; echo "$work/$1"; }
disk() { mkdir -p "$work/$1" && mount -t tmpfs -o "size=$2" tmpfs "$work/$1" && echo "$work/$1"; }
can_mount() { [[ -n "${RELIABILITY_NS:-}" ]] || { echo "$1 skipped: no mount namespace here"; return 1; }; }

# holds_committed NOTE N: the note is change N or a later one (written, but
# killed before it could say so).
holds_committed() { [[ $1 =~ ^change\ ([0-9]+)$ ]] && (( BASH_REMATCH[1] >= $2 )); }
# killed_writer DIR: writes until killed at a random moment; prints the last
# change it saw committed.
killed_writer() {
    rm -f "$1.log"
    "$driver" write "$1" >"$1.log" 2>>"$work/stderr" & local pid=$!
    wait_for 10 test -s "$1.log"
    sleep "0.$(printf '%03d' $((RANDOM % 250)))"
    kill -9 "$pid"; wait "$pid" 2>/dev/null
    tail -n 1 "$1.log"
}

trial_kill() {
    local n=0 kept=0 lost=0 d last note
    for ((n = 0; n < ${RELIABILITY_KILLS:-20}; n++)); do
        d=$(new_dir kill); last=$(killed_writer "$d")
        note=$(read_note "$d")
        holds_committed "$note" "$last" && kept=$((kept + 1)) ||
            { lost=$((lost + 1)); echo "  committed $last, the file holds \"$note\""; }
    done
    report "kill -9" "$n" "$kept" "$lost" "$(messages)"
}

# A write to a full disk fails, with a message, and is held; 30 s of use go on
# with one message, though changes land now and then in the log's old room;
# once there is room the held change lands.
trial_full_disk() {
    can_mount "full disk" || return 0
    local kept=0 lost=0 d reply; d=$(disk disk1 1m)
    reply=$("$driver" full "$d" 2>>"$work/stderr")
    if [[ $(read_note "$d") != "full 20" ]]; then lost=1
    elif [[ $reply == "before=1 keeping=1 messages=1 "* ]]; then kept=1
    else echo "  $reply"; fi
    report "full disk" 1 "$kept" "$lost" "$(messages)"
}

# A read-only disk holding a store that was closed cleanly, or left behind
# by a killed program: the note shows, with one message, and is not changed.
trial_read_only() {
    can_mount "read-only" || return 0
    local n=0 kept=0 lost=0 d last reply note
    for how in closed killed; do
        n=$((n + 1)); d=$(disk "disk-$how" 32m)
        if [[ $how == closed ]]; then "$driver" read "$d" "change 1" >/dev/null; last=1
        else last=$(killed_writer "$d"); fi
        mount -o remount,ro "$d"
        reply=$("$driver" read "$d" "changed" 2>>"$work/stderr")
        [[ $reply == "keeping=0 messages=1 note=changed" ]] &&
            grep -q 'is on a read-only disk' "$work/stderr" &&
            ! grep -q 'readonly database' "$work/stderr" && kept=$((kept + 1))
        note=$(read_note "$d")
        holds_committed "$note" "$last" || { lost=$((lost + 1)); echo "  $how: \"$note\""; }
    done
    report "read-only" "$n" "$kept" "$lost" "$(messages)"
}

# The trials, in order; another is a function trial_NAME that ends with `report`.
trials=(${RELIABILITY_TRIALS:-kill full_disk read_only})
for t in "${trials[@]}"; do "trial_$t"; done
exit $failed
