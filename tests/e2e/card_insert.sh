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
LABEL="${MIRVALE_E2E_LABEL:-EOS_DIGITAL}" # another label keeps parallel runs apart

skip() {
  if [ "${CI:-}" = "true" ]; then
    echo "FAIL: cannot run the card test in CI: $*" >&2
    exit 1
  fi
  echo "SKIP: $*"
  exit 77
}

[ "$(id -u)" -eq 0 ] || skip "needs root to attach and mount a card image"
[ -e /dev/fuse ] || skip "no /dev/fuse"
for tool in mkfs.exfat mount.exfat-fuse losetup dbus-run-session; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done

WORK="$(mktemp -d /tmp/mirvale-e2e-XXXXXX)"
MOUNTPOINT="/media/root/$LABEL"
LOOP=""
STAGE="$WORK/stage"
PIDS=()

cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  mountpoint -q "$MOUNTPOINT" && umount "$MOUNTPOINT"
  mountpoint -q "$STAGE" && umount "$STAGE"
  [ -n "$LOOP" ] && losetup -d "$LOOP" 2>/dev/null
  rmdir "$MOUNTPOINT" 2>/dev/null
  [ -n "${MIRVALE_E2E_KEEP_LOGS:-}" ] && cp -r "$WORK" "$MIRVALE_E2E_KEEP_LOGS" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# The session bus of each run activates nothing from the machine (no desktop file manager).
BUS_CONFIG="$WORK/session-bus.conf"
mkdir -p "$WORK/services"
sed "s|@MIRVALE_TEST_SERVICE_DIR@|$WORK/services|" "$(dirname "$0")/../common/session-bus.conf.in" > "$BUS_CONFIG"

now_ms() { date +%s%3N; }
# Milliseconds since the epoch of the first log line containing $2, from its timestamp.
log_time_ms() {
  local line
  line="$(grep -m1 -F -- "$2" "$1")" || return 1
  date -d "${line:0:23}" +%s%3N
}
wait_for() { # wait_for FILE TEXT SECONDS
  local deadline=$(( $(date +%s) + $3 ))
  while [ "$(date +%s)" -le "$deadline" ]; do
    grep -q -F -- "$2" "$1" 2>/dev/null && return 0
    sleep 0.05
  done
  echo "FAIL: \"$2\" did not appear in $1 within $3 s" >&2
  echo "---- $1" >&2; cat "$1" >&2 2>/dev/null
  return 1
}

# The card: DCIM with two camera folders, the newer one by name.
truncate -s 64M "$WORK/card.img"
mkfs.exfat -L "$LABEL" "$WORK/card.img" >/dev/null || skip "mkfs.exfat failed"
LOOP="$(losetup -f --show "$WORK/card.img")" || skip "no free loop device"
mkdir -p "$STAGE"
mount.exfat-fuse "$LOOP" "$STAGE" >/dev/null 2>&1 || skip "exfat-fuse cannot mount here"
mkdir -p "$STAGE/DCIM/100CANON" "$STAGE/DCIM/101CANON" "$STAGE/MISC"
for n in 0001 0002 0003; do echo "raw $n" > "$STAGE/DCIM/100CANON/IMG_$n.CR3"; done
for n in 0004 0005; do echo "raw $n" > "$STAGE/DCIM/101CANON/IMG_$n.CR3"; done
umount "$STAGE"

run_session() { # run_session NAME [nofm]: one mirvale run on a private session bus
  local name="$1" home="$WORK/$1"
  mkdir -p "$home"
  HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_STATE_HOME="$home/.local/state" \
  QT_QPA_PLATFORM=offscreen FM_LOG="$WORK/$name-fm.log" MIRVALE="$MIRVALE" FAKE_FM="$FAKE_FM" NO_FM="${2:-}" \
  dbus-run-session --config-file="$BUS_CONFIG" -- bash -c '
    [ -n "$NO_FM" ] && FAKE_FM=true
    "$FAKE_FM" "$FM_LOG" & fm=$!
    for _ in $(seq 100); do
      [ -n "$NO_FM" ] && break
      dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.freedesktop.FileManager1 2>/dev/null | grep -q "boolean true" && break
      sleep 0.05
    done
    echo "$DBUS_SESSION_BUS_ADDRESS" > "$HOME/bus"
    "$MIRVALE" & app=$!
    echo "$app" > "$HOME/mirvale.pid"
    wait "$app"; status=$?
    kill "$fm" 2>/dev/null
    exit $status
  ' > "$home/stdout" 2>&1 &
  PIDS+=($!)
  SESSION_PID=$!
  LOGFILE="$home/.local/state/Logs/Mirvale/dovetta.log"
  FM_LOG="$WORK/$name-fm.log"
  wait_for "$LOGFILE" "Coordinator started" 20 || exit 1
}

stop_session() {
  kill -TERM "$(cat "$WORK/$1/mirvale.pid")"
  wait "$SESSION_PID"; local status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAIL: mirvale exited with $status after SIGTERM" >&2
    cat "$WORK/$1/stdout" >&2
    exit 1
  fi
}

# Run 1: no udisks2 needed; the mount table drives everything.
run_session plain
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

umount "$MOUNTPOINT"
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
stop_session plain
echo "PASS: card announced, DCIM/101CANON shown, unmount noticed"

# Run 1b: no file manager and no system bus (so no udisks2): the card's failure is reported.
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/no-system-bus" run_session bare nofm
wait_for "$LOGFILE" "No file manager is available yet" 10 || exit 1
mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || { echo "FAIL: mount" >&2; exit 1; }
wait_for "$LOGFILE" "$LABEL: failed to open DCIM/101CANON" 20 || exit 1
umount "$MOUNTPOINT"
stop_session bare
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
  run_session udisks
  wait_for "$LOGFILE" "Disk appeared: $(basename "$LOOP") (Virtual Interface, exfat)" 15 || exit 1
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
  stop_session udisks
  echo "PASS: disk session connected and saw $(basename "$LOOP")"
elif [ "${CI:-}" = "true" ]; then
  echo "FAIL: udisks2 is not installed" >&2
  exit 1
fi

# What a user reads (the logs of every run, mirvalectl's answers) names only what Linux has.
if grep -rnE "Finder|AppleScript|DiskArbitration|diskutil|System Settings|Privacy & Security" \
    "$WORK"/*/.local/state/Logs "$WORK"/second/state "$WORK"/*/stdout "$WORK"/*.txt "$WORK"/*.err \
    "$WORK"/*.out 2>/dev/null; then
  echo "FAIL: another platform's words in what a user reads (above)" >&2
  exit 1
fi
echo "PASS: the logs and mirvalectl's answers speak Linux"
exit 0
