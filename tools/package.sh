#!/usr/bin/env bash
# Builds the Debian package build/package/velmora_<version>_<arch>.deb from a release build.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh package
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build/package --parallel "$(nproc)"
(cd build/package && cpack -G DEB)
