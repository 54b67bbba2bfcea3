#!/usr/bin/env bash
# Where no window can be opened, the program says which display it tried and how to run it,
# and ends with status 1, instead of Qt's abort. Qt's own platform choice keeps working.
# Usage: unusable_display_test.sh PROGRAM
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Started under another name, the program must give that name in its hint.
ln -s "$(realpath "$1")" "$work/started-as"
failures=0

expect_message() {  # what the message must name, then the environment
  local names=$1 output status
  shift
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$@" \
           timeout 20 "$work/started-as" 2>&1)
  status=$?
  if [ "$status" -ne 1 ] || ! grep -qF -- "$names" <<<"$output" ||
     ! grep -qF "xvfb-run -a $work/started-as" <<<"$output" || ! grep -qF 'package xvfb' <<<"$output" ||
     grep -q 'Reinstalling' <<<"$output"; then
    echo "FAIL with $*: status $status, said: $output" >&2
    failures=$((failures + 1))
  fi
}

expect_message 'DISPLAY is not set'
expect_message 'the X11 display ":4242"' DISPLAY=:4242
expect_message 'the X11 display "no such:display"' 'DISPLAY=no such:display'
expect_message 'DISPLAY is not set' QT_QPA_PLATFORM=xcb
expect_message 'DISPLAY is not set' WAYLAND_DISPLAY=wayland-0
expect_message 'the Wayland display "wayland-0"' XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-0
expect_message 'the X11 display ":4242"' 'QT_QPA_PLATFORM=wayland;xcb' DISPLAY=:4242

# A platform that needs no display still opens the window: still running when stopped.
env -u DISPLAY QT_QPA_PLATFORM=offscreen timeout 3 "$1" >/dev/null 2>&1
status=$?
[ "$status" -eq 124 ] || { echo "FAIL: offscreen run ended with status $status" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || exit 1
echo "unusable-display messages passed"
