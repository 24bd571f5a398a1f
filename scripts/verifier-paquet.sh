#!/usr/bin/env bash
# Checks the Debian package as a user would meet it:
# 1. builds it (scripts/paquet.sh) and checks it with Debian's tools: lintian,
#    desktop-file-validate, appstreamcli;
# 2. installs it (dpkg -i as root or through sudo; otherwise, or when a zuta
#    package is already installed, extracts it into a scratch folder), starts
#    the installed launcher for a new user in a virtual X display, checks the
#    user's program folder, then quits by the window's close box and answers
#    the save question as a user does; twice, the second start finding the
#    files of the first;
# 3. removes the package it installed and its scratch folders.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
id=example.tavernix.Zuta

echec() {
  echo "verifier-paquet : $*" >&2
  exit 1
}

# Waits, for at most $1 seconds, until the command that follows succeeds.
attendre() {
  local fin=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < fin)) || return 1
    sleep 0.2
  done
}

fini() {
  ! kill -0 "$1" 2>/dev/null
}

# The first visible window whose name matches the pattern $1, on stdout.
fenetre() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .
}

# The names of the windows shown, one a line.
fenetres() {
  xdotool search --onlyvisible --name '.' 2>/dev/null | xargs -r -n 1 xdotool getwindowname
}

# Asks window $1 to close, as a window manager does for its close box.
demander_fermeture() {
  /usr/bin/python3 - "$1" <<'PYTHON'
import sys
from Xlib import X, display, protocol
d = display.Display()
fenetre = d.create_resource_object("window", int(sys.argv[1]))
fenetre.send_event(protocol.event.ClientMessage(
    window=fenetre, client_type=d.intern_atom("WM_PROTOCOLS"),
    data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
d.flush()
PYTHON
}

# In the virtual display: one start of the launcher $1 for the user whose
# home is $2, down to the end of the program. $3 is "premier" for the user's
# first start.
demarrer_et_quitter() {
  local lanceur=$1 maison=$2 fois=$3
  local dossier=$maison/.local/share/zuta
  local avant=$maison/avant
  if [ "$fois" != premier ]; then
    mkdir -p "$avant"
    cp "$dossier/Zuta2005.don" "$dossier/Zuta.ini" "$avant/"
  fi
  env -u XDG_DATA_HOME -u QT_QPA_PLATFORM HOME="$maison" XDG_RUNTIME_DIR="$maison/exec" \
    "$lanceur" >>"$maison/programme.log" 2>&1 &
  local pid=$!
  # shellcheck disable=SC2064
  trap "kill $pid 2>/dev/null || true" EXIT
  local principale
  attendre 60 fenetre '^Zuta!' >/dev/null ||
    echec "no main window within 60 s; windows shown: $(fenetres) $(cat "$maison/programme.log")"
  principale=$(fenetre '^Zuta!')

  # The start was silent: the main window is the only window shown.
  [ "$(fenetres)" = "$(xdotool getwindowname "$principale")" ] || echec "other windows at start-up: $(fenetres)"
  # The program's icon is the window's.
  local icone
  icone=$(xprop -id "$principale" -len 1000000 _NET_WM_ICON)
  [[ $icone == *"Icon (48 x 48)"*"Icon (256 x 256)"* ]] || echec "the main window lacks the program's icon"
  # The user's folder: the installed help and web shortcut, and the base.
  local f
  for f in Zuta.rtf Tavernix.url; do
    cmp -s "$dossier/$f" "$(dirname "$lanceur")/../share/zuta/$f" || echec "$dossier/$f is not the installed $f"
  done
  if [ "$fois" = premier ]; then
    # The empty base of a first start, byte for byte; settings come at the end.
    printf -- '-1 \r\nv1.2b\r\n 0 \r\n 0 \r\n 0 \r\n' | cmp - "$dossier/Zuta2005.don" || echec "not an empty base"
    [ ! -e "$dossier/Zuta.ini" ] || echec "Zuta.ini written before the end"
  else
    # Neither the launcher nor the start touched the user's base and settings.
    cmp "$avant/Zuta2005.don" "$dossier/Zuta2005.don" || echec "the base changed at start-up"
    cmp "$avant/Zuta.ini" "$dossier/Zuta.ini" || echec "the settings changed at start-up"
  fi

  # The close box, then "Non" to the save question: the program ends after
  # writing its settings, leaving the base as it was.
  cp "$dossier/Zuta2005.don" "$maison/base-avant-fin"
  demander_fermeture "$principale"
  attendre 60 fenetre '^Confirmation de sauvegarde$' >/dev/null || echec "no save question within 60 s"
  local essais=0 boite
  until fini "$pid"; do
    boite=$(fenetre '^Confirmation de sauvegarde$') || { sleep 0.2; continue; }
    ((essais++ < 10)) || echec "the save question does not take the answer"
    xdotool windowfocus --sync "$boite" key n
    attendre 5 fini "$pid" || true
  done
  local code=0
  wait "$pid" || code=$?
  trap - EXIT
  ((code == 0)) || echec "the program ended with code $code ($(cat "$maison/programme.log"))"
  cmp "$maison/base-avant-fin" "$dossier/Zuta2005.don" || echec "the base changed though the answer was Non"
  # Settings: five lines ending in CR LF, the last one the base's full path.
  if [ "$(wc -l <"$dossier/Zuta.ini")" != 5 ] || [ "$(grep -c $'\r$' "$dossier/Zuta.ini")" != 5 ]; then
    echec "Zuta.ini is not five CR LF lines"
  fi
  [ "$(sed -n '5s/\r$//p' "$dossier/Zuta.ini")" = "$(cd "$dossier" && pwd -P)/Zuta2005.don" ] ||
    echec "Zuta.ini does not name the user's base"
}

if [ "${1:-}" = --dans-l-affichage ]; then
  shift
  demarrer_et_quitter "$1" "$2" premier
  demarrer_et_quitter "$1" "$2" second
  exit 0
fi

"$racine/scripts/installer.sh" dpkg-dev file lintian desktop-file-utils appstream \
  xvfb xauth xdotool x11-utils python3-xlib
travail=$(mktemp -d)
installe=non
sudo=""
nettoyer() {
  if [ "$installe" = oui ]; then
    $sudo dpkg --purge zuta >/dev/null || echo "verifier-paquet : dpkg --purge zuta failed" >&2
  fi
  rm -rf "$travail"
}
trap nettoyer EXIT

debut=$SECONDS
"$racine/scripts/paquet.sh" | tee "$travail/paquet.log"
paquet=$(tail -n 1 "$travail/paquet.log")
echo "Package built: $paquet ($((SECONDS - debut)) s)"

# Debian's checks, on the files as the package holds them.
etape=$SECONDS
contenu=$travail/contenu
dpkg-deb -x "$paquet" "$contenu"
for f in usr/bin/zuta usr/lib/zuta/Zuta usr/share/zuta/Zuta.rtf usr/share/zuta/Tavernix.url \
  usr/share/man/man1/zuta.1.gz usr/share/doc/zuta/copyright usr/share/doc/zuta/changelog.gz \
  usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$id.png; do
  [ -f "$contenu/$f" ] || echec "the package lacks /$f"
done
desktop-file-validate "$contenu/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$contenu/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate-tree --no-net "$contenu" >/dev/null
# Warnings fail too: none is left, and none should come back unexplained.
resultat=0
lintian --fail-on error,warning --display-info --show-overrides "$paquet" >"$travail/lintian.log" 2>&1 || resultat=$?
grep -v 'running with root privileges' "$travail/lintian.log" || true
((resultat == 0)) || echec "lintian found errors or warnings"
# One version and one date in the package, its changelog, metadata and manual pages.
version=$(dpkg-deb -f "$paquet" Version)
changelog=$racine/paquet/changelog
[ "$(dpkg-parsechangelog -l "$changelog" -S Version)" = "$version" ] || echec "paquet/changelog is not at $version"
date=$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)
grep -q "<release version=\"$version\" date=\"$date\"" "$contenu/usr/share/metainfo/$id.metainfo.xml" ||
  echec "the metadata's latest release is not $version of $date"
for page in "$racine"/paquet/zuta.1 "$racine"/paquet/fr/zuta.1; do
  grep -q "^\.TH ZUTA 1 \"$date\" \"Zuta $version\"" "$page" || echec "$page is not at $version of $date"
done
echo "Debian's checks passed ($((SECONDS - etape)) s)"

# Installed as a user installs it, else in a scratch root.
etape=$SECONDS
etat=$(dpkg-query -W -f='${Status}' zuta 2>/dev/null || true)
if [[ $etat == *"ok installed"* ]]; then
  echo "A zuta package is already installed here: the new one is checked in a scratch folder."
  lanceur=$contenu/usr/bin/zuta
elif [ "$(id -u)" -eq 0 ] || sudo -n true 2>/dev/null; then
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  installe=oui
  $sudo dpkg -i "$paquet" >/dev/null
  lanceur=$(command -v zuta) || echec "zuta is not on the PATH"
  [ "$lanceur" = /usr/bin/zuta ] || echec "zuta found at $lanceur"
else
  lanceur=$contenu/usr/bin/zuta
fi
maison=$travail/maison
mkdir -p "$maison/exec"
chmod 700 "$maison/exec"
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --dans-l-affichage "$lanceur" "$maison"
echo "Started twice from $lanceur for a new user, ended by the close box ($((SECONDS - etape)) s)"
echo "Package check passed in $((SECONDS - debut)) s"
