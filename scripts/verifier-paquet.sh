#!/usr/bin/env bash
# Checks the Debian package as a user would meet it:
# 1. builds it (scripts/paquet.sh) and checks it with Debian's tools: lintian,
#    desktop-file-validate, appstreamcli; checks how the launcher passes its
#    arguments, with a stand-in for the program;
# 2. installs it (dpkg -i as root or through sudo; otherwise, or when a zuta
#    package is already installed, extracts it into a scratch folder); once
#    installed, asks xdg-mime the type of a base and the program that opens
#    it; starts the installed launcher for a new user in a virtual X display,
#    checks the user's program folder, then quits by the window's close box
#    and answers the save question, if it comes, as a user does; twice, the
#    second start finding the files of the first; a third time with a base
#    named on the command line by a relative path;
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

# Starts the launcher $1 for the user whose home is $2, from the folder $3,
# with the arguments that follow, and waits for the main window, which must be
# the only window shown: sets pid and principale.
pid=
principale=
lancer() {
  local lanceur=$1 maison=$2 ici=$3
  shift 3
  (cd "$ici" && exec env -u XDG_DATA_HOME -u QT_QPA_PLATFORM HOME="$maison" XDG_RUNTIME_DIR="$maison/exec" \
    "$lanceur" "$@") >>"$maison/programme.log" 2>&1 &
  pid=$!
  # shellcheck disable=SC2064
  trap "kill $pid 2>/dev/null || true" EXIT
  attendre 60 fenetre '^Zuta!' >/dev/null ||
    echec "no main window within 60 s; windows shown: $(fenetres) $(cat "$maison/programme.log")"
  principale=$(fenetre '^Zuta!')
  # The start was silent: the main window is the only window shown.
  [ "$(fenetres)" = "$(xdotool getwindowname "$principale")" ] || echec "other windows at start-up: $(fenetres)"
}

# The close box, then "Non" to the save question if the program asks it (it
# asks only when there is something to save): the program ends, with code 0,
# after writing its settings into the user's folder of home $1. Sets question
# to "oui" when the question came.
question=non
quitter() {
  local maison=$1
  demander_fermeture "$principale"
  local fin=$((SECONDS + 60)) essais=0 boite
  question=non
  until fini "$pid"; do
    ((SECONDS < fin)) || echec "the program did not end within 60 s of the close box; windows shown: $(fenetres)"
    boite=$(fenetre '^Confirmation de sauvegarde$') || { sleep 0.2; continue; }
    question=oui
    ((essais++ < 10)) || echec "the save question does not take the answer"
    xdotool windowfocus --sync "$boite" key n
    attendre 5 fini "$pid" || true
  done
  local code=0
  wait "$pid" || code=$?
  trap - EXIT
  ((code == 0)) || echec "the program ended with code $code ($(cat "$maison/programme.log"))"
}

# The settings of the user's folder $1: five lines ending in CR LF, the last
# one the full path $2 of the base.
reglages_nomment() {
  local dossier=$1 base=$2
  if [ "$(wc -l <"$dossier/Zuta.ini")" != 5 ] || [ "$(grep -c $'\r$' "$dossier/Zuta.ini")" != 5 ]; then
    echec "Zuta.ini is not five CR LF lines"
  fi
  [ "$(sed -n '5s/\r$//p' "$dossier/Zuta.ini")" = "$base" ] ||
    echec "Zuta.ini names $(sed -n '5s/\r$//p' "$dossier/Zuta.ini"), not $base"
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
  lancer "$lanceur" "$maison" "$PWD"

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

  # The program ends after writing its settings, leaving the base as it was.
  cp "$dossier/Zuta2005.don" "$maison/base-avant-fin"
  quitter "$maison"
  cmp "$maison/base-avant-fin" "$dossier/Zuta2005.don" || echec "the base changed though the answer was Non"
  reglages_nomment "$dossier" "$(cd "$dossier" && pwd -P)/Zuta2005.don"
}

# True when the main window's title names the base $1; a "*" follows the name
# while the base has unsaved changes.
titre_nomme() {
  case $(xdotool getwindowname "$principale") in
  "Zuta! v1.2b   (base : $1)" | "Zuta! v1.2b   (base : $1*)" | "Zuta! v1.2b   (base : $1)*") ;;
  *) return 1 ;;
  esac
}

# In the virtual display: the launcher $1, for the user whose home is $2, run
# from a folder of its own with a base named by a relative path, as one types
# "zuta ../Mes bases/NOM.don". The launcher makes the path absolute before it
# moves into the program folder: the program opens that base, and its
# settings name it when it ends.
ouvrir_une_base() {
  local lanceur=$1 maison=$2
  local dossier=$maison/.local/share/zuta
  local ailleurs=$maison/ailleurs bases="$maison/Mes bases" nom="Desserts d'Anne.don" titre
  mkdir -p "$ailleurs" "$bases"
  printf -- '-1 \r\nv1.2b\r\n 0 \r\n 0 \r\n 0 \r\n' >"$bases/$nom"
  cp "$bases/$nom" "$maison/base-donnee-avant"
  cp "$dossier/Zuta2005.don" "$maison/base-avant-fin"
  lancer "$lanceur" "$maison" "$ailleurs" "../Mes bases/$nom"
  attendre 10 titre_nomme "$nom" ||
    echec "the main window's title is \"$(xdotool getwindowname "$principale")\", not that of the base $nom"
  titre=$(xdotool getwindowname "$principale")
  echo "Opened \"../Mes bases/$nom\" from $ailleurs: the main window is \"$titre\""
  quitter "$maison"
  cmp "$maison/base-donnee-avant" "$bases/$nom" || echec "the base given changed though the answer was Non"
  cmp "$maison/base-avant-fin" "$dossier/Zuta2005.don" || echec "the user's default base changed"
  reglages_nomment "$dossier" "$(cd "$bases" && pwd -P)/$nom"
  local reponse="no save question"
  [ "$question" = non ] || reponse="\"Non\" to the save question"
  echo "Ended by the close box ($reponse); Zuta.ini names $(sed -n '5s/\r$//p' "$dossier/Zuta.ini")"
}

if [ "${1:-}" = --dans-l-affichage ]; then
  shift
  demarrer_et_quitter "$1" "$2" premier
  demarrer_et_quitter "$1" "$2" second
  ouvrir_une_base "$1" "$2"
  exit 0
fi

"$racine/scripts/installer.sh" dpkg-dev file lintian desktop-file-utils appstream \
  xvfb xauth xdotool x11-utils python3-xlib xdg-utils shared-mime-info libfile-mimeinfo-perl
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
  usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$id.png \
  usr/share/mime/packages/zuta.xml usr/share/icons/hicolor/scalable/mimetypes/application-x-zuta-base.svg \
  usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/mimetypes/application-x-zuta-base.png; do
  [ -f "$contenu/$f" ] || echec "the package lacks /$f"
done
# The menu entry opens a base given as a file.
grep -qx 'Exec=zuta %f' "$contenu/usr/share/applications/$id.desktop" || echec "the menu entry does not pass a file"
grep -qx 'MimeType=application/x-zuta-base;' "$contenu/usr/share/applications/$id.desktop" ||
  echec "the menu entry does not open the bases"
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

# The launcher's arguments, with a stand-in for the program that writes down
# its folder and its arguments, one a line.
etape=$SECONDS
essai=$travail/lanceur
mkdir -p "$essai/usr/bin" "$essai/usr/lib/zuta" "$essai/usr/share/zuta" "$essai/ici/sous dossier"
cp "$contenu/usr/bin/zuta" "$essai/usr/bin/"
cat >"$essai/usr/lib/zuta/Zuta" <<'SH'
#!/bin/sh
{ pwd -P; printf '%s\n' "$@"; } >"$ZUTA_ESSAI"
SH
chmod +x "$essai/usr/lib/zuta/Zuta"
ici=$(cd "$essai/ici/sous dossier" && pwd -P)
# Runs the launcher from $ici for a user of home $1 with the arguments that
# follow; fails unless the stand-in ran in the folder $2 and received the
# lines of $3.
arguments_recus() {
  local maison=$1 attendu_dossier=$2 attendu=$3
  shift 3
  rm -f "$essai/recu"
  (cd "$ici" && exec env -u XDG_DATA_HOME HOME="$maison" ZUTA_ESSAI="$essai/recu" "$essai/usr/bin/zuta" "$@") ||
    echec "the launcher failed with the arguments: $*"
  [ "$(head -n 1 "$essai/recu")" = "$attendu_dossier" ] ||
    echec "with the arguments \"$*\", the program ran in $(head -n 1 "$essai/recu"), not $attendu_dossier"
  [ "$(tail -n +2 "$essai/recu")" = "$attendu" ] ||
    echec "with the arguments \"$*\", the program received: $(tail -n +2 "$essai/recu")"
  printf '  zuta'
  printf ' [%s]' "$@"
  printf '\n    ->'
  tail -n +2 "$essai/recu" | while IFS= read -r ligne; do printf ' [%s]' "$ligne"; done
  printf '\n'
}
dossier_essai=$essai/maison/.local/share/zuta
echo "The launcher, run from $ici (arguments in brackets):"
arguments_recus "$essai/maison" "$dossier_essai" "$ici/Ma base.don" "Ma base.don"
arguments_recus "$essai/maison" "$dossier_essai" "/srv/recettes/Zuta2005.don" /srv/recettes/Zuta2005.don
arguments_recus "$essai/maison" "$dossier_essai" \
  "$(printf '%s\n' --exporter "$ici/../Mes bases/Desserts d'Anne.don" /tmp/sortie.csv)" \
  --exporter "../Mes bases/Desserts d'Anne.don" /tmp/sortie.csv
arguments_recus "$essai/maison" "$dossier_essai" \
  "$(printf '%s\n' --importer "$ici/-base.don" "$ici/entrée \$(x) *.csv" --ajouter-doublons)" \
  --importer -base.don "entrée \$(x) *.csv" --ajouter-doublons
arguments_recus "$essai/maison" "$dossier_essai" "$ici/--base.don" -- --base.don
# Help runs where it was asked, and makes no program folder.
arguments_recus "$essai/maison-aide" "$ici" --help --help
[ ! -e "$essai/maison-aide" ] || echec "zuta --help made $essai/maison-aide"
[ "$("$essai/usr/bin/zuta" --version)" = "Zuta $(dpkg-deb -f "$paquet" Version)" ] || echec "zuta --version is wrong"
echo "The launcher's arguments passed ($((SECONDS - etape)) s)"

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

# The file type once installed, as a user without any desktop session finds
# it: xdg-mime's generic way reads the shared MIME database through
# "mimetype", and the menu entries' cache that update-desktop-database writes;
# the dpkg triggers of shared-mime-info and desktop-file-utils update both.
if [ "$installe" = oui ]; then
  types=$travail/types
  mkdir -p "$types"
  printf -- '-1 \r\nv1.2b\r\n 0 \r\n 0 \r\n 0 \r\n' >"$types/Recettes.don"
  # A current base under another name: its first line tells.
  cp "$types/Recettes.don" "$types/recettes sans extension"
  for f in "$types/Recettes.don" "$types/recettes sans extension"; do
    type=$(env -i PATH="$PATH" HOME="$maison" xdg-mime query filetype "$f")
    echo "xdg-mime query filetype \"$(basename "$f")\": $type"
    [ "$type" = application/x-zuta-base ] || echec "xdg-mime takes $f for $type"
  done
  defaut=$(env -i PATH="$PATH" HOME="$maison" xdg-mime query default application/x-zuta-base)
  echo "xdg-mime query default application/x-zuta-base: $defaut"
  [ "$defaut" = "$id.desktop" ] || echec "the bases do not open with $id.desktop"
else
  echo "The package is not installed here: the file type is not asked of xdg-mime."
fi
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --dans-l-affichage "$lanceur" "$maison"
echo "Started twice from $lanceur for a new user, then on a base given by a relative path, ended by the close box ($((SECONDS - etape)) s)"
echo "Package check passed in $((SECONDS - debut)) s"
