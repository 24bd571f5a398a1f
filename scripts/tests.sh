#!/usr/bin/env bash
# Builds the program and runs every test.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer.sh"
"$racine/scripts/construire.sh" "$racine/build"
cd "$racine/build"
ctest --output-on-failure --parallel "$(nproc)"
