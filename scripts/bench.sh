#!/bin/sh
# Builds the benchmark in Release (build-bench/) and runs it on the generated
# full base. Safe to run again: the build is only brought up to date.
# Usage: scripts/bench.sh [runs]
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$racine" -B "$racine/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUTA_BENCH=ON -DZUTA_TESTS=OFF >/dev/null
ninja -C "$racine/build-bench" zuta_bench >/dev/null
exec "$racine/build-bench/bench/zuta_bench" "$@"
