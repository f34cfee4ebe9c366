#!/bin/bash
# Builds the program and runs every test:
#   1. the ordinary build and all its tests (in-process and on a virtual desktop);
#   2. the AddressSanitizer/UndefinedBehaviorSanitizer build and its in-process tests;
#   0. the formatting check;
#   3. the fuzz run, when the project has one (tests/fuzz/run-fuzz.sh SECONDS).
# Ends with a line "N passed, N failed" over all of them; exits non-zero on
# any failure. FUZZ_SECONDS sets the fuzz budget (default 60).
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-2}"
logdir="$root/build-logs"
mkdir -p "$logdir"

passed=0
failed=0
problems=()

note_failure() { failed=$((failed + 1)); problems+=("$1"); echo "FAILED: $1"; }

# run_ctest PRESET: runs the preset's tests and adds its counts.
run_ctest() {
    local preset="$1" log="$logdir/ctest-$1.log" line total nfail
    ctest --preset "$preset" --parallel "$jobs" 2>&1 | tee "$log"
    local rc=${PIPESTATUS[0]}
    line="$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)"
    if [[ -n "$line" ]]; then
        total="$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")"
        nfail="$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")"
        passed=$((passed + total - nfail))
        failed=$((failed + nfail))
        (( nfail == 0 )) || problems+=("$nfail test(s) of preset $preset")
        (( rc == 0 || nfail > 0 )) || note_failure "ctest --preset $preset (exit $rc)"
    else
        note_failure "ctest --preset $preset ran no test (exit $rc)"
    fi
}

# build PRESET: configures and builds; fails when either step does.
build() {
    echo "==== configure and build: $1"
    cmake --preset "$1" && cmake --build --preset "$1" --parallel "$jobs"
}

echo "==== set-up"
if ! bash "$root/scripts/setup.sh"; then
    echo "the set-up failed; nothing can be built" >&2
    echo "0 passed, 1 failed"
    exit 1
fi

echo "==== formatting"
if git -C "$root" ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run --Werror; then
    passed=$((passed + 1))
else
    note_failure "formatting (clang-format --dry-run --Werror)"
fi

if build default; then
    echo "==== tests: default"
    run_ctest default
else
    note_failure "build of preset default"
fi

if build asan; then
    echo "==== tests: asan (in-process only)"
    run_ctest asan
else
    note_failure "build of preset asan"
fi

if [[ -f "$root/tests/fuzz/run-fuzz.sh" ]]; then
    echo "==== fuzz run (${FUZZ_SECONDS:-60} s)"
    if bash "$root/tests/fuzz/run-fuzz.sh" "${FUZZ_SECONDS:-60}"; then
        passed=$((passed + 1))
    else
        note_failure "tests/fuzz/run-fuzz.sh"
    fi
fi

echo "===="
for p in "${problems[@]}"; do echo "problem: $p"; done
echo "$passed passed, $failed failed"
(( failed == 0 ))
