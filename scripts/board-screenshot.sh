#!/usr/bin/env bash
# A screenshot of the thumbnail board on the sample pictures (cmake --build build
# --target samples): Lumora starts in the samples' parent folder, switches to Directory
# Show and walks the folder tree into the samples folder, which puts the folder's
# pictures on the board.
#   scripts/board-screenshot.sh [LUMORA [SAMPLES [SCREENSHOT.png]]]
# Defaults: build/lumora, build/samples, docs/board.png.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
lumora=${1:-$here/../build/lumora}
samples=$(realpath "${2:-$here/../build/samples}")
shot=${3:-$here/../docs/board.png}
# alt+m d: Mode > Directory Show; Tab: the folder tree, on the current folder; Right
# opens it; the first letter of the samples folder's name moves to the first subfolder
# with that letter, which must be the samples folder (true for build/samples).
name=$(basename "$samples")
exec "$here/xvfb-session.sh" "$lumora" "$(dirname "$samples")" "$shot" alt+m d Tab Right "${name:0:1}"
