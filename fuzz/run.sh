#!/usr/bin/env bash
# Builds the fuzzers with clang and runs one of them for the given number of seconds:
#   fuzz/run.sh TARGET [SECONDS] [LIBFUZZER OPTIONS...]
#   TARGET: jpeg, bmp, settings, album, qt, heif, jxl, raw
#   fuzz/run.sh album 600
# New corpus entries stay in build-fuzz/corpus/TARGET; an input that fails is written to
# fuzz/regressions/TARGET/, which the ctest replay runs from then on (commit it with the fix).
# fuzz/run.sh --seeds rewrites every target's kept seed corpus and hostile inputs instead.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=build-fuzz

usage() {
    echo "usage: $0 jpeg|bmp|settings|album|qt|heif|jxl|raw [SECONDS] [LIBFUZZER OPTIONS...] | --seeds" >&2
    exit 2
}
[ $# -ge 1 ] || usage

TARGET=$1
case "$TARGET" in
    jpeg) MAX_LEN=32768 ;;
    bmp) MAX_LEN=16384 ;;
    qt) MAX_LEN=32768 ;;
    heif) MAX_LEN=65536 ;;
    settings|album) MAX_LEN=4096 ;;
    jxl) MAX_LEN=16384 ;;
    raw) MAX_LEN=65536 ;;
    --seeds) ;;
    *) usage ;;
esac

cmake -S fuzz -B "$BUILD" -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j2

if [ "$TARGET" = "--seeds" ]; then
    exec "$BUILD/lumora_fuzz_seeds" fuzz
fi

SECONDS_TO_RUN=${2:-600}
shift $(( $# >= 2 ? 2 : 1 ))

mkdir -p "$BUILD/corpus/$TARGET" "fuzz/regressions/$TARGET"
# What system libraries the readers sit on keep (dav1d under libheif) is not a finding.
export LSAN_OPTIONS=suppressions="$PWD/tests/sanitized/system-leaks.supp"
exec "$BUILD/lumora_fuzz_$TARGET" "$BUILD/corpus/$TARGET" "fuzz/corpus/$TARGET" "fuzz/regressions/$TARGET" \
     -max_total_time="$SECONDS_TO_RUN" -artifact_prefix="fuzz/regressions/$TARGET/" \
     -rss_limit_mb=3072 -max_len="$MAX_LEN" -timeout=20 -print_final_stats=1 "$@"
