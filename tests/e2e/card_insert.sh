#!/usr/bin/env bash
# End to end: a real exFAT card image is attached and mounted through FUSE under /media while
# the real mirvale binary runs on a private session bus with a recording file manager. The
# card must be announced, the newest camera folder shown, and the unmount noticed. A second
# run with udisks2 on the system bus shows the disk session at work.
#
# With udisks2, mirvalectl lists, unmounts and (failing, as udisks2 cannot mount exFAT here)
# mounts the card, and a second mirvale hands over to the first.
#
#   card_insert.sh MIRVALE_BINARY FAKE_FILE_MANAGER_BINARY MIRVALECTL_BINARY
# Exits 77 (skipped) where cards cannot be mounted, except under CI=true, where that fails.
set -uo pipefail

MIRVALE="$1"
FAKE_FM="$2"
MIRVALECTL="$3"
LABEL="${MIRVALE_E2E_LABEL:-EOS_DIGITAL}" # exFAT: at most 11 characters

E2E_NAME=card
. "$(dirname "$0")/lib.sh"

need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session

MOUNTPOINT="/media/root/$LABEL"
e2e_cleanup() {
  release_mount "$MOUNTPOINT"
  rmdir "$MOUNTPOINT" 2>/dev/null
  [ -n "${MIRVALE_E2E_KEEP_LOGS:-}" ] && cp -r "$WORK" "$MIRVALE_E2E_KEEP_LOGS" 2>/dev/null
}

# The session bus of each run activates nothing from the machine (no desktop file manager).
write_bus_config "$WORK/bus.conf"

# The card: DCIM with two camera folders, the newer one by name.
fill_card() {
  mkdir -p "$1/DCIM/100CANON" "$1/DCIM/101CANON" "$1/MISC"
  for n in 0001 0002 0003; do echo "raw $n" > "$1/DCIM/100CANON/IMG_$n.CR3"; done
  for n in 0004 0005; do echo "raw $n" > "$1/DCIM/101CANON/IMG_$n.CR3"; done
}
make_card_image "$LABEL" fill_card

# The command line answers before anything starts: the usage, exit 0, no log; 2 for a typo.
mkdir -p "$WORK/help"
HOME="$WORK/help" XDG_STATE_HOME="$WORK/help/state" timeout 10 "$MIRVALE" --help > "$WORK/help/usage" \
  || fail "mirvale --help exited with $?"
HOME="$WORK/help" XDG_STATE_HOME="$WORK/help/state" timeout 10 "$MIRVALE" --bogus 2>/dev/null
[ $? -eq 2 ] || fail "mirvale --bogus did not exit 2"
grep -q "^Usage: mirvale" "$WORK/help/usage" && [ ! -e "$WORK/help/state/mirvale" ] \
  || fail "mirvale --help printed no usage or wrote a log"

# Run 1: no udisks2 needed; the mount table drives everything. A log an earlier version
# left in the old place moves to the new one.
mkdir -p "$WORK/plain/.local/state/Logs/Mirvale"
echo "an earlier line" > "$WORK/plain/.local/state/Logs/Mirvale/earlier.log"
start_mirvale plain offscreen yes
grep -q "^an earlier line" "$LOGFILE" && [ ! -e "$WORK/plain/.local/state/Logs" ] \
  || fail "the earlier log was not moved to $LOGFILE"
mkdir -p "$MOUNTPOINT"
mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || { echo "FAIL: mount" >&2; exit 1; }
MOUNTED_AT=$(now_ms)
wait_for "$LOGFILE" "Card ready: $LABEL at $MOUNTPOINT" 15 || exit 1
wait_for "$FM_LOG" "DCIM/101CANON" 15 || exit 1
if grep -q "100CANON" "$FM_LOG"; then echo "FAIL: the older folder was shown" >&2; exit 1; fi
wait_for "$LOGFILE" "$LABEL: opened DCIM/101CANON" 15 || exit 1

CARD_MOUNTED_MS=$(log_time_ms "$LOGFILE" "Card mounted: $MOUNTPOINT")
CARD_READY_MS=$(log_time_ms "$LOGFILE" "Card ready: $LABEL")
FM_CALL_MS=$(head -n1 "$FM_LOG" | cut -d' ' -f1)
PID=$(cat "$WORK/plain/mirvale.pid")
echo "measure: mount returned -> \"Card mounted\" logged: $(( CARD_MOUNTED_MS - MOUNTED_AT )) ms"
[ -n "$FM_CALL_MS" ] && echo "measure: \"Card ready\" (settle over) -> file manager called: $(( FM_CALL_MS - CARD_READY_MS )) ms"

release_mount "$MOUNTPOINT"
wait_for "$LOGFILE" "Volume unmounted: $MOUNTPOINT" 10 || exit 1

# Idle cost with a card mounted: CPU ticks over a quiet period and resident memory.
if [ -n "${MIRVALE_E2E_IDLE_SECONDS:-}" ]; then
  mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1
  wait_for "$LOGFILE" "opened DCIM/101CANON" 15 >/dev/null
  sleep 3
  before=$(awk '{print $14+$15}' "/proc/$PID/stat")
  sleep "$MIRVALE_E2E_IDLE_SECONDS"
  after=$(awk '{print $14+$15}' "/proc/$PID/stat")
  echo "measure: CPU over ${MIRVALE_E2E_IDLE_SECONDS} s idle with a card mounted: $(( (after - before) * 1000 / $(getconf CLK_TCK) )) ms"
  echo "measure: resident memory idle: $(awk '/VmRSS/ {print $2, $3}' "/proc/$PID/status")"
  umount "$MOUNTPOINT"
fi
stop_mirvale plain
echo "PASS: card announced, DCIM/101CANON shown, unmount noticed"

# Run 1b: no file manager and no system bus (so no udisks2): the card's failure is reported.
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/no-system-bus" start_mirvale bare offscreen no
wait_for "$LOGFILE" "No file manager is available yet" 10 || exit 1
mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || { echo "FAIL: mount" >&2; exit 1; }
wait_for "$LOGFILE" "$LABEL: failed to open DCIM/101CANON" 20 || exit 1
release_mount "$MOUNTPOINT"
stop_mirvale bare
echo "PASS: without a file manager or udisks2 the card's failure is logged"

# Run 2: with udisks2 on the system bus, the disk session sees the loop disk.
if [ -x /usr/libexec/udisks2/udisksd ]; then
  if ! udisksctl status >/dev/null 2>&1; then
    mkdir -p /run/dbus
    [ -S /run/dbus/system_bus_socket ] || dbus-daemon --system --fork
    if [ -x /lib/systemd/systemd-udevd ] && ! pgrep -x systemd-udevd >/dev/null; then
      /lib/systemd/systemd-udevd --daemon >/dev/null 2>&1
      udevadm trigger --action=add >/dev/null 2>&1
      udevadm settle >/dev/null 2>&1
    fi
    /usr/libexec/udisks2/udisksd >/dev/null 2>&1 &
    for _ in $(seq 100); do udisksctl status >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  udisksctl status >/dev/null 2>&1 || { echo "FAIL: udisks2 did not start" >&2; exit 1; }
  # Attached while Mirvale runs: its file system reaches udisks2's clients as an added interface.
  losetup -d "$LOOP"
  start_mirvale udisks offscreen yes
  LOOP="$(losetup -f --show "$WORK/card.img")" || { echo "FAIL: no free loop device" >&2; exit 1; }
  wait_for "$LOGFILE" "Disk appeared: $(basename "$LOOP") (loop, exfat)" 15 || exit 1
  grep -q "Failed to create udisks2 session" "$LOGFILE" && { echo "FAIL: no disk session" >&2; exit 1; }
  ctl() { DBUS_SESSION_BUS_ADDRESS="$(cat "$WORK/udisks/bus")" "$MIRVALECTL" "$@"; }
  cards_show() { # cards_show PATTERN: mirvalectl cards lists a line matching PATTERN
    local deadline=$(( $(date +%s) + 10 ))
    while [ "$(date +%s)" -le "$deadline" ]; do
      ctl cards > "$WORK/cards.txt" 2>&1 && grep -q -E -- "$1" "$WORK/cards.txt" && return 0
      sleep 0.1
    done
    echo "FAIL: mirvalectl cards shows no line like \"$1\"" >&2; cat "$WORK/cards.txt" >&2
    return 1
  }

  mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || { echo "FAIL: mount" >&2; exit 1; }
  wait_for "$LOGFILE" "Card ready: $LABEL at $MOUNTPOINT" 15 || exit 1
  cards_show "^$LABEL — [0-9.]+ [kMG]B free$" || exit 1
  ctl cards --json | grep -q "\"mountPath\": \"$MOUNTPOINT\"" || { echo "FAIL: cards --json" >&2; exit 1; }
  echo "PASS: mirvalectl cards lists $(cat "$WORK/cards.txt")"

  # A program using the card: tried again for a while, then named; one that lets go in time is waited for.
  (cd "$MOUNTPOINT/DCIM" && exec sleep 60) & HOLDER=$!
  ctl eject "$LABEL" 2> "$WORK/busy.err" && fail "mirvalectl eject succeeded while sleep used the card"
  grep -q "sleep is using $LABEL: close its window on the card, then Unmount again" "$WORK/busy.err" \
    && grep -q "$LABEL: busy, trying again" "$LOGFILE" || { cat "$WORK/busy.err" "$LOGFILE" >&2; fail "busy card"; }
  echo "PASS: a busy card names its holder: $(cat "$WORK/busy.err")"
  (sleep 1; kill "$HOLDER") &
  ctl eject "$LABEL" || { echo "FAIL: mirvalectl eject exited $?" >&2; cat "$LOGFILE" >&2; exit 1; }
  wait_for "$LOGFILE" "Volume unmounted: $MOUNTPOINT" 10 || exit 1
  mountpoint -q "$MOUNTPOINT" && { echo "FAIL: still mounted after eject" >&2; exit 1; }
  cards_show "^$LABEL — unmounted$" || exit 1
  losetup "$LOOP" >/dev/null 2>&1 || { echo "FAIL: the loop device went away" >&2; exit 1; }
  echo "PASS: mirvalectl eject unmounted the card; it lists as unmounted, $LOOP still attached"

  ctl open "$LABEL" 2> "$WORK/open.err"; status=$?
  [ "$status" -eq 1 ] || { echo "FAIL: mirvalectl open exited $status, expected 1" >&2; cat "$WORK/open.err" >&2; exit 1; }
  grep -q "^mirvalectl: Disk error: " "$WORK/open.err" || { echo "FAIL: open's error" >&2; cat "$WORK/open.err" >&2; exit 1; }
  wait_for "$LOGFILE" "Mounting $LABEL ($(basename "$LOOP"))" 5 || exit 1
  wait_for "$LOGFILE" "udisks2 Filesystem.Mount dissented for $LABEL" 5 || exit 1
  wait_for "$LOGFILE" "$LABEL: mount failed — " 5 || exit 1
  cards_show "^$LABEL — unmounted$" || exit 1
  echo "PASS: mirvalectl open reported: $(cat "$WORK/open.err")"

  HOME="$WORK/udisks" XDG_CONFIG_HOME="$WORK/udisks/.config" XDG_STATE_HOME="$WORK/second/state" \
  QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS="$(cat "$WORK/udisks/bus")" \
    timeout 20 "$MIRVALE" > "$WORK/second.out" 2>&1; status=$?
  [ "$status" -eq 0 ] || { echo "FAIL: a second mirvale exited $status" >&2; cat "$WORK/second.out" >&2; exit 1; }
  wait_for "$LOGFILE" "Control: asked to show the settings window" 5 || exit 1
  [ "$(grep -c "VolumeWatcher started" "$LOGFILE")" -eq 1 ] || { echo "FAIL: two watchers" >&2; exit 1; }
  echo "PASS: a second mirvale handed over to the first and exited 0"
  stop_mirvale udisks
  echo "PASS: disk session connected and saw $(basename "$LOOP")"
elif [ "${CI:-}" = "true" ]; then
  echo "FAIL: udisks2 is not installed" >&2
  exit 1
fi

# What a user reads (the logs of every run, mirvalectl's answers) names only what Linux has.
if grep -rniE "Finder|AppleScript|DiskArbitration|diskutil|System Settings|Privacy & Security" \
    "$WORK"/*/.local/state/mirvale "$WORK"/second/state "$WORK"/*/stdout "$WORK"/*.txt "$WORK"/*.err \
    "$WORK"/*.out 2>/dev/null; then
  echo "FAIL: another platform's words in what a user reads (above)" >&2
  exit 1
fi
echo "PASS: the logs and mirvalectl's answers speak Linux"
exit 0
