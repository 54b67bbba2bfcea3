#!/usr/bin/env bash
# Every clean build of one source gives the same bytes, wherever and whenever it is made:
# builds the Debian package and both Velmora.exe files anew, with the commands users run, in
# a copy of this checkout in another folder, minutes after the test command built them here,
# and compares them byte for byte. Where they differ, diffoscope says how.
# Usage: tests/reproducible_test.sh  (once tools/package.sh and tools/build-windows.sh ran here)
set -euo pipefail
cd "$(dirname "$0")/.."
artifacts=(build/package/velmora_*.deb build/windows/x86_64/Velmora.exe build/windows/i686/Velmora.exe)
for artifact in "${artifacts[@]}"; do
  [ -f "$artifact" ] || { echo "FAIL: $artifact was not built here" >&2; exit 1; }
done

copy=$(mktemp -d /var/tmp/velmora-second-build.XXXXXX)
trap 'rm -rf "$copy"' EXIT
tar --exclude=./build -c . | tar -C "$copy" -x  # its history too: the time of the last commit
if ! (cd "$copy" && tools/package.sh && tools/build-windows.sh) >"$copy.log" 2>&1; then
  tail -n 40 "$copy.log" >&2
  rm -f "$copy.log"
  echo "FAIL: the second build, in $copy, failed" >&2
  exit 1
fi
rm -f "$copy.log"

failures=0
for artifact in "${artifacts[@]}"; do
  if cmp -s "$artifact" "$copy/$artifact"; then
    echo "the same bytes from both builds: $artifact ($(stat -c %s "$artifact") bytes)"
  else
    echo "FAIL: $artifact differs between $PWD and $copy:" >&2
    diffoscope --text - "$artifact" "$copy/$artifact" | head -n 60 >&2 || true
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ]
