#!/usr/bin/env bash
# Mirvale's catalogues, kept current with the sources.
#
#   scripts/translations.sh update         brings translations/*.ts up to date with src/
#                                          (new texts arrive unfinished; gone ones are dropped)
#   scripts/translations.sh check          fails when an update would leave a catalogue with
#                                          an unfinished, vanished or obsolete entry
#   scripts/translations.sh pseudo OUT.qm  a catalogue whose every text is "[[source]]", for
#                                          the test that finds texts that skip translation
#   scripts/translations.sh add LANG       starts translations/mirvale_LANG.ts
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QT_BIN="$(qtpaths6 --query QT_HOST_LIBEXECS 2>/dev/null || echo /usr/lib/qt6/libexec)"
LUPDATE=/usr/lib/qt6/bin/lupdate
LRELEASE=/usr/lib/qt6/bin/lrelease
[[ -x "$LUPDATE" ]] || LUPDATE="$QT_BIN/lupdate"
[[ -x "$LRELEASE" ]] || LRELEASE="$QT_BIN/lrelease"

# The languages with a catalogue of their own; English holds only the plural forms.
languages() { ls "$ROOT/translations" | sed -n 's/^mirvale_\(.*\)\.ts$/\1/p' | grep -vx en; }

# lupdate over src/ into the given .ts files, with its extra options first.
extract() {
  local options=("$@")
  (cd "$ROOT" && "$LUPDATE" src -silent -locations none -extensions cpp,h "${options[@]}")
}

update() {
  local folder="$1" ts=()
  for language in $(languages); do ts+=("$folder/mirvale_$language.ts"); done
  extract -no-obsolete -ts "${ts[@]}"
  extract -no-obsolete -pluralonly -ts "$folder/mirvale_en.ts"
}

case "${1:-}" in
  update)
    update "$ROOT/translations"
    ;;
  add)
    [[ "${2:-}" =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]] || { echo "usage: $0 add LANG (e.g. fr or pt_BR)" >&2; exit 2; }
    extract -ts "$ROOT/translations/mirvale_$2.ts"
    echo "translations/mirvale_$2.ts: translate its entries (Qt Linguist, or by hand), then rebuild"
    ;;
  check)
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    cp "$ROOT"/translations/*.ts "$work/"
    # Without -no-obsolete, so that a text gone from the sources shows as vanished.
    ts=()
    for language in $(languages); do ts+=("$work/mirvale_$language.ts"); done
    extract -ts "${ts[@]}"
    extract -pluralonly -ts "$work/mirvale_en.ts"
    failed=0
    for file in "$work"/*.ts; do
      unfinished=$(grep -c 'type="unfinished"' "$file" || true)
      gone=$(grep -cE 'type="(vanished|obsolete)"' "$file" || true)
      echo "$(basename "$file"): $unfinished unfinished, $gone vanished or obsolete"
      if ((unfinished + gone > 0)); then
        failed=1
        grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$file" | grep -E '<source>' | head -5 || true
      fi
    done
    if ((failed)); then
      echo "catalogues behind the sources: run scripts/translations.sh update and translate" >&2
      exit 1
    fi
    ;;
  pseudo)
    out="${2:?usage: $0 pseudo OUT.qm}"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    extract -ts "$work/pseudo.ts"
    python3 - "$work/pseudo.ts" <<'PY'
import sys
import xml.etree.ElementTree as ET
path = sys.argv[1]
tree = ET.parse(path)
tree.getroot().set("language", "en")
for message in tree.iter("message"):
    source = message.findtext("source")
    translation = message.find("translation")
    translation.attrib.pop("type", None)
    # Qt's own entry keeps its meaning: the layout direction stays left to right.
    text = "LTR" if source == "QT_LAYOUT_DIRECTION" else "[[" + source + "]]"
    if message.get("numerus") == "yes":
        for form in list(translation):
            translation.remove(form)
        for _ in range(2):
            ET.SubElement(translation, "numerusform").text = text
    else:
        translation.text = text
tree.write(path, encoding="utf-8", xml_declaration=True)
PY
    "$LRELEASE" -silent "$work/pseudo.ts" -qm "$out"
    ;;
  *)
    sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
    ;;
esac
