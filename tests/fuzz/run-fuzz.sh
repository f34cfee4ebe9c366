#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the character file fuzzer and runs it for a bounded time:
#   tests/fuzz/run-fuzz.sh SECONDS [BUILD_DIR]
# BUILD_DIR (by default build-fuzz) is configured with the "fuzz" preset when
# it is not yet. The corpus is tests/fuzz/corpus/ (pictures with many kinds of
# chunk, hostile files that once cost gigabytes, and a plain character without
# an appearing animation or double-size pictures) and the test character.
# Exits non-zero when the fuzzer finds a crash, a leak, a timeout or an
# allocation above 64 MB; the input that did it is kept in
# BUILD_DIR/fuzz-artifacts/.
set -eu
case ${1:-} in '' | *[!0-9]*) echo "usage: $0 SECONDS [BUILD_DIR]" >&2; exit 2 ;; esac
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${2:-$root/build-fuzz}
[ -f "$build/CMakeCache.txt" ] || (cd "$root" && cmake --preset fuzz -B "$build")
cmake --build "$build" -j2 --target fuzz_characterfile qchar-pack

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir "$work/corpus"
cp "$root"/tests/fuzz/corpus/*.qchar "$work/corpus/"
"$build/tools/qchar/qchar-pack" "$root/tests/data/tinychar" "$work/corpus/tiny.qchar"

mkdir -p "$build/fuzz-artifacts"
# Leaks are reported; the reader keeps nothing between inputs.
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1} \
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
QT_QPA_PLATFORM=offscreen \
"$build/tests/fuzz/fuzz_characterfile" -max_total_time="$1" -rss_limit_mb=1024 \
    -malloc_limit_mb=64 -timeout=10 -max_len=65536 -dict="$root/tests/fuzz/characterfile.dict" \
    -artifact_prefix="$build/fuzz-artifacts/" -print_final_stats=1 "$work/corpus"
