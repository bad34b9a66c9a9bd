#!/usr/bin/env bash
# Installs what is missing, builds everything (the benchmarks too) with the sanitizers and
# warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVIMSTA_SANITIZE=ON -DVIMSTA_WERROR=ON -DVIMSTA_BUILD_BENCH=ON
cmake --build build/test
cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
