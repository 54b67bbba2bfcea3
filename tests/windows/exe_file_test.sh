#!/usr/bin/env bash
# What Velmora.exe says of itself without running: a Windows GUI program for its processor
# that imports no DLL but Windows' KnownDLLs and comctl32, with no link time in its header,
# with the program's icon, its version record (every string under 040904B0) and its manifest,
# in tens of kilobytes as a plain Win32 program.
# Usage: exe_file_test.sh EXE OBJDUMP PROCESSOR ICO
set -euo pipefail
exe=$1 objdump=$2 processor=$3 ico=$4
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
headers=$("$objdump" -p "$exe")

# Beyond these the C++ runtime's exception machinery, or printf's, has come back in. The
# 64-bit program may be larger than 64 KB by what its stack protector costs (docs/windows.md).
case $processor in
  x86_64) format=pei-x86-64 largest=$((64 * 1024 + 2560)) ;;
  i686) format=pei-i386 largest=$((80 * 1024)) ;;
esac
size=$(stat -c %s "$exe")
[ "$size" -le "$largest" ] || fail "$size bytes, more than $largest"
grep -q "file format $format\$" <<<"$headers" || fail "not $format: $(grep 'file format' <<<"$headers")"
grep -q '^Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a GUI program: $(grep ^Subsystem <<<"$headers")"
# It imports only what Windows never looks for beside the program: its KnownDLLs, and
# comctl32, which the manifest binds to the side-by-side copy. Any other DLL (oleacc, for
# screen readers) it loads itself from the system folder.
while read -r dll; do
  case ${dll,,} in
    kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll | advapi32.dll | ole32.dll | \
      oleaut32.dll | comctl32.dll) ;;
    *) fail "imports $dll, which Windows may look for beside the program" ;;
  esac
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
# No link time in the header: every build of one source is the same file.
grep -q '^Time/Date\s.*1970' <<<"$headers" || fail "a link time in the header: $(grep ^Time/Date <<<"$headers")"

# The icon group is named for the window to load it, and is the program's icon file.
wrestool -x --type=14 --name=VELMORA "$exe" | head -c "$(stat -c %s "$ico")" | cmp -s - "$ico" ||
  fail "the icon is not $(basename "$ico")"
wrestool -x --raw --type=24 --name=1 "$exe" | grep -q 'PerMonitorV2' || fail "no per-monitor DPI manifest"

# The version record's strings, one a line, as key and value.
version=$(wrestool -x --raw --type=16 "$exe" | strings -e l -n 1)
expect_value() {  # key, value: the value stands right after the key
  grep -A1 -x "$1" <<<"$version" | tail -n 1 | grep -qx -- "$2" || fail "$1 is not \"$2\""
}
grep -qx 040904B0 <<<"$version" || fail "no string table for 040904B0"
expect_value Comments Velmora
expect_value CompanyName https://publisher.example.net
expect_value FileDescription Velmora
expect_value FileVersion 1.00
expect_value InternalName Velmora
expect_value LegalCopyright https://publisher.example.net
expect_value OriginalFilename Velmora.exe
expect_value ProductName Velmora
expect_value ProductVersion 1.00

[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$exe") ($format, $size bytes): GUI, system DLLs only, icon, manifest and version record"
