#!/usr/bin/env bash
# Fails when a folder of src/ includes a file of a folder that includes one of its own
# files back (directly): the subsystems build on each other in one direction only.
#   folder_cycles.sh SRC_DIR
set -euo pipefail
cd "$1"
# One "from to" pair per include of a file in another folder.
pairs=$(grep -rEo --include='*.cpp' --include='*.h' '^#include "[A-Za-z]+/' . \
        | sed -E 's|^\./([^/:]+)/[^:]*:#include "([A-Za-z]+)/$|\1 \2|; t; d' \
        | awk '$1 != $2' | sort -u)
status=0
while read -r from to; do
    [ -n "$from" ] || continue
    if grep -qx "$to $from" <<<"$pairs"; then
        [[ "$from" < "$to" ]] && echo "folders include each other: $from <-> $to" >&2
        status=1
    fi
done <<<"$pairs"
[ $status -eq 0 ] && echo "no folder includes its includer ($(wc -l <<<"$pairs") folder dependencies)"
exit $status
