#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh run
cmake -S . -B build/run -DBUILD_TESTING=OFF
cmake --build build/run --parallel "$(nproc)"
exec build/run/app/velmora
