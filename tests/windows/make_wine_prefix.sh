#!/usr/bin/env bash
# Makes the Wine prefix the Windows tests run in, once, and maps the window's fonts to their
# metric twins: Wine here has neither Times New Roman nor MS Sans Serif.
# Usage: make_wine_prefix.sh WINE-RUNNER... (the build's emulator, tools/wine.sh LOADER)
set -euo pipefail
[ -f "$WINEPREFIX/system.reg" ] && { echo "the Wine prefix is ready"; exit 0; }
"$@" wineboot --init || exit $?
replacements='HKCU\Software\Wine\Fonts\Replacements'
"$@" reg add "$replacements" /v "Times New Roman" /d "Liberation Serif" /f
"$@" reg add "$replacements" /v "MS Sans Serif" /d "Liberation Sans" /f
echo "made the Wine prefix $WINEPREFIX"
