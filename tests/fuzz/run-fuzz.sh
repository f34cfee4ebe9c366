#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the character file fuzzer and runs it for a bounded time.
#
#   tests/fuzz/run-fuzz.sh SECONDS [BUILD_DIR]
#
# BUILD_DIR defaults to the "fuzz" preset's build-fuzz; a given folder that
# is not configured yet is configured with clang-14 and QUORNEL_FUZZ=ON.
# The corpus is the committed one (tests/fuzz/corpus/: pictures with many
# kinds of chunk, and hostile files that once cost gigabytes) and files
# packed from the test character (and the default character when its frames
# are there). Exits non-zero when the fuzzer finds a crash, a leak, a
# timeout, an allocation above 64 MB or runs out of memory; the input that
# did it is kept in BUILD_DIR/fuzz-artifacts/.
set -eu

usage() { echo "usage: $0 SECONDS [BUILD_DIR]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] || usage
seconds=$1
case $seconds in ''|*[!0-9]*) usage ;; esac

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${2:-$root/build-fuzz}

if [ ! -f "$build/CMakeCache.txt" ]; then
    if [ $# -eq 1 ]; then
        (cd "$root" && cmake --preset fuzz)
    else
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
            -DQUORNEL_FUZZ=ON -DBUILD_TESTING=OFF
    fi
fi
cmake --build "$build" -j2 --target fuzz_characterfile qchar-pack

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir "$work/corpus"
cp "$root"/tests/fuzz/corpus/*.qchar "$work/corpus/"
pack="$build/tools/qchar/qchar-pack"
"$pack" "$root/tests/data/tinychar" "$work/corpus/tiny.qchar"
"$pack" --voice en+m3 --rate 120 --pitch 10 "$root/tests/data/tinychar" "$work/corpus/tiny-voice.qchar"
# The same frames without the appearing animation, with two mouths and
# without double-size pictures.
mkdir "$work/plain"
cp "$root"/tests/data/tinychar/*.png "$work/plain/"
rm "$work"/plain/*@2x.png
printf 'name P\nidle idle.png 100\nidle mouth-half.png 100\nmouth closed idle.png\nmouth open mouth-open.png\n' \
    > "$work/plain/frames.txt"
"$pack" "$work/plain" "$work/corpus/plain.qchar"
if [ -f "$root/resources/characters/quornel/frames.txt" ]; then
    "$pack" "$root/resources/characters/quornel" "$work/corpus/quornel.qchar" || true
fi

mkdir -p "$build/fuzz-artifacts"
# Leaks are reported; the reader keeps nothing between inputs.
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1} \
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
QT_QPA_PLATFORM=offscreen \
"$build/tests/fuzz/fuzz_characterfile" \
    -max_total_time="$seconds" \
    -rss_limit_mb=1024 \
    -malloc_limit_mb=64 \
    -timeout=10 \
    -max_len=65536 \
    -dict="$root/tests/fuzz/characterfile.dict" \
    -artifact_prefix="$build/fuzz-artifacts/" \
    -print_final_stats=1 \
    "$work/corpus"
