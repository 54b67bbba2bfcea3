#!/usr/bin/env bash
# Start-up time and peak memory on Wayland, against the floor: weston, on its X11 back end and
# drawing with the CPU, is the compositor inside the X server this runs in, with no panel and
# no animation, so that its window changes only when a program's does; startup_bench then
# watches that window. Each program runs with Qt's Wayland plugin and Qt's other defaults.
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/wayland_startup.sh BUILD/bench/startup_bench \
#     RUNS BUILD/bench/floor_window BUILD/app/velmora
set -euo pipefail
bench=$1
shift
work=$(mktemp -d)
chmod 700 "$work"
trap 'kill "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$work"' EXIT
cat >"$work/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
panel-position=none
animation=none
close-animation=none
startup-animation=none
focus-animation=none
INI
export XDG_RUNTIME_DIR=$work
weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman --socket=wayland-bench \
  --width=1024 --height=768 >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
  window=$(xdotool search --class '^Weston Compositor$' 2>/dev/null | head -n 1) && [ -n "$window" ] &&
    [ -S "$work/wayland-bench" ] && break
  sleep 0.1
done
[ -n "${window:-}" ] || { echo "weston did not start: $(cat "$work/weston.log")" >&2; exit 1; }
xdotool mousemove 1270 1010  # the pointer off weston's window: no cursor to draw
sleep 1
WAYLAND_DISPLAY=wayland-bench QT_QPA_PLATFORM=wayland "$bench" --inside "$window" "$@"
