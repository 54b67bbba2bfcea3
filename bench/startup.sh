#!/usr/bin/env bash
# Start-up time to a visible window, and peak memory, of Velmora next to a Qt window of
# the same size showing one line of text. Runs alternate between the two, so that a busy machine weighs on both alike.
# Run inside an X server, on a build made with -DVELMORA_BENCH=ON:
#   xvfb-run -a bench/startup.sh build/bench [runs]
set -euo pipefail
build=$1
runs=${2:-15}

measure() {  # program, window title suffix: prints "milliseconds kilobytes" for one run
  local start end pid window
  start=$(date +%s%N)
  XDG_RUNTIME_DIR="$work" /usr/bin/time -f %M -o "$work/memory" "$1" &
  pid=$!
  window=$("$build/tools/x11_window" wait "$2" 30)
  end=$(date +%s%N)
  sleep 0.3  # let it paint before it is asked to close
  "$build/tools/x11_window" close "$window"
  wait "$pid"
  echo "$(((end - start) / 1000000)) $(cat "$work/memory")"
}

summary() {  # name, file of "milliseconds kilobytes" lines
  sort -n "$2" | awk -v name="$1" '{ ms[NR] = $1; if ($2 > kb) kb = $2 }
    END { printf "%-12s median %4d ms to a visible window, peak %6d KiB\n", name, ms[int((NR + 1) / 2)], kb }'
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ((run = 0; run < runs; ++run)); do
  measure "$build/bench/blank_window" "blank Velmora" >>"$work/blank"
  measure "$build/app/velmora" " Velmora" >>"$work/velmora"
done
summary "blank window" "$work/blank"
summary "Velmora" "$work/velmora"
