#!/usr/bin/env bash
# Without a display the program stops at once with a message that says how to run it,
# instead of Qt's abort.
# Usage: no_display_test.sh PROGRAM
set -uo pipefail
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$1" 2>&1)
status=$?
[ "$status" -eq 1 ] || { echo "FAIL: ended with status $status: $output" >&2; exit 1; }
grep -q 'needs a display' <<<"$output" && grep -q 'xvfb-run' <<<"$output" ||
  { echo "FAIL: unclear message: $output" >&2; exit 1; }
echo "no-display message passed"
