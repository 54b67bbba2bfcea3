#!/usr/bin/env bash
# Velmora.exe run from a Downloads folder into which a web page has dropped DLLs: none of them
# may ever run. A first run lists, from Wine's loader trace, every DLL the program loads while
# it starts, shows its window and answers a screen reader; a copy of PLANTED-DLL, whose
# DllMain leaves a mark beside itself, is then put beside the program under each of those names
# but the ones Windows always takes from its system folder (its KnownDLLs and what they import
# as they load), and the program is
# run again the same way with such DLLs preferred to Wine's own, as Windows prefers them:
# no mark may appear and nothing may be loaded from the program's folder. A last run without
# oleacc at all shows that the window then works on, without answering screen readers.
# Usage: dll_planting_test.sh EXE PLANTED-DLL SCREEN-READER-PROBE WINE-RUNNER...
# (inside xvfb-run)
set -uo pipefail
exe=$1 planted=$2 probe=$3
shift 3
caption='www.velmora.example.com Velmora'
work=$(mktemp -d)
downloads=$work/Downloads
mkdir "$downloads"
cp "$exe" "$downloads/Velmora.exe"
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Windows' KnownDLLs (Windows 10 and 11; XP's are among them), which it maps from its system
# folder whatever lies beside a program, and the libraries that they are built on.
known='advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32
  msctf msvcrt normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi
  user32 wldap32 wow64 wow64win ws2_32 ntdll kernelbase gdi32full win32u ucrtbase msvcp_win
  bcryptprimitives cfgmgr32'

runner=("$@")
planted_that_ran() {
  local marks
  marks=$(cd "$downloads" && ls -- *.ran 2>/dev/null)
  [ -z "$marks" ] || echo "; planted DLLs that ran: $(echo ${marks//.ran/})"
}
# One run of the program: it shows its window, a screen reader asks every control and then
# closes the window. The loader's trace goes to LOG, what the screen reader got to LOG.probe.
run() {  # log, more WINEDLLOVERRIDES
  local log=$1 overrides=$2 status
  WINEDEBUG=+pid,+loaddll,+module WINEDLLOVERRIDES="mscoree,mshtml=;$overrides" \
    "${runner[@]}" "$downloads/Velmora.exe" 2>"$log" &
  pid=$!
  WINEDEBUG=-all "${runner[@]}" "$probe" "$caption" >"$log.probe" 2>&1
  status=$?
  if [ "$status" -ne 0 ]; then
    [ "$status" -eq 77 ] && exit 77  # Wine cannot run it here, and said so
    fail "no window was shown: $(cat "$log.probe")$(planted_that_ran)"
  fi
  for _ in $(seq 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "still running 30 s after its window was closed"
  wait "$pid"
  status=$?
  pid=
  [ "$status" -eq 0 ] || fail "ended with status $status"
}
# The program's own lines of a run's trace (Wine's other processes write there too).
own_lines() {
  local pid
  pid=$(sed -n 's/^\([0-9a-f]*\):[0-9a-f]*:trace:loaddll:.*Loaded L".*\\Velmora\.exe".*/\1/p' "$1")
  grep "^$pid:" "$1"
}
# The DLLs a run of the program loaded, by file name in lower case, but for the KnownDLLs and
# the DLLs that a KnownDLL loads as it starts (its own imports, which Windows takes from the
# system folder as it takes the KnownDLL), one per line.
candidates() {
  own_lines "$1" | awk -v known="$known" '
    BEGIN { split(known, names); for (i in names) is_known[names[i] ".dll"] = 1 }
    function base(text) {
      sub(/^.*L"/, "", text); sub(/".*$/, "", text); sub(/^.*\\/, "", text)
      return tolower(text)
    }
    /:trace:module:process_attach \(L"/ {
      name = base($0)
      if ($0 ~ /- START/) {
        if (depth > 0 && is_known[stack[depth]]) by_known[name] = 1
        stack[++depth] = name
      } else if ($0 ~ /- END/) {
        depth--
      }
    }
    /:trace:loaddll:.* Loaded L"/ { loaded[base($0)] = 1 }
    END {
      for (name in loaded) {
        if (name ~ /\.exe$/ || is_known[name] || by_known[name]) continue
        print name
      }
    }' | sort
}
# Whatever a run loaded from the program's folder but the program itself.
from_downloads() {
  own_lines "$1" | sed -n 's/.*:trace:loaddll:.* Loaded L"\([^"]*\)".*/\1/p' |
    grep -i '\\Downloads\\' | grep -vi '\\Velmora\.exe$'
}

run "$work/first" ""
mapfile -t names < <(candidates "$work/first")
printf '%s\n' "${names[@]}" | grep -qx oleacc.dll ||
  fail "oleacc was never loaded, so screen readers were not asked: $(cat "$work/first.probe")"
grep -q '^[1-9][0-9]* of [0-9]* controls answered' "$work/first.probe" ||
  fail "no control answered the screen reader: $(cat "$work/first.probe")"
echo "planted beside Velmora.exe: ${names[*]}"

for name in "${names[@]}"; do cp "$planted" "$downloads/$name"; done
overrides=$(IFS=,; echo "${names[*]}")=n,b
run "$work/planted" "$overrides"
marks=$(planted_that_ran)
[ -z "$marks" ] || fail "$marks"
from_here=$(from_downloads "$work/planted")
[ -z "$from_here" ] || fail "loaded from the program's folder: $from_here"
grep -q '^[1-9][0-9]* of [0-9]* controls answered' "$work/planted.probe" ||
  fail "with the DLLs planted no control answered the screen reader: $(cat "$work/planted.probe")"
rm -f "$downloads"/*.dll

run "$work/no-oleacc" "oleacc=d"
grep -q '^0 of [1-9][0-9]* controls answered' "$work/no-oleacc.probe" ||
  fail "without oleacc: $(cat "$work/no-oleacc.probe")"
echo "no DLL planted beside Velmora.exe ran; without oleacc the window worked on"
