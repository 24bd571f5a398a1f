#!/usr/bin/env bash
# Builds the program and starts it in the demo folder ./demo, which is made
# from data/ the first time and kept afterwards (the user's changes stay).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer.sh"
"$racine/scripts/construire.sh" "$racine/build"
mkdir -p "$racine/demo"
for f in "$racine"/data/demo/* "$racine"/data/Zuta.rtf "$racine"/data/Tavernix.url; do
  [ -e "$f" ] || continue
  [ -e "$racine/demo/$(basename "$f")" ] || cp "$f" "$racine/demo/"
done
cd "$racine/demo"
exec "$racine/build/src/Zuta"
