#!/usr/bin/env bash
# The real program on a virtual screen: it must open its main window "Lumora" and
# close cleanly through its Exit menu, with a settings folder of its own.
set -euo pipefail
lumora=$1
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/pictures"
export XDG_CONFIG_HOME="$work/config"
"$here/../../scripts/xvfb-session.sh" "$lumora" "$work/pictures"
