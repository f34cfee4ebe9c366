#!/bin/bash
# SPDX-License-Identifier: MIT
# Builds the program and runs every check:
#   formatting (clang-format) and static analysis (clang-tidy);
#   the ordinary build (g++) and all its tests: in-process, on a virtual
#   desktop, the installed program, the store's reliability trials;
#   the Debian package: made, checked by lintian, installed on this machine
#   with apt-get, its installed program checked (on an accessibility bus
#   too), and removed again;
#   the AddressSanitizer/UndefinedBehaviorSanitizer build (clang) and its
#   in-process tests;
#   a short fuzz run of the character file reader.
# Warnings are errors in every build. Ends with the names of what failed
# and a line "N passed, N failed", and exits non-zero on any failure.
# FUZZ_SECONDS sets the fuzz budget (default 60). Logs are in build-logs/;
# those of the failed cases, and the folders the failed end-to-end cases
# kept (their logs, screenshots and store), are also kept for good in
# build-logs/failed-<date and time of the run>/, which later runs leave
# alone.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-2}"
logdir="$root/build-logs"
mkdir -p "$logdir"
kept="$logdir/failed-$(date +%Y%m%d-%H%M%S)"   # made at the first failure
export E2E_KEEP_DIR="$kept/e2e"

passed=0
failed=0
problems=()

pass() { passed=$((passed + 1)); }
note_failure() { failed=$((failed + 1)); problems+=("$1"); echo "FAILED: $1"; }

# keep_log FILE: a copy of the log of something that failed, kept for good.
keep_log() { mkdir -p "$kept" && cp "$1" "$kept/"; }

# logged NAME DESCRIPTION CMD...: runs a check, its output shown and in
# build-logs/NAME.log, kept when it fails.
logged() {
    local log="$logdir/$1.log"
    "${@:3}" >"$log" 2>&1
    local rc=$?
    cat "$log"
    if ((rc == 0)); then
        pass
    else
        keep_log "$log"
        note_failure "$2 (exit $rc; its output in ${kept#"$root"/}/${log##*/})"
    fi
}

# run_ctest PRESET: runs the preset's tests and adds its counts; each
# failed test is named, and the log, with the failed tests' output, kept.
run_ctest() {
    local preset="$1" log="$logdir/ctest-$1.log" line total nfail rc name
    ctest --preset "$preset" --parallel "$jobs" --output-on-failure >"$log" 2>&1
    rc=$?
    cat "$log"
    line="$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)"
    if [[ -z "$line" ]]; then
        note_failure "ctest --preset $preset ran no test (exit $rc)"
        return
    fi
    total="$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")"
    nfail="$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")"
    passed=$((passed + total - nfail))
    failed=$((failed + nfail))
    if ((nfail > 0)); then
        keep_log "$log"
        while read -r name; do
            problems+=("$name (preset $preset; its output in ${kept#"$root"/}/${log##*/})")
        done < <(sed -n '/The following tests FAILED:/,$s/^[[:space:]]*[0-9]\+ - \([^ ]*\) .*/\1/p' "$log")
    fi
    ((rc == 0 || nfail > 0)) || note_failure "ctest --preset $preset (exit $rc)"
}

# build PRESET: configures and builds; fails when either step does.
build() {
    echo "==== configure and build: $1"
    cmake --preset "$1" && cmake --build --preset "$1" --parallel "$jobs"
}

echo "==== set-up"
if ! bash "$root/scripts/setup.sh" --test; then
    echo "the set-up failed; nothing can be built" >&2
    echo "0 passed, 1 failed"
    exit 1
fi

echo "==== formatting"
if git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run --Werror; then
    pass
else
    note_failure "formatting (clang-format --dry-run --Werror)"
fi

if build default; then
    echo "==== static analysis (clang-tidy)"
    if run-clang-tidy-14 -p build -j "$jobs" -quiet \
        "$root/(app|platform|store|speech|forms|tools|benchmarks|tests)/.*\.(cpp|c)$" \
        >"$logdir/clang-tidy.log" 2>&1; then
        pass
    else
        grep -E 'warning:|error:' "$logdir/clang-tidy.log" | sort -u
        keep_log "$logdir/clang-tidy.log"
        note_failure "clang-tidy (its output in ${kept#"$root"/}/clang-tidy.log)"
    fi
    echo "==== tests: default"
    run_ctest default
else
    note_failure "build of preset default"
fi

# The Debian package, made as the README says. This machine is left with the
# packages it had: the package is purged at the end, whatever its checks say.
check_package() {
    local deb before after
    echo "==== Debian package"
    rm -f build-package/*.deb
    cmake --workflow --preset package >"$logdir/package.log" 2>&1 ||
        { tail -n 30 "$logdir/package.log"; note_failure "cmake --workflow --preset package"; return; }
    deb="$(echo build-package/quornel-desktop-notes_*.deb)"
    logged lintian "lintian on $deb" lintian --fail-on error,warning "$deb"
    if dpkg-query -W quornel-desktop-notes >/dev/null 2>&1; then
        note_failure "quornel-desktop-notes is installed already; the package was not tried"
        return
    fi
    before="$(dpkg-query -W)"
    if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$deb" </dev/null \
        >"$logdir/package-install.log" 2>&1; then
        cat "$logdir/package-install.log"
        note_failure "apt-get install ./$deb"
    else
        logged installed-install "the install check of the installed package" \
            bash tests/install/test_install.sh --installed "$(dpkg-deb -f "$deb" Version)"
        logged installed-accessibility "the accessibility case on the installed package" \
            env E2E_XPROBE="$root/build/tests/e2e/e2e-xprobe" \
            bash tests/e2e/test_accessibility.sh /usr/bin/quornel-desktop-notes
    fi
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -q quornel-desktop-notes </dev/null \
        >>"$logdir/package-install.log" 2>&1 || note_failure "apt-get purge quornel-desktop-notes"
    after="$(dpkg-query -W)"
    if [[ "$before" == "$after" && ! -e /etc/xdg/autostart/quornel-desktop-notes.desktop ]]; then
        pass
    else
        note_failure "the machine was not left with the packages and files it had"
    fi
}
if [[ -x build/tests/e2e/e2e-xprobe ]]; then
    check_package
else
    note_failure "the Debian package was not tried: the default build failed"
fi

if build asan; then
    echo "==== tests: asan (in-process)"
    run_ctest asan
else
    note_failure "build of preset asan"
fi

echo "==== fuzz run (${FUZZ_SECONDS:-60} s)"
logged fuzz "the fuzz run (tests/fuzz/run-fuzz.sh)" bash "$root/tests/fuzz/run-fuzz.sh" "${FUZZ_SECONDS:-60}"

echo "===="
# The tests' share of the code (images and Markdown aside), for the record.
share() { git ls-files "$@" | grep -vE '\.(png|bmp|svg|md|qchar)$' | tr '\n' '\0' | xargs -0 cat | wc -l; }
tests=$(share tests) rest=$(share ':!tests')
echo "test lines: $tests against $rest of the rest ($((100 * tests / rest))%)"
((${#problems[@]} == 0)) || echo "failed:"
for p in "${problems[@]}"; do echo "  $p"; done
[[ ! -d "$kept" ]] || echo "kept: ${kept#"$root"/}"
echo "$passed passed, $failed failed"
((failed == 0))
