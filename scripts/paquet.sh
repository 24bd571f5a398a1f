#!/usr/bin/env bash
# Builds the Debian package of Zuta: paquet.sh [FOLDER], by default in
# build-paquet/. A Release build in the system layout, without the tests,
# with Debian's hardening flags; CPack makes the package and dpkg-shlibdeps
# its dependencies. Prints the path of the package.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${1:-$racine/build-paquet}
"$racine/scripts/installer.sh" dpkg-dev file
# The flags Debian builds its own packages with (hardening included), read
# by CMake when it first configures the folder. No -g: the packaged program
# is stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
"$racine/scripts/construire.sh" "$dossier" -DZUTA_INSTALLATION=systeme -DZUTA_TESTS=OFF
cd "$dossier"
rm -f ./*.deb
cpack -G DEB >cpack.log || { cat cpack.log >&2; exit 1; }
ls "$PWD"/*.deb
