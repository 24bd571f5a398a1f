#!/usr/bin/env bash
# Installs the Debian packages the build needs (and any extra ones named as
# arguments). Quick when everything is already there.
set -euo pipefail
paquets=(g++ cmake ninja-build qt6-base-dev qt6-translations-l10n libgl-dev "$@")
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || manquants+=("$p")
done
if ((${#manquants[@]})); then
  root=""
  [ "$(id -u)" -eq 0 ] || root=sudo
  $root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $root apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi
