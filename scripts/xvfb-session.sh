#!/usr/bin/env bash
# Starts Lumora on a virtual screen, waits for its main window ("Lumora"), optionally
# saves a screenshot of the whole screen, closes the window through its Exit menu
# and ends with Lumora's own exit status.
#   scripts/xvfb-session.sh LUMORA FOLDER [SCREENSHOT.png]
set -euo pipefail
if [ -z "${XVFB_SESSION_INNER:-}" ]; then
    export XVFB_SESSION_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

lumora=$(realpath "$1")
folder=$2
shot=${3:+$(realpath -m "$3")}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

cd "$folder"
"$lumora" &
pid=$!

window=""
for _ in $(seq 1 80); do
    window=$(xdotool search --onlyvisible --name '^Lumora$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
done
if [ -z "$window" ]; then
    echo "xvfb-session: no window titled Lumora appeared" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi

if [ -n "$shot" ]; then
    sleep 2   # the folder tree reads the file system in the background
    import -window root "$shot"
    echo "Screenshot saved to $shot"
fi

# Alt+E is the menu bar's Exit.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+e
for _ in $(seq 1 40); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
done
if kill -0 "$pid" 2>/dev/null; then
    echo "xvfb-session: Lumora did not close" >&2
    kill "$pid"
    exit 1
fi
wait "$pid"
