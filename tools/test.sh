#!/usr/bin/env bash
# Installs what is missing, builds Velmora and runs every test: once as a plain build and
# once with AddressSanitizer and UndefinedBehaviorSanitizer, then the Windows builds, 32- and
# 64-bit, under Wine. Fails if any run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test
jobs="$(nproc)"

cmake -S . -B build/asan -DVELMORA_SANITIZE=ON
cmake --build build/asan --parallel "$jobs"
echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir build/asan --output-on-failure --parallel "$jobs"

cmake -S . -B build/test -DVELMORA_BENCH=ON  # the benchmarks are built, not run
cmake --build build/test --parallel "$jobs"
echo "== Tests"
ctest --test-dir build/test --output-on-failure --parallel "$jobs"

tools/build-windows.sh -DBUILD_TESTING=ON
for arch in x86_64 i686; do
  echo "== Tests of the $arch Windows build, under Wine"
  ctest --test-dir "build/windows/$arch" --output-on-failure
done
/usr/lib/wine/wine --version >/dev/null 2>&1 ||
  echo "This machine cannot run 32-bit Windows programs: the i686 build was checked, not run."
