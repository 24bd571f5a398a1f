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
# The program object knows every part and no part holds it: no file of src/
# but app/Programme.* and app/main.cpp names it, and no class of the tests or
# the benchmark keeps a reference or a pointer to it (their fixtures own it).
while IFS= read -r ligne; do
  echo "nomme le programme : $ligne"
  fautes=$((fautes + 1))
done < <(grep -rnw --include='*.h' --include='*.cpp' 'Programme' . | grep -vE '^\./app/(Programme\.(h|cpp)|main\.cpp):' || true)
while IFS= read -r ligne; do
  echo "garde le programme : $ligne"
  fautes=$((fautes + 1))
done < <(grep -rnE --include='*.h' --include='*.cpp' \
  '(Programme\s*[&*]\s*(const\s+)?m_[A-Za-z_]+|reference_wrapper<\s*Programme|Programme\s*[&*]\s*[A-Za-z_]+\s*;)' \
  ../tests ../bench || true)
if ((fautes)); then
  echo "$fautes faute(s) d'architecture"
  exit 1
fi
echo "inclusions : app -> search, card, output, windows -> base -> platform ; le programme n'est gardé par personne"
