#!/usr/bin/env bash
# Takes the README's screenshot of the main window on the demo base, in a
# virtual X display: capture.sh [OUTPUT.png]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=${1:-$racine/docs/fenetre-principale.png}
"$racine/scripts/installer.sh" xvfb xauth imagemagick
"$racine/scripts/construire.sh" "$racine/build"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
cp "$racine"/data/demo/* "$travail/" 2>/dev/null || true
mkdir -p "$(dirname "$sortie")"
xvfb-run -a -s "-screen 0 1100x760x24" bash -c "
  cd '$travail'
  printf ' 0 \r\n 1 \r\n 600 \r\n 600 \r\n*\r\n' > Zuta.ini
  '$racine/build/src/Zuta' &
  programme=\$!
  sleep 3
  import -window root -crop 1000x700+30+30 +repage '$sortie'
  kill \$programme
"
echo "$sortie"
