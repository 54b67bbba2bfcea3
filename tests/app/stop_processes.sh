# Sourced by the tests that start processes beside the program.
# stop PID...: ends these processes, each gone before the test's X server is; one that does not
# go within five seconds is killed. Some may have ended already.
stop() {
  kill "$@" 2>/dev/null || true
  for process in "$@"; do
    timeout 5 tail --pid="$process" -f /dev/null 2>/dev/null || kill -9 "$process" 2>/dev/null || true
  done
}
