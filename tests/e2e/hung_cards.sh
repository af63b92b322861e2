#!/usr/bin/env bash
# End to end: two cards hang (their FUSE daemons stopped right after mounting) and two healthy
# cards are mounted half a second later. Each healthy card is seen within 1.5 s of its mount
# and opened once, its "Card ready" at most 2.5 s after its "Card mounted"; each hung card is
# reported once as not answering; quitting takes under a second (MIRVALE_QUIT_LIMIT_MS).
#   hung_cards.sh MIRVALE_BINARY FAKE_FILE_MANAGER_BINARY
# Exits 77 (skipped) where cards cannot be mounted, except under CI=true, where that fails.
set -uo pipefail

MIRVALE="$1" FAKE_FM="$2"
PREFIX="${MIRVALE_E2E_LABEL:-}"; PREFIX="${PREFIX:0:4}" # exFAT labels: at most 11 characters
HUNG=("${PREFIX}HUNG33A" "${PREFIX}HUNG33B") HEALTHY=("${PREFIX}OK33A" "${PREFIX}OK33B")
LIMIT_MS="${MIRVALE_QUIT_LIMIT_MS:-1000}" READY_LIMIT_MS=2500

E2E_NAME=hung
. "$(dirname "$0")/lib.sh"

need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session

e2e_cleanup() { [ -n "${APP_PID:-}" ] && kill -KILL "$APP_PID" 2>/dev/null; }
fill_card() { mkdir -p "$1/DCIM/100CANON"; echo raw > "$1/DCIM/100CANON/IMG_0001.CR3"; }
declare -A LOOP_OF
for label in "${HUNG[@]}" "${HEALTHY[@]}"; do
  make_card_image "$label" fill_card
  LOOP_OF[$label]="$LOOP"
done

write_bus_config "$WORK/bus.conf"
# A thread waiting in the kernel on a stopped card never stops for LeakSanitizer at exit.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" start_mirvale hung offscreen yes
for label in "${HUNG[@]}"; do
  mount_card "${LOOP_OF[$label]}" "/media/root/$label"
  hang_card "${LOOP_OF[$label]}" "/media/root/$label"
done
sleep 0.5
declare -A MOUNTED_AT
for label in "${HEALTHY[@]}"; do
  mount_card "${LOOP_OF[$label]}" "/media/root/$label"
  MOUNTED_AT[$label]=$(now_ms)
done

for label in "${HEALTHY[@]}"; do
  wait_for "$LOGFILE" "$label: opened DCIM/100CANON" 15 || exit 1
  mounted=$(log_time_ms "$LOGFILE" "Card mounted: /media/root/$label, settling")
  ready=$(log_time_ms "$LOGFILE" "Card ready: $label at /media/root/$label")
  echo "measure: $label seen $(( mounted - MOUNTED_AT[$label] )) ms after its mount, ready $(( ready - mounted )) ms after that"
  [ $(( mounted - MOUNTED_AT[$label] )) -le 1500 ] || fail "$label seen $(( mounted - MOUNTED_AT[$label] )) ms after its mount"
  [ $(( ready - mounted )) -le $READY_LIMIT_MS ] || fail "$label ready $(( ready - mounted )) ms after it mounted"
done
for label in "${HUNG[@]}"; do
  wait_for "$LOGFILE" "$label does not answer at /media/root/$label" 20 || exit 1
done
sleep 1 # room for a repeat that must not come
for label in "${HEALTHY[@]}"; do
  [ "$(count_lines "$LOGFILE" "$label: opened")" -eq 1 ] || fail "$label was not opened exactly once"
done
for label in "${HUNG[@]}"; do
  [ "$(count_lines "$LOGFILE" "$label does not answer at")" -eq 1 ] || fail "$label was not logged exactly once"
  [ "$(count_lines "$LOGFILE" "showing panel \"$label: $label does not answer: pull it out and insert it again\"")" -eq 1 ] \
    || fail "$label was not reported exactly once"
  grep -q -F "Card ready: $label" "$LOGFILE" && fail "the hung card $label was read"
done

QUIT_MS=$(quit_ms) || fail "still running 20 s after SIGTERM"
echo "measure: quit with two hung cards took $QUIT_MS ms"
[ "$QUIT_MS" -lt "$LIMIT_MS" ] || fail "quit took $QUIT_MS ms"
for daemon in "${STOPPED[@]}"; do kill -CONT "$daemon"; done
STOPPED=()
wait "$SESSION_PID"; status=$?; APP_PID=""
[ "$status" -eq 0 ] || { cat "$WORK/hung/stdout" >&2; fail "mirvale exited $status after SIGTERM"; }
echo "PASS: two hung cards held up neither healthy card, were reported once each, and quit took $QUIT_MS ms"
