#!/usr/bin/env bash
# Runs the real Velmora.exe under Wine in an X server: the window titled with the caption
# has a client area of 554 x 410, a clicked cell changes colour, the hidden hotspot opens a
# box titled with the caption, and closing the window ends the program with status 0.
# Without a window manager Wine's top-level X window is exactly the client area.
# Usage: wine_smoke_test.sh EXE WINE-RUNNER... (inside xvfb-run)
set -uo pipefail
exe=$1
shift
caption='www.velmora.example.com Velmora'
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pixel() {  # R,G,B of the screen at x, y
  import -window root -crop "1x1+$1+$2" "$work/pixel.png" &&
    convert "$work/pixel.png" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}
windows() { xdotool search --name "^$caption\$" 2>/dev/null; }
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
until_true 90 one_window || {
  running || { wait "$pid"; status=$?; [ "$status" -eq 77 ] && exit 77; fail "ended with status $status"; }
  fail "no window titled \"$caption\" appeared"
}
window=$(windows)
info=$(xwininfo -id "$window")
value() { sed -n "s/^ *$1: *//p" <<<"$info"; }
left=$(value 'Absolute upper-left X') top=$(value 'Absolute upper-left Y')
[ "$(value Width)x$(value Height)" = 554x410 ] || fail "client area is $(value Width)x$(value Height)"

cell_x=$((left + 248)) cell_y=$((top + 233))  # the middle of the bottom-left matrix cell
until_true 10 pixel_is "$cell_x" "$cell_y" 0,0,0 || fail "the cell is $(pixel "$cell_x" "$cell_y"), not black"
pixel_is $((left + 550)) $((top + 300)) 128,128,255 ||
  fail "the window's background is $(pixel $((left + 550)) $((top + 300)))"
xdotool mousemove "$cell_x" "$cell_y" click 1
until_true 10 pixel_is "$cell_x" "$cell_y" 255,255,255 ||
  fail "the clicked cell is $(pixel "$cell_x" "$cell_y"), not white"

xdotool mousemove $((left + 4)) $((top + 4)) click 1
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
