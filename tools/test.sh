#!/usr/bin/env bash
# Installs what is missing, builds Velmora and runs every test: once as a plain build and
# once with AddressSanitizer and UndefinedBehaviorSanitizer (which also says which lines of
# the program the tests reach), then checks the Debian package, runs the Windows builds'
# tests, 32- and 64-bit, under Wine (the 64-bit ones again to count the lines they reach),
# and makes the release, signed with a throwaway key, and checks it against a second clean
# build in another folder (tests/release_test.sh). Fails if any of it fails; its last lines
# say how much of the program the tests reached, whether the 32-bit Windows tests ran and
# which GL driver the real program's tests ran beside. It also records those, one key=value
# a line, in build/summary.txt, for CI.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test
jobs="$(nproc)"
summary=build/summary.txt
facts=()
record() { facts+=("$1=$2"); }

cmake -S . -B build/asan -DVELMORA_SANITIZE=ON -DVELMORA_COVERAGE=ON
find build/asan -name '*.gcda' -delete  # an older build's counters would not match
cmake --build build/asan --parallel "$jobs"
echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer, and what they reach"
find build/asan -name '*.gcda' -delete  # the counters of these tests alone
ctest --test-dir build/asan --output-on-failure --parallel "$jobs"
record coverage "$(tools/coverage.sh build/asan | tail -n 1)"

cmake -S . -B build/test -DVELMORA_BENCH=ON  # the benchmarks are built, not run
cmake --build build/test --parallel "$jobs"
echo "== Tests"
ctest --test-dir build/test --output-on-failure --parallel "$jobs"

echo "== The Debian package, as users build it"
tools/package.sh
tests/resources/install_test.sh build/package com.example.velmora build/package/velmora_*.deb

tools/build-windows.sh -DBUILD_TESTING=ON
for arch in x86_64 i686; do
  echo "== Tests of the $arch Windows build, under Wine"
  ctest --test-dir "build/windows/$arch" --output-on-failure
done

echo "== The 64-bit Windows build with coverage counters: what its tests reach under Wine"
cmake -S . -B build/windows-coverage -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=ON -DVELMORA_COVERAGE=ON
find build/windows-coverage -name '*.gcda' -delete
cmake --build build/windows-coverage --parallel "$jobs"
find build/windows-coverage -name '*.gcda' -delete
# The file's size and imports are those of the program users get, checked above.
ctest --test-dir build/windows-coverage --output-on-failure -E "^exe_file$"
record windows_coverage "$(tools/coverage.sh build/windows-coverage x86_64-w64-mingw32-gcov | tail -n 1)"

echo "== The release: made, signed, checked against a second clean build in another folder"
tests/release_test.sh

# Whether the 32-bit Windows program ran, or why not: never left unseen.
if [ -f build/wine32-missing.txt ]; then
  record i686 "NOT RUN. $(cat build/wine32-missing.txt)"
elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
  record i686 "ran under $(/usr/lib/wine/wine --version)."
else
  record i686 "NOT RUN. /usr/lib/wine/wine does not run on this machine."
fi
# The set-up installs Mesa's GL drivers, as every desktop has them: the real program's tests
# ran where it could have loaded one.
record gl_driver "$(dpkg-query -W -f='${Package} ${Version}' libgl1-mesa-dri 2>/dev/null || echo none)"
printf '%s\n' "${facts[@]}" >"$summary"
sed 's/=/: /' "$summary"
