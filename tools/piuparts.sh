#!/usr/bin/env bash
# Checks that the Debian package installs into a fresh root of a Debian release and removes and
# purges cleanly, leaving nothing behind, with piuparts, the tool Debian checks its own
# packages with. Installs piuparts where missing.
#   tools/piuparts.sh [DEB [RELEASE]]   (by default the package tools/package.sh made, and this
#                                        machine's release; RELEASE: bookworm or trixie)
set -euo pipefail
cd "$(dirname "$0")/.."
deb=${1:-$(echo build/package/velmora_*_*.deb)}
[ -f "$deb" ] || { echo "no package $deb: run tools/package.sh first" >&2; exit 1; }
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if ! command -v piuparts >/dev/null || ! command -v debootstrap >/dev/null; then
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
    piuparts debootstrap
fi
release=${2:-$(. /etc/os-release && echo "$VERSION_CODENAME")}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
started=$SECONDS
# The release's updates too, as a user's machine has them: the package is built against them.
# Debian 13's debconf leaves its temporary folder behind once any package was configured (one
# of the dependencies); it is no package's, ours included.
if ! "${sudo[@]}" piuparts --distribution="$release" --mirror="http://deb.debian.org/debian main" \
    --extra-repo="deb http://deb.debian.org/debian $release-updates main" \
    --extra-repo="deb http://deb.debian.org/debian-security $release-security main" \
    --warn-on-debsums-errors --ignore=/var/cache/debconf/tmp.ci/ "$deb" >"$log" 2>&1; then
  tail -n 60 "$log" >&2
  echo "piuparts failed on $deb in $release" >&2
  exit 1
fi
echo "piuparts passed $(basename "$deb") in $release (install, removal, purge) in $((SECONDS - started)) s:"
grep -E 'PASS' "$log" | tail -n 3 || true
