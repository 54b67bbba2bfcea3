#!/usr/bin/env bash
# Installs the Debian packages Velmora needs that this machine lacks, and nothing else.
#   tools/install-deps.sh run    what building and starting the window needs
#   tools/install-deps.sh package  that, plus what building the Debian package needs
#   tools/install-deps.sh test   all of it, plus what building and running every test needs
set -euo pipefail

run_packages=(cmake g++ make pkgconf qt6-base-dev libxcb1-dev fonts-liberation)
package_packages=(dpkg-dev file)
test_packages=(lintian libgtest-dev libbenchmark-dev libx11-dev xvfb xauth xdotool x11-utils imagemagick
               binutils-mingw-w64-i686 desktop-file-utils appstream)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  package) wanted=("${run_packages[@]}" "${package_packages[@]}") ;;
  test) wanted=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 run|package|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
