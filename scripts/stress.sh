#!/usr/bin/env bash
# A long seeded random walk through the real windows under AddressSanitizer and UBSan.
#   scripts/stress.sh [SEED [ACTIONS]]   (ACTIONS: 100000 unless given; SEED: a random one)
# It prints its seed first; a failure names the seed, the action number and the action,
# and running the script again with that seed replays the same actions.
set -euo pipefail
cd "$(dirname "$0")/.."
seed=${1:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
actions=${2:-100000}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-sanitized -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build build-sanitized -j2 --target lumora_stress
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/sanitized/system-leaks.supp" \
    build-sanitized/tests/lumora_stress --seed="$seed" --actions="$actions"
