#!/usr/bin/env bash
# Configures and builds one build folder: construire.sh FOLDER [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dossier=$1
shift
if [ ! -f "$dossier/build.ninja" ]; then
  cmake -S . -B "$dossier" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
fi
cmake --build "$dossier" --parallel "$(nproc)"
