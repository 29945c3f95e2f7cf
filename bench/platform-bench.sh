#!/usr/bin/env bash
# Start-up under Wayland against start-up under X11: lumora_open_bench's time from the
# process start until the viewer has painted a picture of a folder of 10, with Qt's
# Wayland platform under a headless weston and with its X11 platform under Xvfb.
#   bench/platform-bench.sh [build dir] [lumora_open_bench options...]
set -euo pipefail
build=${1:-build}
shift || true
bench=$(realpath "$build/bench/lumora_open_bench")
work=$(mktemp -d)
weston_pid=""
trap '[ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null; rm -rf "$work"' EXIT

painted() { sed -n 's/^[^:]*: in a folder of 10 after *\([0-9.]*\) ms.*/\1/p' <<<"$1"; }

x11=$(env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$bench" "$@" 2>/dev/null)
echo "== X11 (Xvfb)"; echo "$x11"

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
weston --backend=headless-backend.so --socket=bench --width=1280 --height=1024 --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/bench" ] && break; sleep 0.1; done
wayland=$(env -u DISPLAY WAYLAND_DISPLAY=bench QT_QPA_PLATFORM=wayland "$bench" "$@" 2>/dev/null)
echo "== Wayland (weston)"; echo "$wayland"

a=$(painted "$x11") b=$(painted "$wayland")
awk -v a="$a" -v b="$b" 'BEGIN { printf "start-up to the painted viewer: Wayland %.1f ms, X11 %.1f ms: %.2f x (goal <= 1.2 x)\n", b, a, b / a }'
