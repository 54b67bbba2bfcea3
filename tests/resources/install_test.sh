#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there, and that the
# desktop entry and the AppStream metadata pass their validators. Given the Debian package made
# from that build (tools/package.sh), also checks that it holds the same files under /usr,
# depends on the Qt 6 libraries and the fonts, recommends Qt's Wayland plugin, has the
# program's version, draws no remark from lintian, even a pedantic one, and that its program
# has every hardening that this release's dpkg-buildflags gives.
# Usage: install_test.sh BUILD-DIR APP-ID [DEB]
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
./share/man/man1/velmora.1.gz
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
[ -n "${3:-}" ] || exit 0

deb=$3
[ -f "$deb" ] || { echo "no package $deb" >&2; exit 1; }
same_files "the package" "$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/|./|' | sort)"
depends=$(dpkg-deb -f "$deb" Depends)
# A library may come under its 64-bit time_t name (Debian 13's libqt6core6t64 provides
# libqt6core6): the package built there depends on that.
for package in libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation qt6-translations-l10n; do
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
# lintian as Debian's archive runs it and more: any tag at all, a pedantic or an informational
# one too, is a fault (an override would have to say why).
remarks=$(lintian --pedantic -I "$deb" 2>&1) || { echo "lintian failed: $remarks" >&2; exit 1; }
remarks=$(grep -v '^running with root privileges' <<<"$remarks" || true)
[ -z "$remarks" ] || { echo "lintian remarks on the package:" >&2; echo "$remarks" >&2; exit 1; }

# The hardening that this release gives its own packages, feature by feature as
# dpkg-buildflags names it, as hardening-check finds it in the packaged program.
dpkg-deb -x "$deb" "$work/unpacked"
# (it fails for what a release does not offer, such as stack clash protection on Debian 12)
checked=$(hardening-check "$work/unpacked/usr/bin/velmora" 2>&1 || true)
declare -A property=([pie]="Position Independent Executable" [stackprotector]="Stack protected"
  [fortify]="Fortify Source functions" [relro]="Read-only relocations" [bindnow]="Immediate binding"
  [stackclash]="Stack clash protection" [branch]="Control flow integrity")
offered=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --query-features hardening |
  awk '/^Feature:/ { feature = $2 } /^Enabled: yes/ { print feature }')
# Two it cannot always attest: stack clash protection shows only where a function's frame is
# large enough to need probes ("unknown" where none is), and on Debian 13 glibc's start files
# carry no control-flow note, so that no program linked there is marked as protected (apt and
# bash are not either): there the program's own code must show the marks of -fcf-protection.
program=$work/unpacked/usr/bin/velmora
for feature in $offered; do
  [ -n "${property[$feature]:-}" ] || continue  # stackprotectorstrong, format: no such line
  said=$(grep "^ ${property[$feature]}: " <<<"$checked" | sed 's/^[^:]*: //')
  case $said in yes*) continue ;; esac
  [ "$feature" = stackclash ] && [[ $said == unknown* ]] && continue
  [ "$feature" = branch ] && objdump -d "$program" | grep -c endbr64 >/dev/null && continue
  echo "the program lacks $feature ($said):" >&2
  echo "$checked" >&2
  exit 1
done
echo "$checked"
echo "$(basename "$deb") passed: files, Depends, Recommends, version, lintian and hardening ($(echo $offered))"
