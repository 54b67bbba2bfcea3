#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there, and that the
# desktop entry and the AppStream metadata pass their validators.
# Usage: install_test.sh BUILD-DIR APP-ID
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
actual=$(cd "$prefix" && find . -type f | sort)
expected=$(sort <<EOF_FILES
./bin/velmora
./share/applications/$id.desktop
./share/icons/hicolor/16x16/apps/$id.png
./share/icons/hicolor/32x32/apps/$id.png
./share/icons/hicolor/48x48/apps/$id.png
./share/icons/hicolor/256x256/apps/$id.png
./share/metainfo/$id.metainfo.xml
EOF_FILES
)
if [ "$actual" != "$expected" ]; then
  echo "installed files differ from the expected ones:" >&2
  diff <(echo "$expected") <(echo "$actual") >&2
  exit 1
fi
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
echo "install layout and validators passed"
