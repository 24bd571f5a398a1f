#!/bin/sh
# Builds the benchmark in Release (build-bench/) and runs it on the generated
# full base: the table of the long operations, the start-up with its peak
# memory, the growth with the size of the base and the side-by-side with
# SQLite. Safe to run again: the packages and the build are only brought up
# to date. The machine should be as quiet as possible: the figures are times.
# Usage: scripts/bench.sh [runs]   (15 by default)
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer.sh" libsqlite3-dev
cmake -S "$racine" -B "$racine/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUTA_BENCH=ON -DZUTA_TESTS=OFF >/dev/null
ninja -C "$racine/build-bench" zuta_bench demarrage >/dev/null
# The main window is real but shown on no screen.
QT_QPA_PLATFORM=offscreen
export QT_QPA_PLATFORM
exec "$racine/build-bench/bench/zuta_bench" "$@"
