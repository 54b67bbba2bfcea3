#!/usr/bin/env bash
# Runs the real Velmora.exe under Wine in an X server: the window titled with the caption
# has a client area of 554 x 410, the keyboard and the mouse click its buttons, the hidden
# hotspot opens a box titled with the caption, and closing the window ends the program with
# status 0.
# Without a window manager Wine's top-level X window is exactly the client area.
# Usage: wine_smoke_test.sh EXE WINE-RUNNER... (inside xvfb-run)
set -uo pipefail
exe=$1
shift
caption='www.velmora.example.com Velmora'
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pixel() {  # R,G,B of the screen at X Y
  import -window root -crop "1x1+$1+$2" "$work/pixel.png" &&
    convert "$work/pixel.png" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}
# Only windows that are shown: Wine makes the box's X window before it maps it, and focus
# cannot go to it until then.
windows() { xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null; }
until_true() {  # seconds, command...: polls the command until it succeeds
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}
running() { kill -0 "$pid" 2>/dev/null; }
one_window() { [ "$(windows | wc -l)" -eq 1 ]; }
two_windows() { [ "$(windows | wc -l)" -eq 2 ]; }
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

"$@" "$exe" &
pid=$!
shown_or_ended() { one_window || ! running; }
until_true 90 shown_or_ended
if ! running; then
  wait "$pid"
  status=$?
  [ "$status" -eq 77 ] && exit 77  # Wine cannot run it here, and said so
  fail "ended with status $status before its window appeared"
fi
one_window || fail "no window titled \"$caption\" appeared"
window=$(windows)
info=$(xwininfo -id "$window")
value() { sed -n "s/^ *$1: *//p" <<<"$info"; }
left=$(value 'Absolute upper-left X') top=$(value 'Absolute upper-left Y')
[ "$(value Width)x$(value Height)" = 554x410 ] || fail "client area is $(value Width)x$(value Height)"

at() { echo $((left + $1)) $((top + $2)); }  # screen position of a point of the client area
top_left_cell=$(at 248 65) bottom_left_cell=$(at 248 233) white_cell=$(at 272 233)
until_true 10 pixel_is $top_left_cell 0,0,0 || fail "the top-left cell is $(pixel $top_left_cell), not black"
until_true 10 pixel_is $(at 550 300) 128,128,255 || fail "the window's background is $(pixel $(at 550 300))"

# The keyboard: the focus starts on the first palette button that takes it (pink), Return
# clicks it; Tab then walks the palette, the assignment text and on to the first cell, and
# Space switches that cell off.
pink=255,192,192
xdotool windowfocus --sync "$window" key Return
until_true 10 pixel_is $top_left_cell $pink || fail "Return chose no pink ink: $(pixel $top_left_cell)"
xdotool key $(printf 'Tab %.0s' {1..47}) space
until_true 10 pixel_is $bottom_left_cell 255,255,255 ||
  fail "Tab and Space did not switch the first cell off: $(pixel $bottom_left_cell)"

xdotool mousemove $white_cell click 1
until_true 10 pixel_is $white_cell $pink || fail "the clicked cell is $(pixel $white_cell), not pink"
# Three quick clicks: Windows reports the second as a double click, which counts too, so the
# cell ends up off.
sleep 0.6  # longer than a double click, so that the first of them is a single click
xdotool click --repeat 3 --delay 80 1
until_true 10 pixel_is $white_cell 255,255,255 ||
  fail "three quick clicks left the cell $(pixel $white_cell): one was lost"

# A press on the hotspot released outside it is no click; a press and release on it is.
xdotool mousemove $(at 4 4) mousedown 1 mousemove $(at 60 60) mouseup 1
sleep 1
one_window || fail "a press on the hotspot released outside it opened a box"
xdotool mousemove $(at 4 4) click 1
until_true 20 two_windows || fail "the hotspot opened no box titled \"$caption\""
box=$(windows | grep -vx "$window")
xdotool windowfocus --sync "$box" key Return
until_true 20 one_window || fail "the box did not close on Return"

xdotool windowfocus --sync "$window" key alt+F4
until_true 30 eval '! running' || fail "still running after its window was closed"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "ended with status $status"
echo "Velmora.exe under Wine: window, click, hidden note and exit passed"
