#!/usr/bin/env bash
# Remakes docs/screenshot.png: the window as it opens, in a virtual X server.
# Needs a build (tools/test.sh makes one in build/test) on a machine with libx11-dev.
#   tools/screenshot.sh [BUILD-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
exec xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  set -euo pipefail
  "$1/app/velmora" & pid=$!
  window=$("$1/tools/x11_window" wait " Velmora" 30)
  sleep 1
  import -window "$window" docs/screenshot.png
  "$1/tools/x11_window" close "$window"
  wait "$pid"
  echo "wrote docs/screenshot.png"
' screenshot "$build"
