#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them; the figures go into PERFORMANCE.md.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIMSTA_BUILD_BENCH=ON
cmake --build build/release
./scripts/run-benchmarks.sh build/release "$@"
