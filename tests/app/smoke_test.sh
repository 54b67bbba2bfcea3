#!/usr/bin/env bash
# Runs the real program in an X server: checks the window's size and colours, the one font it
# opened and that it loaded no GL driver, clicks a matrix cell, sees it change colour, closes
# the window and expects a clean exit.
# Usage: smoke_test.sh PROGRAM X11-WINDOW-HELPER (inside xvfb-run)
set -euo pipefail
program=$1
x11_window=$2
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
# R,G,B of one pixel of a screenshot.
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }

# Qt's own options must change nothing: the program takes no arguments.
echo 'QWidget { background: green; }' >"$work/green.qss"
"$program" -reverse -stylesheet "$work/green.qss" -style fusion &
pid=$!

window=$("$x11_window" wait " Velmora" 30) || fail "no window appeared"
info=$(xwininfo -id "$window")
value() { echo "$info" | sed -n "s/^ *$1: *//p"; }
left=$(value 'Absolute upper-left X')
top=$(value 'Absolute upper-left Y')
[ "$(value Width)x$(value Height)" = 554x410 ] || fail "window is $(value Width)x$(value Height)"
properties=$(xprop -len 1000000 -id "$window")
grep -q '^WM_CLASS(STRING) = "velmora", "Velmora"$' <<<"$properties" ||
  fail "the program does not name itself Velmora: $(grep WM_CLASS <<<"$properties")"
grep -q 'Icon (32 x 32)' <<<"$properties" || fail "the window has no 32 x 32 icon"
sleep 1
# The only font opened is the one the window's texts are set in (Times New Roman's metric
# twin): none that nothing on screen shows, such as the desktop's default font, is opened.
fonts=$(grep -o '/[^ ]*\.[ot]t[fc]$' "/proc/$pid/maps" | sort -u)
[ "$fonts" = /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf ] ||
  fail "fonts opened: $(echo $fonts)"

# The window is drawn by the CPU: no GL driver (Mesa's dri/ drivers, the LLVM or gallium
# library they bring) is loaded, though the machine has one.
driver=$(grep -E -o '/[^ ]*(/dri/|libLLVM|libgallium)[^ ]*' "/proc/$pid/maps" | sort -u) || true
[ -z "$driver" ] || fail "a GL driver is loaded: $(echo $driver)"

cell_x=$((left + 248)) cell_y=$((top + 233))  # centre of the bottom-left matrix cell
import -window root "$work/before.png"
[ "$(pixel "$work/before.png" $((left + 550)) $((top + 300)))" = 128,128,255 ] ||
  fail "window background is $(pixel "$work/before.png" $((left + 550)) $((top + 300)))"
[ "$(pixel "$work/before.png" $cell_x $cell_y)" = 0,0,0 ] ||
  fail "cell starts as $(pixel "$work/before.png" $cell_x $cell_y), not black"

xdotool mousemove "$cell_x" "$cell_y" click 1
sleep 1
import -window root "$work/after.png"
[ "$(pixel "$work/after.png" $cell_x $cell_y)" = 255,255,255 ] ||
  fail "clicked cell is $(pixel "$work/after.png" $cell_x $cell_y), not white"

"$x11_window" close "$window"
status=0
timeout 20 tail --pid="$pid" -f /dev/null || fail "program still running after its window closed"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "program ended with status $status"
echo "smoke test passed"
