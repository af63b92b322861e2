#!/usr/bin/env bash
# Twelve cards mounted within a second (exFAT through FUSE, the recording file manager): each is
# opened once; prints how long after the last mount the last card was opened (the settle time
# is 2 s of it). As root, with udisks2's prerequisites: the e2e card tests' own set-up.
#   bench/twelve_cards.sh [build/src/mirvale] [build/tests/mirvale_fake_file_manager]
set -uo pipefail
MIRVALE="${1:-build/src/mirvale}" FAKE_FM="${2:-build/tests/mirvale_fake_file_manager}"
E2E_NAME=twelve
. "$(dirname "$0")/../tests/e2e/lib.sh"
need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session

fill_card() { mkdir -p "$1/DCIM/100CANON"; echo raw > "$1/DCIM/100CANON/IMG_0001.CR3"; }
declare -A LOOP_OF
LABELS=()
for n in $(seq -w 1 12); do LABELS+=("TWELVE$n"); make_card_image "TWELVE$n" fill_card; LOOP_OF[TWELVE$n]="$LOOP"; done
write_bus_config "$WORK/bus.conf"
start_mirvale twelve offscreen yes
for label in "${LABELS[@]}"; do mount_card "${LOOP_OF[$label]}" "/media/root/$label"; sleep 0.08; done
last_mount=$(now_ms)
for label in "${LABELS[@]}"; do wait_for "$LOGFILE" "$label: opened DCIM/100CANON" 30 >/dev/null || fail "$label not opened"; done
sleep 1
last=0
for label in "${LABELS[@]}"; do
  [ "$(count_lines "$LOGFILE" "$label: opened")" -eq 1 ] || fail "$label opened more than once"
  at=$(log_time_ms "$LOGFILE" "$label: opened DCIM/100CANON"); [ "$at" -gt "$last" ] && last=$at
done
echo "twelve cards, each opened once; the last $(( last - last_mount )) ms after the last mount"
stop_mirvale twelve
