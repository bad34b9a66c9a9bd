#!/usr/bin/env bash
# Runs each benchmark program of a build folder, one for every bench/bench_*.cpp, with the
# arguments given after the folder; only those programs (the folder also holds the build's own
# entries, such as Qt's bench_*_autogen folders).
#   scripts/run-benchmarks.sh build/release [benchmark arguments]
set -euo pipefail
sources="$(cd "$(dirname "$0")/.." && pwd)/bench"
build=$1
shift
for source in "$sources"/bench_*.cpp; do
  QT_QPA_PLATFORM=offscreen "$build/bench/$(basename "$source" .cpp)" "$@"
done
