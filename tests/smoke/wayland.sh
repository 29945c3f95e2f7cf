#!/usr/bin/env bash
# The real program under a headless Wayland compositor (weston), on Qt's Wayland platform,
# with no X server: started on one picture of a folder of three, driven through the
# accessibility bus (atspi-drive.py) up to the menu bar's Exit, it must end with status 0.
#   tests/smoke/wayland.sh LUMORA
set -euo pipefail
lumora=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

if [ "${2:-}" != --inside ]; then
    # A session bus of its own, for the accessibility bus and nothing else.
    exec env -u DISPLAY -u WAYLAND_DISPLAY dbus-run-session -- "$0" "$lumora" --inside
fi

work=$(mktemp -d)
pids=()
end() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap end EXIT
mkdir -p "$work/config" "$work/pictures" -m 700 "$work/runtime"
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
names=(a.jpg b.jpg c.jpg)
for name in "${names[@]}"; do
    convert -size 320x240 "plasma:fractal" "$work/pictures/$name"
done

weston --backend=headless-backend.so --socket=lumora --width=1280 --height=1024 --idle-time=0 \
    >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/lumora" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/lumora" ] || { echo "wayland: weston did not start:" >&2; cat "$work/weston.log" >&2; exit 1; }
export WAYLAND_DISPLAY=lumora

source "$here/../../scripts/a11y-bus.sh"
start_a11y_bus
pids+=("$a11y_launcher")

cd "$work"
QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$lumora" "$work/pictures/${names[1]}" &
lumora_pid=$!
pids+=($lumora_pid)
/usr/bin/python3 "$here/atspi-drive.py" "$a11y" "$work/pictures" "${names[@]}"
for _ in $(seq 100); do
    kill -0 "$lumora_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$lumora_pid" 2>/dev/null && { echo "wayland: Lumora did not close" >&2; exit 1; }
status=0
wait "$lumora_pid" || status=$?
[ "$status" -eq 0 ] || { echo "wayland: Lumora ended with status $status" >&2; exit 1; }
echo "wayland: Lumora ran under weston and ended with status 0"
