#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there, and that the
# desktop entry and the AppStream metadata pass their validators. With --package, also
# builds the Debian package and checks that it holds the same files under /usr, depends on
# the Qt 6 libraries and the fonts, recommends Qt's Wayland plugin, has the program's version
# and passes lintian without error.
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
# Menus in other languages show the untagged comment: it is English, the Bulgarian one tagged.
desktop=$prefix/share/applications/$id.desktop
grep -qx 'Comment=Design a character for an 8-pin dot-matrix printer' "$desktop" &&
  grep -q '^Comment\[bg\]=Проектиране' "$desktop" ||
  { echo "the desktop entry lacks an English Comment and a Comment[bg]" >&2; exit 1; }
echo "install layout and validators passed"
[ "${3:-}" = --package ] || exit 0

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(echo "$work"/package/velmora_*_*.deb)
[ -f "$deb" ] || { echo "no velmora_<version>_<arch>.deb was made" >&2; exit 1; }
same_files "the package" "$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/|./|' | sort)"
depends=$(dpkg-deb -f "$deb" Depends)
# A library may come under its 64-bit time_t name (Debian 13's libqt6core6t64 provides
# libqt6core6): the package built there depends on that.
for package in libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation; do
  grep -qwE "${package}(t64)?" <<<"$depends" || { echo "Depends lacks $package: $depends" >&2; exit 1; }
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -qw qt6-wayland <<<"$recommends" || { echo "Recommends lacks qt6-wayland: $recommends" >&2; exit 1; }
# One version everywhere: the package's is the program's, as its metadata gives it.
version=$(dpkg-deb -f "$deb" Version)
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$prefix/share/metainfo/$id.metainfo.xml")
[ "$version" = "$release" ] || { echo "package version $version, AppStream release $release" >&2; exit 1; }
zcat "$prefix/share/doc/velmora/changelog.gz" | head -1 | grep -qF "velmora ($version)" ||
  { echo "the changelog is not of version $version" >&2; exit 1; }
lintian --fail-on error "$deb"
echo "$(basename "$deb") passed: files, Depends, Recommends, version and lintian"
