#!/usr/bin/env bash
# Runs the real Velmora.exe under Wine with a dark colour scheme (window colour and window
# text as a dark theme sets them in HKCU\Control Panel\Colors) and reads the screen: the
# value boxes and the assignment take the scheme's dark face and light text together, and
# the labels, whose faces the layout fixes, keep their black text. The prefix's colours are
# put back afterwards.
# Usage: wine_dark_colors_test.sh EXE WINE-RUNNER... (inside xvfb-run)
set -uo pipefail
exe=$1
shift
caption='www.velmora.example.com Velmora'
colors='HKCU\Control Panel\Colors'
work=$(mktemp -d)
pid=
restore() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  for name in Window WindowText; do
    if [ -f "$work/$name" ]; then
      "$@" reg add "$colors" /v "$name" /d "$(cat "$work/$name")" /f >/dev/null
    else
      "$@" reg delete "$colors" /v "$name" /f >/dev/null 2>&1
    fi
  done
  rm -rf "$work"
}
trap 'restore "$@"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for name in Window WindowText; do  # kept to be put back
  "$@" reg query "$colors" /v "$name" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$name *REG_SZ *//p" | grep . >"$work/$name" || rm -f "$work/$name"
done
"$@" reg add "$colors" /v Window /d "32 32 32" /f >/dev/null || exit $?
"$@" reg add "$colors" /v WindowText /d "230 230 230" /f >/dev/null || exit $?

"$@" "$exe" &
pid=$!
for _ in $(seq 300); do
  window=$(xdotool search --name "^$caption\$" 2>/dev/null | head -1)
  [ -n "$window" ] || ! kill -0 "$pid" 2>/dev/null && break
  sleep 0.2
done
[ -n "$window" ] || fail "no window titled \"$caption\" appeared"
sleep 2  # painted
info=$(xwininfo -id "$window")
value() { sed -n "s/^ *$1: *//p" <<<"$info"; }
left=$(value 'Absolute upper-left X') top=$(value 'Absolute upper-left Y')
import -window root "$work/screen.png"

# Brightness, 0 to 1, of the darkest and the lightest pixel inside a part of the client area
# (left top width height), and its commonest colour.
range() {
  convert "$work/screen.png" -crop "$3x$4+$((left + $1))+$((top + $2))" +repage -colorspace Gray \
    -format '%[fx:minima] %[fx:maxima]' info:
}
face() {
  convert "$work/screen.png" -crop "$3x$4+$((left + $1))+$((top + $2))" +repage -format %c \
    histogram:info: | sort -rn | head -1 | grep -o 'srgb([0-9,]*)'
}
check_box() {  # name, area inside the box's frame
  local name=$1 darkest lightest
  shift
  [ "$(face "$@")" = 'srgb(32,32,32)' ] || fail "$name's face is $(face "$@"), not the scheme's"
  read -r darkest lightest <<<"$(range "$@")"
  awk -v l="$lightest" 'BEGIN { exit !(l > 0.8) }' || fail "$name's text is dark on dark ($lightest)"
}
check_label() {  # name, area
  local name=$1 darkest lightest
  shift
  read -r darkest lightest <<<"$(range "$@")"
  awk -v d="$darkest" 'BEGIN { exit !(d < 0.2) }' || fail "$name's text is light ($darkest)"
}
check_box 'value box К1' 491 59 51 15
check_box 'the assignment' 11 259 500 100
check_label 'the title' 112 0 337 25
check_label 'the row caption of pin 8' 144 56 89 17
check_label '"Сума по колони"' 432 32 113 17
echo "Velmora.exe under Wine with dark system colours: text boxes dark with light text, labels black"
