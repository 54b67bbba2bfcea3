#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there, and that the
# desktop entry and the AppStream metadata pass their validators. With --package, also
# builds the Debian package and checks that it holds the same files under /usr, depends on
# the Qt 6 libraries and passes lintian without error.
# Usage: install_test.sh BUILD-DIR APP-ID [--package]
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
expected=$(sort <<EOF_FILES
./bin/velmora
./share/applications/$id.desktop
./share/doc/velmora/changelog.gz
./share/doc/velmora/copyright
./share/icons/hicolor/16x16/apps/$id.png
./share/icons/hicolor/32x32/apps/$id.png
./share/icons/hicolor/48x48/apps/$id.png
./share/icons/hicolor/256x256/apps/$id.png
./share/metainfo/$id.metainfo.xml
EOF_FILES
)
same_files() {  # what, actual list
  if [ "$2" != "$expected" ]; then
    echo "$1 differs from the expected files:" >&2
    diff <(echo "$expected") <(echo "$2") >&2
    exit 1
  fi
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
same_files "the install" "$(cd "$prefix" && find . -type f | sort)"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
echo "install layout and validators passed"
[ "${3:-}" = --package ] || exit 0

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(echo "$work"/package/velmora_*_*.deb)
[ -f "$deb" ] || { echo "no velmora_<version>_<arch>.deb was made" >&2; exit 1; }
same_files "the package" "$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/|./|' | sort)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -q "$library" <<<"$depends" || { echo "Depends lacks $library: $depends" >&2; exit 1; }
done
lintian --fail-on error "$deb"
echo "$(basename "$deb") passed: files, Depends and lintian"
