#!/usr/bin/env bash
# Checks that the code of src/ and tests/ is written as .clang-format says;
# `clang-format -i FILE` puts a file right.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installer.sh clang-format
mapfile -t fichiers < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h')
clang-format --dry-run --Werror "${fichiers[@]}"
echo "format : ${#fichiers[@]} fichiers conformes"
