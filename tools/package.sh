#!/usr/bin/env bash
# Builds the Debian package build/package/velmora_<version>_<arch>.deb from a release build,
# as Debian builds its own: with this release's hardening flags from dpkg-buildflags, and
# reproducibly, so that every clean build of one source gives the same bytes (times from the
# changelog, no build folder in any file).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh package

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"  # run here, so that this folder is mapped away
# Every time in the package is the changelog's, as Debian's own builds take it: the same from a
# clone, a copy without history or a source archive.
: "${SOURCE_DATE_EPOCH:=$(date -d "$(sed -n 's/^ -- .*>  //p' resources/linux/changelog.in)" +%s)}"
export SOURCE_DATE_EPOCH
# Files get their mode from the umask: a package's are rw-r--r-- and rwxr-xr-x everywhere.
umask 022

# Always a clean build, as Debian's are: nothing of an earlier build (a time, a flag) gets in.
rm -rf build/package
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS"
cmake --build build/package --parallel "$(nproc)"
(cd build/package && cpack -G DEB)
