#!/usr/bin/env bash
# Makes Velmora's release, or checks one: the files a user downloads, the same bytes from every
# clean build of one source with the same Debian release's tools.
#   tools/release.sh [--sign KEYID] [DIR]   the release of this checkout, into DIR
#                                           (build/release by default)
#   tools/release.sh --check DIR [REBUILT]  rebuilds the release from this checkout in a fresh
#                                           folder (or takes REBUILT, a release made elsewhere)
#                                           and compares it with DIR, file by file
# A release holds the Debian package (one for Debian 12 and 13, built on Debian 12),
# windows-x86_64/Velmora.exe and windows-i686/Velmora.exe, BUILDINFO (the version and the
# versions of the tools that made the bytes), SHA256SUMS over all of them and, with --sign,
# SHA256SUMS.asc, gpg's detached signature of the sums. More in docs/releases.md.
set -euo pipefail
usage() { echo "usage: $0 [--sign KEYID] [DIR] | --check DIR [REBUILT]" >&2; exit 2; }
this_release() { . /etc/os-release && echo "Debian $VERSION_ID ($VERSION_CODENAME)"; }

# The versions of what decides the bytes: the compilers and linkers, Qt, CMake, the packaging.
build_info() {
  echo "Velmora $(dpkg-deb -f build/package/velmora_*.deb Version)"
  echo "built on $(this_release)"
  dpkg-query -W -f='${Package} ${Version}\n' g++ qt6-base-dev cmake dpkg-dev \
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-common \
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
}

make_release() {  # KEYID (or empty), DIR
  local key=$1 dir=$2
  # DIR is replaced whole: never a folder that holds anything but an earlier release.
  if [ -n "$(ls -A "$dir" 2>/dev/null)" ] && [ ! -f "$dir/BUILDINFO" ]; then
    echo "$dir holds files that are not a release: not replacing it" >&2
    exit 2
  fi
  tools/package.sh
  rm -rf build/windows  # always clean, as the package is
  tools/build-windows.sh
  rm -rf "$dir"
  mkdir -p "$dir/windows-x86_64" "$dir/windows-i686"
  cp build/package/velmora_*.deb "$dir/"
  cp build/windows/x86_64/Velmora.exe "$dir/windows-x86_64/"
  cp build/windows/i686/Velmora.exe "$dir/windows-i686/"
  build_info >"$dir/BUILDINFO"
  (cd "$dir" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort |
    xargs sha256sum >SHA256SUMS)
  if [ -n "$key" ]; then
    gpg --batch --yes --armor --local-user "$key" --detach-sign --output "$dir/SHA256SUMS.asc" \
      "$dir/SHA256SUMS"
  fi
  echo "The release, in $dir:"
  (cd "$dir" && cat SHA256SUMS)
}

# Every file of the release in DIR against the same file in REBUILT; the signature is a
# maintainer's, not a build's, so it is left out (the sums it signs are compared).
compare() {  # DIR, REBUILT
  local dir=$1 rebuilt=$2 file differing=0
  while read -r file; do
    if [ ! -f "$rebuilt/$file" ]; then
      echo "DIFFERS: $file is not in the rebuilt release"
    elif ! cmp -s "$dir/$file" "$rebuilt/$file"; then
      echo "DIFFERS: $file"
      if command -v diffoscope >/dev/null; then
        diffoscope --text - "$dir/$file" "$rebuilt/$file" 2>&1 | head -n 40 || true
      fi
    else
      continue
    fi
    differing=$((differing + 1))
  done < <(cd "$dir" && find . -type f ! -name SHA256SUMS.asc | sed 's|^\./||' | LC_ALL=C sort)
  while read -r file; do
    [ -f "$dir/$file" ] && continue
    echo "DIFFERS: $file is missing"
    differing=$((differing + 1))
  done < <(cd "$rebuilt" && find . -type f ! -name SHA256SUMS.asc | sed 's|^\./||' | LC_ALL=C sort)
  if [ "$differing" -gt 0 ]; then
    echo "$differing file(s) of $dir differ from the rebuilt release in $rebuilt" >&2
    return 1
  fi
  echo "The same bytes: every file of $dir is as rebuilt in $rebuilt"
}

check_release() {  # DIR, REBUILT (or empty: rebuilt here)
  local dir=$1 rebuilt=$2 built_on
  [ -f "$dir/BUILDINFO" ] || { echo "$dir holds no release (no BUILDINFO)" >&2; exit 2; }
  if [ -z "$rebuilt" ]; then
    built_on=$(sed -n 's/^built on //p' "$dir/BUILDINFO")
    if [ "$built_on" != "$(this_release)" ]; then
      set -- $built_on  # Debian, its number, its name
      echo "$dir was built on $built_on, this machine is $(this_release): its tools give other" \
        "bytes. Check it in a fresh root of that release, with $dir in the checkout (outside" \
        "build/): tools/test-in-fresh-root.sh $2 -- tools/release.sh --check DIR" >&2
      exit 2
    fi
    # A fresh folder, with nothing of the checkout's builds.
    copy=$(mktemp -d /var/tmp/velmora-release-check.XXXXXX)  # global: the trap removes it
    trap 'rm -rf "$copy"' EXIT
    tar --exclude=./build -c . | tar -C "$copy" -x
    echo "== Rebuilding the release in $copy"
    (cd "$copy" && tools/release.sh build/release) >"$copy.log" 2>&1 ||
      { tail -n 40 "$copy.log" >&2; rm -f "$copy.log"; echo "the rebuild failed" >&2; exit 1; }
    rm -f "$copy.log"
    rebuilt=$copy/build/release
  fi
  compare "$dir" "$rebuilt"
}

# Folders are named from where the command was given; it works from the checkout's top.
here() { [ -z "$1" ] || realpath -m "$1"; }
top=$(dirname "$0")/..
case "${1:-}" in
  --check)
    [ $# -ge 2 ] && [ $# -le 3 ] || usage
    dir=$(here "$2") rebuilt=$(here "${3:-}")
    cd "$top" && check_release "$dir" "$rebuilt"
    ;;
  --sign)
    [ $# -ge 2 ] && [ $# -le 3 ] || usage
    dir=$(here "${3:-}")
    cd "$top" && make_release "$2" "${dir:-build/release}"
    ;;
  -*) usage ;;
  *)
    [ $# -le 1 ] || usage
    dir=$(here "${1:-}")
    cd "$top" && make_release "" "${dir:-build/release}"
    ;;
esac
