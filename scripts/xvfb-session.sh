#!/usr/bin/env bash
# Starts Lumora on a virtual screen, waits for its main window ("Lumora", or
# "Lumora   [ FOLDER ]" once a folder is chosen), optionally saves a screenshot of the
# whole screen, closes the window through its Exit menu and ends with Lumora's own exit
# status.
#   scripts/xvfb-session.sh [--arg ARG]... [--window TITLE] LUMORA FOLDER [SCREENSHOT.png [KEY...]]
# Each ARG goes to Lumora's command line. With --window the session also waits for a
# window whose title matches TITLE (an extended regular expression), e.g. the viewer's.
# The KEYs (xdotool key names, e.g. alt+o Return for Options > Properties) are pressed
# in the main window before the screenshot, to open another window for it; Esc closes
# that window again before Lumora is closed.
set -euo pipefail
args=()
also=""
while [ $# -gt 0 ]; do
    case "$1" in
    --arg) args+=("$2"); shift 2 ;;
    --window) also=$2; shift 2 ;;
    *) break ;;
    esac
done
lumora=$(realpath "$1")
folder=$2
shot=${3:+$(realpath -m "$3")}
keys=("${@:4}")

# A virtual screen of its own. Xvfb picks a free display itself and writes its number to
# -displayfd once it takes connections, so sessions started together never race for one.
# Only clients that hold the session's cookie may connect.
session=$(mktemp -d)
xvfb=""
end_session() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$session"
}
trap end_session EXIT

export XAUTHORITY=$session/Xauthority
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
# The server takes every cookie of its file whatever display the entry names; the
# client needs one under the real display, added once Xvfb has said which it is.
: >"$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add :0 MIT-MAGIC-COOKIE-1 "$cookie"
mkfifo "$session/display"
# -noreset: the window search below connects and leaves again before Lumora is on the
# screen, and a server that resets when its last client leaves may refuse Lumora then.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset -auth "$XAUTHORITY" \
    3>"$session/display" >"$session/xvfb.log" 2>&1 &
xvfb=$!
display=""
read -r -t 30 display <"$session/display" || true
if [ -z "$display" ]; then
    echo "xvfb-session: the virtual screen (Xvfb) did not start:" >&2
    cat "$session/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$display
xauth -q add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$session/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

cd "$folder"
"$lumora" "${args[@]}" &
pid=$!

# The first visible window whose title matches $1, waited for while Lumora runs.
find_window() {
    local found=""
    for _ in $(seq 1 80); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$found" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.25
    done
    if [ -z "$found" ]; then
        echo "xvfb-session: no window titled $1 appeared" >&2
        kill "$pid" 2>/dev/null || true
        exit 1
    fi
    echo "$found"
}
window=$(find_window '^Lumora($|   \[)')
[ -z "$also" ] || find_window "$also" >/dev/null

if [ ${#keys[@]} -gt 0 ]; then
    xdotool windowfocus --sync "$window"
    for key in "${keys[@]}"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.5
    done
fi
if [ -n "$shot" ]; then
    sleep 2   # the folder tree reads the file system in the background
    import -window root "$shot"
    echo "Screenshot saved to $shot"
fi
if [ ${#keys[@]} -gt 0 ]; then
    xdotool key --clearmodifiers Escape
    sleep 0.5
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
