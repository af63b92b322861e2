#!/usr/bin/env bash
# The real udisks2 and ext4 card images that a runtime udev rule marks HintAuto: Mirvale mounts
# a card inserted before it started and one inserted while it runs (after the grace) and shows
# each folder once; it leaves alone an ignored card, one mounted by someone else first (no
# error), one pulled in the grace, and new ones after `mirvalectl set mountInsertedCards false`.
#   automount.sh MIRVALE_BINARY FAKE_FILE_MANAGER_BINARY MIRVALECTL_BINARY (77: skipped)
set -uo pipefail

MIRVALE="$1"
FAKE_FM="$2"
MIRVALECTL="$3"
PREFIX="${MIRVALE_E2E_LABEL:-AUTO30}" # ext4 labels: at most 16 characters with the suffix

E2E_NAME=automount
. "$(dirname "$0")/lib.sh"

need_card_rights
need_tools mkfs.ext4 udisksctl udevadm dbus-run-session
udisksctl status >/dev/null 2>&1 || skip "udisks2 is not running"
[ -d /run/udev ] || skip "udev is not running"

RULE="/run/udev/rules.d/99-mirvale-automount-$$.rules"
LOOPS=()
e2e_cleanup() {
  local loop
  for loop in "${LOOPS[@]}"; do
    udisksctl unmount -b "$loop" --no-user-interaction >/dev/null 2>&1 \
      || udisksctl unmount -b "$loop" --force --no-user-interaction >/dev/null 2>&1
    udisksctl loop-delete -b "$loop" --no-user-interaction >/dev/null 2>&1 || losetup -d "$loop" 2>/dev/null
  done
  rm -f "$RULE"
  udevadm control --reload 2>/dev/null
  [ -n "${MIRVALE_E2E_KEEP_LOGS:-}" ] && cp -r "$WORK" "$MIRVALE_E2E_KEEP_LOGS" 2>/dev/null
}

# Cards named PREFIX_A.. are what a card reader's cards are to udisks2; PREFIX_I.. are ignored.
mkdir -p /run/udev/rules.d
cat > "$RULE" <<EOF
SUBSYSTEM=="block", ENV{ID_FS_LABEL}=="${PREFIX}_[A-H]*", ENV{UDISKS_AUTO}="1", ENV{UDISKS_SYSTEM}="0"
SUBSYSTEM=="block", ENV{ID_FS_LABEL}=="${PREFIX}_I*", ENV{UDISKS_AUTO}="1", ENV{UDISKS_SYSTEM}="0", ENV{UDISKS_IGNORE}="1"
EOF
udevadm control --reload

write_bus_config "$WORK/bus.conf"

# insert SUFFIX: an ext4 card PREFIX_SUFFIX with a camera folder, attached through udisks2;
# sets INSERTED (its device).
insert() {
  local label="${PREFIX}_$1" image="$WORK/$1.img"
  mkdir -p "$WORK/fill-$1/DCIM/100TEST"
  echo "raw" > "$WORK/fill-$1/DCIM/100TEST/IMG_0001.JPG"
  mkfs.ext4 -q -F -L "$label" -d "$WORK/fill-$1" "$image" 8M || fail "mkfs.ext4 $label"
  INSERTED="$(udisksctl loop-setup -f "$image" --no-user-interaction | grep -o '/dev/loop[0-9]*')" \
    || fail "loop-setup $label"
  LOOPS+=("$INSERTED")
}
pull() { udisksctl loop-delete -b "$1" --no-user-interaction >/dev/null || fail "loop-delete $1"; }
is_mounted() { findmnt -rn -S "$1" >/dev/null; }
wait_for_hints() { # wait_for_hints DEVICE AUTO
  local _
  for _ in $(seq 100); do
    udisksctl info -b "$1" 2>/dev/null | grep -q "HintAuto: *$2" && return 0
    sleep 0.05
  done
  fail "udisks2 did not mark $1 HintAuto $2"
}

# A card inserted before Mirvale starts.
insert C
wait_for_hints "$INSERTED" true
CARD_C="$INSERTED"

start_mirvale run offscreen yes
PIDS+=("$APP_PID") # stopped itself on every way out, not only its session
wait_for "$LOGFILE" "Mounting ${PREFIX}_C: inserted and not mounted by the desktop within 1.5 s" 15 || exit 1
wait_for "$FM_LOG" "${PREFIX}_C/DCIM/100TEST" 15 || exit 1
is_mounted "$CARD_C" || fail "${PREFIX}_C is not mounted"

# A card inserted while Mirvale runs: mounted no sooner than the grace, its folder shown once.
insert A
CARD_A="$INSERTED"
wait_for "$LOGFILE" "Mounting ${PREFIX}_A: inserted" 15 || exit 1
MOUNTING_MS=$(log_time_ms "$LOGFILE" "Mounting ${PREFIX}_A:")
APPEARED_MS=$(log_time_ms "$LOGFILE" "Disk appeared: ${CARD_A#/dev/} (")
echo "measure: disk appeared -> \"Mounting\" logged: $(( MOUNTING_MS - APPEARED_MS )) ms"
[ $(( MOUNTING_MS - APPEARED_MS )) -ge 1500 ] || fail "Mounting came before the grace period ended"
wait_for "$LOGFILE" "${PREFIX}_A: opened DCIM/100TEST" 15 || exit 1
is_mounted "$CARD_A" || fail "${PREFIX}_A is not mounted"

# Mounted by someone else first: no Mounting line and no error.
insert B
udisksctl mount -b "$INSERTED" --no-user-interaction >/dev/null || fail "mount ${PREFIX}_B"
wait_for "$LOGFILE" "${PREFIX}_B: opened DCIM/100TEST" 15 || exit 1

# Ignored, and pulled in the grace: left alone.
insert I
CARD_I="$INSERTED"
insert D
pull "$INSERTED"
sleep 3
is_mounted "$CARD_I" && fail "the ignored card was mounted"

# The setting off: a new card waits for the user.
DBUS_SESSION_BUS_ADDRESS="$(cat "$WORK/run/bus")" "$MIRVALECTL" set mountInsertedCards false \
  || fail "mirvalectl set mountInsertedCards false"
[ "$(DBUS_SESSION_BUS_ADDRESS="$(cat "$WORK/run/bus")" "$MIRVALECTL" get mountInsertedCards)" = false ] \
  || fail "mirvalectl get mountInsertedCards"
insert E
CARD_E="$INSERTED"
wait_for_hints "$CARD_E" true
sleep 3
is_mounted "$CARD_E" && fail "${PREFIX}_E was mounted with mountInsertedCards false"

for label in I D E B; do
  [ "$(count_lines "$LOGFILE" "Mounting ${PREFIX}_$label")" -eq 0 ] || fail "Mirvale mounted ${PREFIX}_$label"
done
for label in A B C; do
  [ "$(grep -c "${PREFIX}_$label/DCIM" "$FM_LOG")" -eq 1 ] || { cat "$FM_LOG" >&2; fail "${PREFIX}_$label shown other than once"; }
done
if grep -E "\[(WARN|ERROR)\] Mounting" "$LOGFILE"; then fail "a mount error was logged"; fi
stop_mirvale run
echo "PASS"
