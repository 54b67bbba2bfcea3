#!/usr/bin/env bash
# Runs the real program on a session's accessibility bus, as under a screen reader, and has
# atspi_text_test.py ask it what screen readers ask; then closes its window. Usage:
# atspi_text_test.sh PROGRAM X11-WINDOW-HELPER (inside xvfb-run and dbus-run-session).
set -euo pipefail
program=$1
x11_window=$2
here=$(dirname "$0")
pids=()
source "$(dirname "$0")/stop_processes.sh"
trap 'stop "${pids[@]}"' EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
pids+=($!)
program_pid=$!
timeout 300 /usr/bin/python3 "$here/atspi_text_test.py"
kill -0 "$program_pid" || { echo "FAIL: the program has ended" >&2; exit 1; }
window=$("$x11_window" wait " Velmora" 10)
"$x11_window" close "$window"
ended_cleanly "$program_pid"
