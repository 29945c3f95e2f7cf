#!/bin/bash
# Runs lumora_a11y_bench as a screen reader user runs Lumora: on its own session bus,
# with the accessibility bus up, Qt's AT-SPI bridge forced on, a real X display (Xvfb:
# the offscreen platform has no AT-SPI bridge) and a listener registered for every
# event, as a screen reader registers, since Qt sends out only what someone listens
# to. Then once on the same display without accessibility, to compare.
#   bench/a11y-bench.sh [build dir] [bench options...]
# Needs at-spi2-core (at-spi-bus-launcher), dbus-daemon, python3-gi, xvfb (xvfb-run) and xauth.
set -euo pipefail

build=${1:-build}
shift || true
bench=$(realpath "$build/bench/lumora_a11y_bench")

if [ "${1:-}" != --inside ]; then
    echo "== with accessibility (AT-SPI bridge, event listener registered)"
    dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" --inside "$@"
    echo "== without accessibility"
    env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$bench" "$@"
    exit 0
fi
shift

source "$(dirname "$0")/../scripts/a11y-bus.sh"
start_a11y_bus
launcher=$a11y_launcher

# A screen reader's listener, until the registry reports its events.
/usr/bin/python3 "$(dirname "$0")/a11y-listener.py" "$a11y" &
listener=$!
for _ in $(seq 100); do
    busctl --address="$a11y" call org.a11y.atspi.Registry /org/a11y/atspi/registry \
        org.a11y.atspi.Registry GetRegisteredEvents | grep -q focus: && break
    sleep 0.1
done

# Counts the events the program sends over the accessibility bus, to show they go out.
events=$(mktemp)
stdbuf -oL dbus-monitor --address "$a11y" "type='signal'" >"$events" 2>/dev/null &
monitor=$!
sleep 0.3

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$bench" "$@"

sleep 0.5
kill "$monitor" "$listener" "$launcher" 2>/dev/null || true
echo "events sent over the accessibility bus: $(grep -c '^signal' "$events") ($(grep -o 'member=[A-Za-z]*' "$events" | sort | uniq -c | sort -rn | head -4 | tr -s ' \n' ' '))"
rm -f "$events"
