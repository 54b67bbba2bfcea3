#!/usr/bin/env bash
# A blind user's session: the real program under the Orca screen reader, with openbox to
# activate its window, driven by the keyboard alone; what Orca says is read from its debug
# file. The user hears the whole value of К8 when the focus comes to it and word by word in
# it, the program goes on answering after that, toggling the top right cell tells its state
# and its column's new value, the clear button tells that all columns are 0, and the
# assignment is read line by line; Alt+F4 closes the window.
# Usage: orca_test.sh PROGRAM (inside xvfb-run and dbus-run-session)
set -euo pipefail
program=$1
here=$(dirname "$0")
work=$(mktemp -d)
pids=()
source "$(dirname "$0")/stop_processes.sh"
trap 'stop "${pids[@]}"; rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
log=$work/orca.log

fail() {
  echo "FAIL: $*" >&2
  echo "What Orca said:" >&2
  said >&2 || true
  exit 1
}
# Everything Orca has said so far, one utterance a line. An utterance that ends a line of text
# carries its line break, which the debug file continues on its next line: the two are joined.
said() {
  awk '
    /SPEECH OUTPUT: \x27/ { text = $0; sub(/^.*SPEECH OUTPUT: \x27/, "", text); open = 1 }
    open && !/SPEECH OUTPUT/ { more = $0; sub(/^ +/, "", more); text = text more }
    open && /\x27 ?\{\x27established/ { sub(/\x27 ?\{\x27established.*$/, "", text); print text; open = 0 }
  ' "$log" 2>/dev/null
}
# Waits until Orca, after line $1 of what it said, says a line matching $2 (grep -E).
mark=0
expect() {
  local pattern=$1 deadline=$((SECONDS + 20))
  until said | tail -n +"$((mark + 1))" | grep -qE -- "$pattern"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "Orca did not say /$pattern/"
    kill -0 "$program_pid" 2>/dev/null || fail "the program has ended"
    sleep 0.2
  done
}
# Presses a key and then expects what Orca says to it; no line may match $3.
press() {
  local key=$1 pattern=$2 forbidden=${3:-}
  mark=$(said | wc -l)
  # A modifier is held down a moment on its own first, as a person's hand does: a newer Orca
  # reads the modifiers from its own view of the keyboard, which a combination sent in one
  # go can outrun (it would take ctrl+Left for Left).
  if [[ $key == *+* ]]; then
    xdotool keydown "${key%%+*}"
    sleep 0.3
    xdotool key "${key#*+}"
    sleep 0.3
    xdotool keyup "${key%%+*}"
  else
    xdotool key "$key"
  fi
  expect "$pattern"
  sleep 0.7  # let the rest of what it says come
  if [ -n "$forbidden" ] && said | tail -n +"$((mark + 1))" | grep -qxE -- "$forbidden"; then
    fail "after $key Orca said /$forbidden/"
  fi
  echo "$key: $(said | tail -n +"$((mark + 1))" | grep -v '^\(left \)\?\(shift\|control\|tab\|space\) \?$' | paste -sd '|')"
}

xset r off  # a key held a moment too long must not repeat
openbox &
pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
/usr/bin/python3 "$here/run_orca.py" --debug-file="$log" >"$work/orca.out" 2>&1 &
pids+=($!)
program_pid=0
expect 'Screen reader on'
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
program_pid=$!
pids+=("$program_pid")
expect 'Цвят на мастилото: червено 255, зелено 192, синьо 192'

# Back from the first palette entry to the clear button, and to К8 with its whole value.
press shift+Tab 'Изчисти'
press shift+Tab '^112\.?$' '11\.?|1\.?|11 selected|selected'
said | tail -n +"$((mark + 1))" | grep -q 'Сума на колона К8' || fail "К8 was not named"
# Word by word there: the whole number each time, and the program still answers.
press ctrl+Left '^112$' '11|1'
press ctrl+Right '^112$' '11|1'
# On through К7..К1 to the top right cell, which is off.
for _ in 1 2 3 4 5 6 7; do xdotool key shift+Tab; sleep 0.3; done
press shift+Tab 'Клетка: колона 8, ред 8'
expect 'Тегло 0\. Сума на колона К8: 112'
press space '^checked$'
expect '^Тегло 128\. Сума на колона К8: 240$'
press space '^not checked$'
expect '^Тегло 0\. Сума на колона К8: 112$'
# On through К1..К8 to the clear button, which clears them all and says so.
for _ in 1 2 3 4 5 6 7 8; do xdotool key Tab; sleep 0.3; done
press Tab 'Изчисти'
press space '^Всички колони са 0$'
# Back to the first palette entry and on to the assignment, read by the lines it shows: the
# caret moves a line down, and a line selected is said so.
press Tab 'Цвят на мастилото: червено 255, зелено 192, синьо 192'
for _ in $(seq 1 45); do xdotool key Tab; sleep 0.05; done
press Tab 'Задание'
press Down '^стойност за цена на страница'
press shift+Down '^selected$'
said | tail -n +"$((mark + 1))" | grep -q '^стойност за цена на страница' ||
  fail "the selected line was not read"
kill -0 "$program_pid" || fail "the program has ended"
# The user closes the window with the keyboard.
xdotool key alt+F4
ended_cleanly "$program_pid" || fail "Alt+F4 did not end the program cleanly"
echo "orca test passed"
