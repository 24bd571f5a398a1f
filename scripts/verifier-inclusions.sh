#!/usr/bin/env bash
# Checks which way the includes of src/ point: app/ wires everything; the
# features (search, card, output, windows) include only themselves, base/ and
# platform/; base/ includes itself and platform/; platform/ only itself.
set -euo pipefail
cd "$(dirname "$0")/../src"
fautes=0
for dossier in platform base search card output windows echange; do
  case $dossier in
    platform) permis="platform" ;;
    base) permis="base|platform" ;;
    *) permis="$dossier|base|platform" ;;
  esac
  # Quoted includes that name a folder of src/ other than those allowed.
  while IFS= read -r ligne; do
    echo "interdit : $ligne"
    fautes=$((fautes + 1))
  done < <(grep -HnE '^#include "[a-z]+/' "$dossier"/*.h "$dossier"/*.cpp | grep -vE "#include \"($permis)/" || true)
done
if ((fautes)); then
  echo "$fautes inclusion(s) à contre-sens"
  exit 1
fi
echo "inclusions : app -> search, card, output, windows -> base -> platform"
