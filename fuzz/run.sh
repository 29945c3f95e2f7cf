#!/usr/bin/env bash
# Builds the JPEG fuzzer with clang and runs it for the given number of seconds:
#   fuzz/run.sh 600
# New corpus entries stay in build-fuzz/corpus; an input that crashes is written to
# fuzz/regressions/, which the ctest replay runs from then on (commit it with the fix).
# fuzz/run.sh --seeds rewrites the kept seed corpus and hostile inputs instead.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=build-fuzz

cmake -S fuzz -B "$BUILD" -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j2

if [ "${1:-}" = "--seeds" ]; then
    exec "$BUILD/lumora_fuzz_seeds" fuzz/corpus fuzz/regressions
fi

mkdir -p "$BUILD/corpus"
exec "$BUILD/lumora_fuzz_jpeg" "$BUILD/corpus" fuzz/corpus fuzz/regressions \
     -max_total_time="${1:-600}" -artifact_prefix=fuzz/regressions/ \
     -rss_limit_mb=3072 -max_len=32768 -timeout=20 -print_final_stats=1
