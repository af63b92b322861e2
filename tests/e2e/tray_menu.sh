#!/usr/bin/env bash
# The real mirvale under Xvfb on a private session bus with a tray host of the test's own:
# its menu, read over DBusMenu, holds the expected lines in order (its card lines, which list
# whatever the machine has mounted, go unchecked); choosing "Pause watching" and "Launch at
# Login" (each clicked after the menu was opened again, with the entries read before) changes
# settings.json and the autostart entry; the icon's pixels change with pause. Where cards can
# be mounted (root, FUSE), three cards whose names a host could misread (EOS_DIGITAL,
# R&D_CARD, one with a right-to-left override) are listed exactly, as a host shows the labels;
# a card mounted later (DESK_1) is in the layout once "Card ready" is logged, read without
# AboutToShow, which then answers false and brings no LayoutUpdated; and when the watcher is
# replaced by one run as xfce4-panel, Mirvale registers again, its log names the host, and the
# names still read exactly.
#
#   tray_menu.sh MIRVALE_BINARY FAKE_TRAY_HOST_BINARY
# Exits 77 (skipped) without Xvfb or dbus-daemon, except under CI=true, where that fails.
set -uo pipefail

MIRVALE="$1"
HOST="$2"

E2E_NAME=tray
. "$(dirname "$0")/lib.sh"

need_tools Xvfb dbus-daemon dbus-run-session

# A display of our own, and a closed bus: nothing of the machine's is started on it.
start_xvfb 1280x800
write_bus_config "$WORK/bus.conf"

# Cards whose names DBusMenu and Qt menus read as markup, and a name that would reverse the
# rest of its line.
CARD_LABELS=(EOS_DIGITAL "R&D_CARD" $'\u202egpj.exe')
CARD_ROOT="/media/mirvale-tray-$$"
LOOPS=()
e2e_cleanup() {
  local dir loop
  for dir in "$CARD_ROOT"/*; do mountpoint -q "$dir" && { umount "$dir" 2>/dev/null || umount -l "$dir"; }; done
  for loop in "${LOOPS[@]}"; do losetup -d "$loop" 2>/dev/null; done
  rm -rf "$CARD_ROOT"
}
cards_mounted=no
if [ "$(id -u)" -eq 0 ] && [ -e /dev/fuse ] && command -v mkfs.exfat >/dev/null && command -v mount.exfat-fuse >/dev/null; then
  for i in "${!CARD_LABELS[@]}"; do
    truncate -s 16M "$WORK/card$i.img"
    mkfs.exfat -L "${CARD_LABELS[$i]}" "$WORK/card$i.img" >/dev/null || fail "mkfs.exfat"
    loop="$(losetup -f --show "$WORK/card$i.img")" || fail "no free loop device"
    LOOPS+=("$loop")
    mkdir -p "$CARD_ROOT/${CARD_LABELS[$i]}"
    mount.exfat-fuse "$loop" "$CARD_ROOT/${CARD_LABELS[$i]}" >/dev/null 2>&1 || fail "cannot mount a card"
  done
  # Mounted while Mirvale runs.
  truncate -s 16M "$WORK/late.img"
  mkfs.exfat -L DESK_1 "$WORK/late.img" >/dev/null || fail "mkfs.exfat"
  LATE_LOOP="$(losetup -f --show "$WORK/late.img")" || fail "no free loop device"
  LOOPS+=("$LATE_LOOP")
  LATE_DIR="$CARD_ROOT/DESK_1"
  mkdir -p "$LATE_DIR"
  export LATE_LOOP LATE_DIR
  cards_mounted=yes
else
  echo "cards: skipped (mounting a card image needs root, FUSE and exfatprogs)"
fi

mkdir -p "$WORK/home"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_STATE_HOME="$WORK/home/.local/state"
export XDG_CACHE_HOME="$WORK/home/.cache" XDG_DATA_HOME="$WORK/home/.local/share"
export XDG_RUNTIME_DIR="$WORK/runtime" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# No system bus: the test does not depend on the machine's disks or package manager.
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/no-system-bus"
export QT_QPA_PLATFORM=xcb WORK MIRVALE HOST cards_mounted

dbus-run-session --config-file="$WORK/bus.conf" -- bash -c '
set -uo pipefail
PIDS=()
finish() { for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done; }
trap finish EXIT
fail() { echo "FAIL: $*" >&2; echo "---- mirvale log" >&2; cat "$XDG_STATE_HOME/mirvale/mirvale.log" >&2 2>/dev/null; exit 1; }
wait_until() { # wait_until SECONDS COMMAND...
  local deadline=$(( $(date +%s) + $1 )); shift
  while [ "$(date +%s)" -le "$deadline" ]; do "$@" && return 0; sleep 0.05; done
  return 1
}

"$HOST" watch >"$WORK/host.out" 2>&1 & PIDS+=($!)
wait_until 10 grep -q watching "$WORK/host.out" || fail "the tray host did not start"
"$MIRVALE" >"$WORK/mirvale.out" 2>&1 & PIDS+=($!)
wait_until 20 grep -q registered "$WORK/host.out" || { cat "$WORK/mirvale.out" >&2; fail "mirvale registered no tray icon"; }

# The card lines (between the first two separators) list whatever the machine has mounted;
# this test checks its own cards there, and every other line exactly.
if [ "$cards_mounted" = yes ]; then
  size="[0-9.]+ MB free"
  for line in "EOS_DIGITAL — $size" "R&D_CARD — $size" "<U\+202E>gpj\.exe — $size"; do
    shown() { "$HOST" menu >"$WORK/menu.out" && grep -Eqx -- "$line" "$WORK/menu.out"; }
    wait_until 20 shown || { cat "$WORK/menu.out" >&2; fail "no menu line shows as \"$line\""; }
  done
  echo "cards: EOS_DIGITAL, R&D_CARD and the right-to-left override shown exactly"
fi
without_cards() { awk '"'"'/^---$/ { section++ } section != 1 || /^---$/'"'"'; }
expected="(Mirvale)
---
---
[ ] Pause watching
---
Settings…|Control+,
[ ] Launch at Login
Show Log
(Check for Updates…)
---
Quit Mirvale|Control+Q"
menu="$("$HOST" menu | without_cards)" || fail "cannot read the menu"
if [ "$menu" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$menu") >&2
  fail "the menu differs from the expected lines"
fi
echo "menu: $(echo "$menu" | wc -l) lines as expected"

"$HOST" icon "$WORK/normal.png" >/dev/null || fail "cannot read the icon"
"$HOST" click "Pause watching" >/dev/null || fail "cannot choose Pause watching"
settings="$XDG_CONFIG_HOME/Mirvale/settings.json"
paused() { grep -Eq "\"paused\" *: *true" "$settings" 2>/dev/null; }
wait_until 10 paused || fail "settings.json does not say paused"
icon_changed() { "$HOST" icon "$WORK/paused.png" >/dev/null && ! cmp -s "$WORK/normal.png" "$WORK/paused.png"; }
wait_until 10 icon_changed || fail "the icon did not change when paused"
ticked() { "$HOST" menu >"$WORK/menu.out" && grep -qx "\[x\] $1" "$WORK/menu.out"; }
ticked "Pause watching" || { cat "$WORK/menu.out" >&2; fail "Pause watching is not ticked"; }
echo "pause: settings.json and the icon changed"

"$HOST" click "Launch at Login" >/dev/null || fail "cannot choose Launch at Login"
entry="$XDG_CONFIG_HOME/autostart/io.github.mirvale.Mirvale.desktop"
wait_until 10 test -f "$entry" || fail "no autostart entry"
grep -qx "Exec=$(readlink -f "$MIRVALE")" "$entry" || { cat "$entry" >&2; fail "the entry does not run this binary"; }
wait_until 10 ticked "Launch at Login" || { cat "$WORK/menu.out" >&2; fail "Launch at Login is not ticked"; }
"$HOST" click "Launch at Login" >/dev/null || fail "cannot choose Launch at Login again"
wait_until 10 test ! -e "$entry" || fail "the autostart entry was not removed"
echo "launch at login: the entry was written and removed"

if [ "$cards_mounted" = yes ]; then
  mount.exfat-fuse "$LATE_LOOP" "$LATE_DIR" >/dev/null 2>&1 || fail "cannot mount the late card"
  wait_until 20 grep -q "Card ready: DESK_1" "$XDG_STATE_HOME/mirvale/mirvale.log" || fail "no Card ready for DESK_1"
  # Mirvale lists every card it sees: a disk of another test coming or going during the read
  # rightly updates the menu, so such a read is done again (updates AboutToShow caused still fail).
  log="$XDG_STATE_HOME/mirvale/mirvale.log"
  for try in 1 2 3; do
    before="$(grep -cE "Card mounted|Volume unmounted|Disk appeared|Disk disappeared" "$log")"
    "$HOST" layout >"$WORK/layout.out" || fail "cannot read the layout"
    [ "$(grep -cE "Card mounted|Volume unmounted|Disk appeared|Disk disappeared" "$log")" = "$before" ] && break
  done
  grep -Eqx -- "DESK_1( — .*)?" "$WORK/layout.out" || { cat "$WORK/layout.out" >&2; fail "the layout lacks DESK_1 after Card ready"; }
  grep -qx "about-to-show false" "$WORK/layout.out" || { cat "$WORK/layout.out" >&2; fail "AboutToShow did not answer false"; }
  grep -qx "updates 0" "$WORK/layout.out" || { cat "$WORK/layout.out" >&2; fail "LayoutUpdated came after AboutToShow"; }
  echo "card ready: DESK_1 in the layout before any AboutToShow; AboutToShow false, no LayoutUpdated after it"

  # The panel restarts as Xfce'"'"'s: Mirvale registers with the new watcher.
  kill "${PIDS[0]}"; wait "${PIDS[0]}" 2>/dev/null
  ln -sf "$HOST" "$WORK/xfce4-panel"
  "$WORK/xfce4-panel" watch >"$WORK/xfce.out" 2>&1 & PIDS+=($!)
  wait_until 20 grep -q registered "$WORK/xfce.out" || fail "mirvale did not register with the new watcher"
  for line in "EOS_DIGITAL — $size" "R&D_CARD — $size" "DESK_1( — $size)?"; do
    shown() { "$HOST" layout >"$WORK/menu.out" && grep -Eqx -- "$line" "$WORK/menu.out"; }
    wait_until 20 shown || { cat "$WORK/menu.out" >&2; fail "no menu line shows as \"$line\" after the watcher changed"; }
  done
  grep -q "Tray: the status-notifier host shows the icon (watcher run by xfce4-panel)" \
    "$XDG_STATE_HOME/mirvale/mirvale.log" || fail "no log line names the new host"
  echo "new watcher: registered again, the host named in the log, the names read exactly"
fi

[ -n "${TRAY_SNAPSHOT_DIR:-}" ] && cp "$WORK/normal.png" "$WORK/paused.png" "$TRAY_SNAPSHOT_DIR/"
grep -q "Paused set to true" "$XDG_STATE_HOME/mirvale/mirvale.log" || fail "no pause line in the log"
grep -q "UpdateController: no update checks: " "$XDG_STATE_HOME/mirvale/mirvale.log" || fail "no line says why updates are off"
exit 0
'
