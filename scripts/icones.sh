#!/usr/bin/env bash
# Makes the PNG sizes of the program's icon from data/icones/zuta.svg, and of
# the icon of a base file from data/icones/zuta-base.svg. The PNGs
# are committed: the program loads them as its window icon (Qt reads PNG
# without its SVG plugin) and the system install puts them in the icon theme.
# Run it again after changing the SVG.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer.sh" librsvg2-bin
cd "$racine/data/icones"
for cote in 48 64 128 256; do
  rsvg-convert --width "$cote" --height "$cote" zuta.svg --output "zuta-$cote.png"
  rsvg-convert --width "$cote" --height "$cote" zuta-base.svg --output "zuta-base-$cote.png"
done
ls -l zuta-*.png
