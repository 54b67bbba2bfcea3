#!/usr/bin/env bash
# The icon files kept in the repository are exactly what the generator draws from the picture.
# Usage: icon_up_to_date.sh MAKE-ICON ICON-DIR
set -euo pipefail
make_icon=$1
icon_dir=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
"$make_icon" "$icon_dir/hamburger.txt" "$fresh"
for file in "$fresh"/*; do
  cmp "$file" "$icon_dir/$(basename "$file")" ||
    { echo "$(basename "$file") is stale: cmake --build BUILD --target icon" >&2; exit 1; }
done
echo "icon files are up to date"
