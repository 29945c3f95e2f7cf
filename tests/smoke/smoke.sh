#!/usr/bin/env bash
# The real program on a virtual screen: it must open its main window "Lumora" and
# close cleanly through its Exit menu, with a settings folder of its own. Before that,
# its options answer without any display.
set -euo pipefail
lumora=$1
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/pictures"
export XDG_CONFIG_HOME="$work/config"

no_display=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$lumora")
[[ $("${no_display[@]}" --version) =~ ^lumora\ [0-9.]+$ ]] || { echo "smoke: --version failed" >&2; exit 1; }
status=0
"${no_display[@]}" --bogus >"$work/out" 2>"$work/err" || status=$?
if [ "$status" -ne 2 ] || [ -s "$work/out" ] || ! grep -q '^Usage: lumora' "$work/err"; then
    echo "smoke: an unknown option ended with $status: $(cat "$work/out" "$work/err")" >&2
    exit 1
fi

"$here/../../scripts/xvfb-session.sh" "$lumora" "$work/pictures"
