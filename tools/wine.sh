#!/usr/bin/env bash
# Runs a Windows program under Wine; the Windows builds' tests run through it.
#   tools/wine.sh LOADER PROGRAM [ARGUMENT...]
# LOADER is /usr/lib/wine/wine64 for 64-bit programs, /usr/lib/wine/wine for 32-bit ones.
# Where the machine cannot run that loader it says so and exits 77, which ctest reports as a
# skipped test. WINEPREFIX, when set, names the prefix (the builds keep one each).
set -uo pipefail
loader=$1
shift
if [ ! -x "$loader" ]; then
  # Why the set-up could not install it, where it said (tools/install-deps.sh).
  reason=$(cat "$(dirname "$0")/../build/wine32-missing.txt" 2>/dev/null) ||
    reason="$loader is not installed, so this machine runs no such Windows program"
  echo "SKIPPED: $reason"
  exit 77
fi
if ! "$loader" --version >/dev/null 2>&1; then
  echo "SKIPPED: this machine cannot execute $loader (some cannot run 32-bit programs at all)"
  exit 77
fi
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}  # no Mono or Gecko prompts
export WINEDEBUG=${WINEDEBUG:--all}
exec "$loader" "$@"
