#!/usr/bin/env bash
# Runs the real program natively on Wayland: weston, on its X11 back end inside Xvfb, is the
# compositor, and Qt's Wayland plugin draws the title bars. The window maps at its size, a
# click on a cell works, and the maximize button of the window and of the hidden note's box
# leaves the program running with the design unchanged; the close button ends it. Where Qt's
# Wayland plugin can draw title bars without GL (Qt 6.5 and later), no GL driver is loaded.
# Usage: wayland_test.sh PROGRAM QT-VERSION (inside xvfb-run, on a screen larger than 1024 x 768)
set -uo pipefail
program=$1
qt_version=$2
work=$(mktemp -d)
chmod 700 "$work"
# The program and weston are gone before the X server is: one left behind would hold the
# server up after the test.
trap 'kill "$pid" "$weston" 2>/dev/null; wait "$pid" "$weston" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
window_color='rgb(128,128,255)'
shot() { import -window root -crop 1024x768+0+0 +repage "$work/$1.png"; }
# The bounding box of the window's own colour in a screenshot: its client area. Prints
# WIDTH HEIGHT LEFT TOP.
client_area() {
  convert "$work/$1.png" -fill black +opaque "$window_color" -fill white -opaque "$window_color" \
    -format '%@' info: | tr 'x+' '  '
}
# weston follows the X pointer from motion events only, so every move comes in two steps.
point() {
  xdotool mousemove $(($1 - 1)) $(($2 - 1))
  sleep 0.2
  xdotool mousemove "$1" "$2"
  sleep 0.2
}
click() { point "$1" "$2" && xdotool click 1 && sleep 1; }
rest() { point 1010 750; }  # off every window, so that no tooltip and no pointer is in a shot
running() { kill -0 "$pid" 2>/dev/null; }
fail_if_gone() { running || fail "the program ended, status $(wait "$pid"; echo $?): $(cat "$work/log")"; }

export XDG_RUNTIME_DIR=$work
weston --backend=x11-backend.so --socket=wayland-velmora --width=1024 --height=768 --idle-time=0 \
  >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
  [ -S "$work/wayland-velmora" ] && break
  sleep 0.1
done
[ -S "$work/wayland-velmora" ] || fail "weston did not start: $(cat "$work/weston.log")"
sleep 1

# Qt before 6.5 asks its EGL integration whether it may draw title bars, and EGL loads the GL
# driver; from 6.5 on, Qt draws them without asking.
title_bars_need_gl=yes
[ "$(printf '%s\n' 6.5 "$qt_version" | sort -V | head -n 1)" = 6.5 ] && title_bars_need_gl=no
# EGL unloads the driver again as the program ends, before LeakSanitizer looks: what the
# driver's own data still holds would then look lost, a leak from an unknown module. In the
# sanitizer build the driver stays loaded to the end (after the sanitizer, which comes first).
preload=
sanitizer=$(ldd "$program" | awk '/libasan/ { print $3 }')
if [ "$title_bars_need_gl" = yes ] && [ -n "$sanitizer" ]; then
  preload="$sanitizer $(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -n 1)"
fi
LD_PRELOAD=$preload WAYLAND_DISPLAY=wayland-velmora QT_QPA_PLATFORM=wayland "$program" \
  >"$work/log" 2>&1 &
pid=$!
xdotool mousemove 1200 900  # outside weston's X window, so that coming in is an entry
sleep 3
fail_if_gone
rest
shot opened
read -r width height left top <<<"$(client_area opened)"
[ "${width}x$height" = 554x410 ] || fail "the client area is ${width}x$height, not 554x410"
driver=$(grep -E -o '/[^ ]*(/dri/|libLLVM|libgallium)[^ ]*' "/proc/$pid/maps" | sort -u)
if [ "$title_bars_need_gl" = no ]; then
  [ -z "$driver" ] || fail "a GL driver is loaded: $(echo $driver)"
else
  echo "Qt $qt_version loaded a GL driver to draw title bars: $(echo $driver)"
fi

# Cell 8, the bottom cell of the second column, is off at start; a click switches it on.
click $((left + 272)) $((top + 233))
rest
shot clicked
[ "$(convert "$work/clicked.png" -format '%[pixel:p{'$((left + 272))','$((top + 233))'}]' info:)" \
  = 'srgb(0,0,0)' ] || fail "the clicked cell did not turn black"
convert "$work/clicked.png" -crop "554x410+$left+$top" +repage "$work/design.png"

# The maximize button sits left of the close button, at the right end of the title bar.
click $((left + width - 40)) $((top - 17))
rest
fail_if_gone
shot maximized
read -r width height left top <<<"$(client_area maximized)"
[ "$width" -ge 554 ] && [ "$height" -ge 410 ] || fail "the window shrank to ${width}x$height"
convert "$work/maximized.png" -crop "554x410+$left+$top" +repage "$work/after.png"
differ=$(compare -metric AE "$work/design.png" "$work/after.png" null: 2>&1)
[ "$differ" = 0 ] || fail "$differ pixels of the window changed with the maximize click"

# The hotspot opens the note; its box has a maximize button too. The box is what changed
# since the last shot, less the main window's title bar, which only turned inactive.
click $((left + 4)) $((top + 4))
rest
shot note
read -r box_width _ box_left box_top <<<"$(compare -metric AE "$work/maximized.png" "$work/note.png" \
  -compose src -highlight-color white -lowlight-color black png:- 2>/dev/null |
  convert - -fill black -draw "rectangle 0,0 1023,$((top - 1))" -format '%@' info: | tr 'x+' '  ')"
[ "${box_width:-0}" -gt 100 ] || fail "the hotspot opened no box"
click $((box_left + box_width - 40)) $((box_top + 15))
rest
fail_if_gone

# Escape closes the box, and the close button, at the right end of the title bar, the window.
xdotool key Escape
sleep 1
click $((left + width - 12)) $((top - 17))
timeout 20 tail --pid="$pid" -f /dev/null || fail "the close button left the program running"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$work/log")"
echo "Velmora on Wayland: native window, click, maximize and close of the window and the box passed"
