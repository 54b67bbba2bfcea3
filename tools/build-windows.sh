#!/usr/bin/env bash
# Installs what is missing and cross-builds Velmora.exe for Windows with mingw-w64:
# build/windows/i686/Velmora.exe (32-bit) and build/windows/x86_64/Velmora.exe (64-bit).
# Further arguments go to CMake; the test command adds -DBUILD_TESTING=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh windows
for arch in i686 x86_64; do
  cmake -S . -B "build/windows/$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF "$@"
  cmake --build "build/windows/$arch" --parallel "$(nproc)"
done
ls -l build/windows/*/Velmora.exe
