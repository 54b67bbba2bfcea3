# Sourced by the tests that start processes beside the program.
# ended_cleanly PID: the program, whose window the test has just closed, ends within 20 seconds
# with status 0 (and so also writes what a coverage build counts).
ended_cleanly() {
  local status=0
  timeout 20 tail --pid="$1" -f /dev/null || { echo "FAIL: the program still runs after its window closed" >&2; return 1; }
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || { echo "FAIL: the program ended with status $status" >&2; return 1; }
}
# stop PID...: ends these processes, each gone before the test's X server is; one that does not
# go within five seconds is killed. Some may have ended already.
stop() {
  kill "$@" 2>/dev/null || true
  for process in "$@"; do
    timeout 5 tail --pid="$process" -f /dev/null 2>/dev/null || kill -9 "$process" 2>/dev/null || true
  done
}
