#!/usr/bin/env bash
# Summarises which lines and branches of the program's own code (app, common, editor, forms,
# window) the tests of a coverage build reached (cmake -DVELMORA_COVERAGE=ON), in one line,
# and leaves the whole report, line by line, in BUILD/coverage/index.html.
# Usage: tools/coverage.sh BUILD [GCOV]   (GCOV: the build's compiler's, by default gcov)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
gcov=${2:-gcov}
what="the program's code"
[[ $gcov == *mingw* ]] && what="the Windows program's code (under Wine)"
mkdir -p "$build/coverage"
filters=()
for folder in app common editor forms window; do filters+=(--filter "$folder/"); done
# Branches that only a C++ exception or the compiler's own checks take are no choice of the
# program's, and are left out. Wine's prefix holds a link to the whole file system.
gcovr --root . --gcov-executable "$gcov" "${filters[@]}" --exclude-directories '.*wine-prefix' \
  --exclude-throw-branches --exclude-unreachable-branches \
  --html-details "$build/coverage/index.html" --json-summary "$build/coverage/summary.json" \
  --txt "$build/coverage/coverage.txt" "$build"
python3 - "$build/coverage/summary.json" "$what" <<'PY'
import json, sys
s = json.load(open(sys.argv[1]))
print("Coverage of %s: lines %.1f %% (%d of %d), branches %.1f %% (%d of %d); report in %s"
      % (sys.argv[2], s["line_percent"], s["line_covered"], s["line_total"],
         s["branch_percent"], s["branch_covered"], s["branch_total"],
         sys.argv[1].replace("summary.json", "index.html")))
PY
