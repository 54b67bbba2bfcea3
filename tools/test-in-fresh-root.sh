#!/usr/bin/env bash
# Runs the README's test command, tools/test.sh, on a fresh Debian 12 ("bookworm") or 13
# ("trixie"): a new root made with mmdebstrap from Debian's packages, into which this checkout is
# copied (without its builds). Inside, tools/test.sh installs what it needs as on any fresh
# machine; nothing this machine has installed can make it pass.
#   tools/test-in-fresh-root.sh 12|13            the whole test command
#   tools/test-in-fresh-root.sh 12|13 -- CMD...  CMD instead, in the copy (-- bash: a look around)
# What the test command leaves for others, its summary (build/summary.txt), the Debian package
# and the release it built, is copied out to build/fresh-debian12 or build/fresh-debian13.
# The root is made anew every run and removed at the end; only the downloaded .deb files are
# kept between runs (in /var/cache/velmora/debian12-debs or debian13-debs), and apt checks each
# of them against the fresh package lists before it uses it.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
release=${1:-}
case "$release" in
  12) suite=bookworm ;;
  13) suite=trixie ;;
  *) echo "usage: $0 12|13 [-- COMMAND...]" >&2; exit 2 ;;
esac
shift
cache=/var/cache/velmora/debian$release-debs
results=$source/build/fresh-debian$release
command=(tools/test.sh)
if [ "${1:-}" = -- ]; then
  shift
  command=("$@")
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" true  # asks for the password before the long part, where needed
command -v mmdebstrap >/dev/null || {
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends mmdebstrap
}

work=$(mktemp -d /var/tmp/velmora-debian$release.XXXXXX)
root=$work/root
mounted=()
cleanup() {
  local status=$? point
  # The innermost first; lazily, so that a process still holding one cannot keep it.
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    point=${mounted[$i]}
    "${sudo[@]}" umount -R "$point" 2>/dev/null || "${sudo[@]}" umount -R -l "$point" || true
  done
  # Nothing may be mounted below the root any more before it is removed.
  if grep -q " $root/" /proc/self/mounts; then
    echo "not removing $root: something is still mounted in it" >&2
  else
    "${sudo[@]}" rm -rf "$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

"${sudo[@]}" mkdir -p "$cache"
echo "== Making a fresh Debian $release root in $root"
started=$SECONDS
"${sudo[@]}" mmdebstrap --variant=apt --include=ca-certificates,sudo \
  --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
  --setup-hook="sync-in $cache /var/cache/apt/archives" \
  --customize-hook="sync-out /var/cache/apt/archives $cache" \
  "$suite" "$root" "deb http://deb.debian.org/debian $suite main" \
  "deb http://deb.debian.org/debian $suite-updates main" \
  "deb http://deb.debian.org/debian-security $suite-security main"
grep -q "^VERSION_ID=\"$release\"$" "$root/etc/os-release" ||
  { echo "the root is not Debian $release" >&2; exit 1; }
echo "root made in $((SECONDS - started)) s"

bind() {  # host path, path in the root
  "${sudo[@]}" mkdir -p "$root$2"
  "${sudo[@]}" mount --rbind "$1" "$root$2"
  "${sudo[@]}" mount --make-rslave "$root$2"
  mounted+=("$root$2")
}
bind /proc /proc
bind /sys /sys
bind /dev /dev
bind "$cache" /var/cache/apt/archives
"${sudo[@]}" cp /etc/resolv.conf "$root/etc/resolv.conf"
# apt keeps what it downloads there, for the next run.
echo 'Binary::apt::APT::Keep-Downloaded-Packages "true";' |
  "${sudo[@]}" tee "$root/etc/apt/apt.conf.d/10keep-debs" >/dev/null

# The checkout as it stands, its uncommitted changes too, without builds.
"${sudo[@]}" mkdir -p "$root/velmora"
tar -C "$source" --exclude=./build --exclude=./.git -c . | "${sudo[@]}" tar -C "$root/velmora" -x

echo "== ${command[*]} on Debian $release"
rm -rf "$results"
started=$SECONDS
status=0
"${sudo[@]}" chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
  LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" /bin/bash -c 'cd /velmora && exec "$@"' bash \
  "${command[@]}" || status=$?
mkdir -p "$results"
cp "$root/velmora/build/summary.txt" "$root"/velmora/build/package/*.deb "$results/" 2>/dev/null || true
[ ! -d "$root/velmora/build/release" ] || cp -r "$root/velmora/build/release" "$results/"
[ "$status" -eq 0 ] || { echo "${command[*]} failed on Debian $release" >&2; exit "$status"; }
echo "${command[*]} passed on Debian $release in $((SECONDS - started)) s"
