#!/usr/bin/env bash
# The real mirvale and mirvalectl in the user's language. LANG=de_DE.UTF-8: the help is German,
# and LANGUAGE's list goes before LANG, its first language Mirvale has winning; the tray menu
# read over DBusMenu has the German catalogue's lines; the log says which language and stays
# English. mirvalectl's findings follow LANG while `resolve`'s JSON is the same bytes in any
# language. LANG=ar_EG.UTF-8 lays Mirvale out right to left (its settings window's picture goes
# to MIRVALE_E2E_SHOTS when set).
#
#   languages.sh MIRVALE_BINARY MIRVALECTL_BINARY FAKE_TRAY_HOST_BINARY
set -uo pipefail

MIRVALE="$1" CTL="$2" HOST="$3"
E2E_NAME=languages
. "$(dirname "$0")/lib.sh"
need_tools Xvfb dbus-daemon dbus-run-session python3
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"

# The first line of the catalogue's translation of the text that starts with PREFIX.
translated() { # translated LANG PREFIX
  python3 - "$ROOT/translations/mirvale_$1.ts" "$2" <<'PY'
import sys, xml.etree.ElementTree as ET
for message in ET.parse(sys.argv[1]).iter("message"):
    if (message.findtext("source") or "").startswith(sys.argv[2]):
        print((message.findtext("translation") or "").split("\n")[0])
        break
PY
}

unset LC_ALL LC_MESSAGES LANGUAGE
mkdir -p "$WORK/home"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_STATE_HOME="$WORK/home/.local/state"
export XDG_RUNTIME_DIR="$WORK/runtime" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/no-system-bus"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

# The help, in German; LANGUAGE's list picks Spanish over LANG's German (Mirvale has no Breton).
for language in de es; do
  expected="$(translated "$language" "Usage: mirvale")"
  [ -n "$expected" ] || fail "the $language catalogue has no help"
  case $language in
    de) LANG=de_DE.UTF-8 "$MIRVALE" --help >"$WORK/help" ;;
    es) LANGUAGE=br:es LANG=de_DE.UTF-8 "$MIRVALE" --help >"$WORK/help" ;;
  esac
  [ "$(head -1 "$WORK/help")" = "$expected" ] || { head -3 "$WORK/help" >&2; fail "the $language help does not begin \"$expected\""; }
done
echo "help: German under LANG, Spanish first under LANGUAGE=br:es"

# mirvalectl: findings in the user's language, JSON the same bytes in every language.
mkdir -p "$WORK/card/DCIM/100CANON"
echo '[{"enabled":true,"extras":{},"id":"CCE739E0-7262-4941-B6D5-E34E84AD5DF4","match":{"kind":"anyCard"},"name":"Any camera card","openNewestFolder":true,"selectNewestFile":true,"subfolder":{"kind":"smart"}}]' >"$WORK/rules.json"
echo 'nope' >"$WORK/broken.json"
LANG=C "$CTL" validate "$WORK/broken.json" >"$WORK/validate.en" 2>&1
LANG=de_DE.UTF-8 "$CTL" validate "$WORK/broken.json" >"$WORK/validate.de" 2>&1
! cmp -s "$WORK/validate.en" "$WORK/validate.de" || { cat "$WORK/validate.de" >&2; fail "mirvalectl's findings are English under LANG=de_DE.UTF-8"; }
for lang in C de_DE.UTF-8 ar_EG.UTF-8; do
  LANG=$lang "$CTL" resolve --rules "$WORK/rules.json" "$WORK/card" >"$WORK/resolve.$lang" 2>/dev/null
done
grep -q '"folder"' "$WORK/resolve.C" || { cat "$WORK/resolve.C" >&2; fail "resolve printed no JSON"; }
cmp -s "$WORK/resolve.C" "$WORK/resolve.de_DE.UTF-8" && cmp -s "$WORK/resolve.C" "$WORK/resolve.ar_EG.UTF-8" \
  || { diff "$WORK/resolve.C" "$WORK/resolve.de_DE.UTF-8" >&2; fail "resolve's JSON changes with the language"; }
echo "mirvalectl: findings in German, JSON unchanged"

# The tray menu, as a host reads it, in German.
start_xvfb 1280x800
write_bus_config "$WORK/bus.conf"
export QT_QPA_PLATFORM=xcb MIRVALE HOST WORK
export SETTINGS_DE="$(translated de "Settings…")|Control+," QUIT_DE="$(translated de "Quit Mirvale")|Control+Q"
LANG=de_DE.UTF-8 dbus-run-session --config-file="$WORK/bus.conf" -- bash -c '
  "$HOST" watch >"$WORK/host.out" 2>&1 & host=$!
  "$MIRVALE" >"$WORK/mirvale.out" 2>&1 & app=$!
  trap "kill $app $host 2>/dev/null; wait $app $host 2>/dev/null" EXIT
  for _ in $(seq 200); do grep -q registered "$WORK/host.out" && break; sleep 0.1; done
  "$HOST" menu >"$WORK/menu"
'
grep -qxF -- "$SETTINGS_DE" "$WORK/menu" && grep -qxF -- "$QUIT_DE" "$WORK/menu" \
  || { cat "$WORK/menu" >&2; fail "the menu lacks \"$SETTINGS_DE\" or \"$QUIT_DE\""; }
log="$XDG_STATE_HOME/mirvale/mirvale.log"
grep -q "Language: de (the user asks for de" "$log" || { cat "$log" >&2; fail "the log does not say German"; }
grep -q "Coordinator started" "$log" || fail "the log is not English"
echo "tray menu: German lines read over DBusMenu; the log names the language in English"

# Arabic: right to left.
LANG=ar_EG.UTF-8 QT_QPA_PLATFORM=offscreen "$MIRVALE" --snapshot-settings "$WORK/settings-ar.png" light \
  || fail "no Arabic picture of the settings window"
[ -n "${MIRVALE_E2E_SHOTS:-}" ] && mkdir -p "$MIRVALE_E2E_SHOTS" && cp "$WORK/settings-ar.png" "$MIRVALE_E2E_SHOTS/"
LANG=ar_EG.UTF-8 QT_QPA_PLATFORM=offscreen XDG_STATE_HOME="$WORK/ar" timeout 20 "$MIRVALE" >/dev/null 2>&1 &
wait_for "$WORK/ar/mirvale/mirvale.log" "laid out right to left" 20 || fail "Arabic is not laid out right to left"
kill $! 2>/dev/null; wait $! 2>/dev/null
echo "arabic: laid out right to left"
exit 0
