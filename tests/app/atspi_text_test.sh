#!/usr/bin/env bash
# Runs the real program on a session's accessibility bus, as under a screen reader, and has
# atspi_text_test.py ask it what screen readers ask. Usage: atspi_text_test.sh PROGRAM
# (inside xvfb-run and dbus-run-session).
set -euo pipefail
program=$1
here=$(dirname "$0")
pids=()
# Ends what the test started, each gone before the X server is; one that does not go within
# five seconds is killed.
stop() {
  kill "$@" 2>/dev/null || true  # some may have ended already
  for process in "$@"; do
    timeout 5 tail --pid="$process" -f /dev/null 2>/dev/null || kill -9 "$process" 2>/dev/null || true
  done
}
trap 'stop "${pids[@]}"' EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
pids+=($!)
program_pid=$!
timeout 300 /usr/bin/python3 "$here/atspi_text_test.py"
kill -0 "$program_pid" || { echo "FAIL: the program has ended" >&2; exit 1; }
