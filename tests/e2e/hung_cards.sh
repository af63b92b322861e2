#!/usr/bin/env bash
# End to end: two cards hang (their FUSE daemons stopped right after mounting), two healthy
# cards are mounted half a second later. Each healthy card is seen within 1.5 s of its mount
# and opened once, its "Card ready" at most 2.5 s after its "Card mounted"; each hung card is
# reported once. Then a card with a large folder hangs right after "Card ready", while its
# newest file is being looked for, and two healthy cards mounted after it are each opened once
# within the settle time and a second of their mount. Quitting takes under a second
# (MIRVALE_QUIT_LIMIT_MS).
#   hung_cards.sh MIRVALE_BINARY FAKE_FILE_MANAGER_BINARY
# Exits 77 (skipped) where cards cannot be mounted, except under CI=true, where that fails.
set -uo pipefail

MIRVALE="$1" FAKE_FM="$2" LIMIT_MS="${MIRVALE_QUIT_LIMIT_MS:-1000}"
PREFIX="${MIRVALE_E2E_LABEL:-}"; PREFIX="${PREFIX:0:4}" # exFAT labels: at most 11 characters
HUNG=("${PREFIX}HUNG33A" "${PREFIX}HUNG33B") HEALTHY=("${PREFIX}OK33A" "${PREFIX}OK33B")
LATE="${PREFIX}HUNG33C" AFTER=("${PREFIX}OK33C" "${PREFIX}OK33D")

E2E_NAME=hung
. "$(dirname "$0")/lib.sh"
need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session

e2e_cleanup() { [ -n "${APP_PID:-}" ] && kill -KILL "$APP_PID" 2>/dev/null; }
fill_card() { mkdir -p "$1/DCIM/100CANON"; echo raw > "$1/DCIM/100CANON/IMG_0001.CR3"; }
# Folders enough that looking for the newest is still going on when the card stops.
fill_large() {
  mkdir -p "$1/DCIM" && (cd "$1/DCIM" && for i in $(seq 4000); do mkdir "F$i"; done)
  mkdir -p "$1/DCIM/100CANON"; echo raw > "$1/DCIM/100CANON/IMG_0001.CR3"
}
declare -A LOOP_OF MOUNTED_AT
for label in "${HUNG[@]}" "${HEALTHY[@]}" "${AFTER[@]}"; do make_card_image "$label" fill_card; LOOP_OF[$label]="$LOOP"; done
make_card_image "$LATE" fill_large; LOOP_OF[$LATE]="$LOOP"

write_bus_config "$WORK/bus.conf"
# A thread waiting in the kernel on a stopped card never stops for LeakSanitizer at exit.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" start_mirvale hung offscreen yes
for label in "${HUNG[@]}"; do
  mount_card "${LOOP_OF[$label]}" "/media/root/$label"; hang_card "${LOOP_OF[$label]}" "/media/root/$label"
done
sleep 0.5
for label in "${HEALTHY[@]}"; do mount_card "${LOOP_OF[$label]}" "/media/root/$label"; MOUNTED_AT[$label]=$(now_ms); done

for label in "${HEALTHY[@]}"; do
  wait_for "$LOGFILE" "$label: opened DCIM/100CANON" 15 || exit 1
  seen=$(( $(log_time_ms "$LOGFILE" "Card mounted: /media/root/$label, settling") - MOUNTED_AT[$label] ))
  ready=$(( $(log_time_ms "$LOGFILE" "Card ready: $label at") - MOUNTED_AT[$label] - seen ))
  echo "measure: $label seen $seen ms after its mount, ready $ready ms after that"
  [ "$seen" -le 1500 ] && [ "$ready" -le 2500 ] || fail "$label was held up"
done
for label in "${HUNG[@]}"; do wait_for "$LOGFILE" "$label does not answer at /media/root/$label" 20 || exit 1; done
sleep 1 # room for a repeat that must not come
for label in "${HEALTHY[@]}"; do [ "$(count_lines "$LOGFILE" "$label: opened")" -eq 1 ] || fail "$label opened again"; done
for label in "${HUNG[@]}"; do
  [ "$(count_lines "$LOGFILE" "$label does not answer at")" -eq 1 ] \
    && [ "$(count_lines "$LOGFILE" "panel \"$label: $label does not answer: pull it out and insert it again\"")" -eq 1 ] \
    || fail "$label was not reported exactly once"
done

# A card that stops answering while its folder is resolved holds up no later card.
mount_card "${LOOP_OF[$LATE]}" "/media/root/$LATE"
wait_for "$LOGFILE" "Card ready: $LATE at" 15 || exit 1
hang_card "${LOOP_OF[$LATE]}" "/media/root/$LATE"
for label in "${AFTER[@]}"; do mount_card "${LOOP_OF[$label]}" "/media/root/$label"; MOUNTED_AT[$label]=$(now_ms); done
for label in "${AFTER[@]}"; do
  wait_for "$LOGFILE" "$label: opened DCIM/100CANON" 15 || exit 1
  opened=$(( $(log_time_ms "$LOGFILE" "$label: opened DCIM/100CANON") - MOUNTED_AT[$label] ))
  echo "measure: $label opened $opened ms after its mount, behind a card that stopped answering"
  [ "$opened" -le 3000 ] || fail "$label was held up by $LATE"
done
wait_for "$LOGFILE" "$LATE does not answer at /media/root/$LATE" 20 || exit 1
for label in "${AFTER[@]}"; do [ "$(count_lines "$LOGFILE" "$label: opened")" -eq 1 ] || fail "$label opened again"; done
# Stopped while its folder was resolved, or while its files were counted: never a report.
[ "$(count_lines "$LOGFILE" "$LATE does not answer at")" -eq 1 ] && [ "$(count_lines "$LOGFILE" "panel \"$LATE: ")" -eq 1 ] \
  || { grep -F "$LATE" "$LOGFILE" >&2; fail "$LATE was not given up exactly once"; }

QUIT_MS=$(quit_ms) || fail "still running 20 s after SIGTERM"
echo "measure: quit with two hung cards took $QUIT_MS ms"
[ "$QUIT_MS" -lt "$LIMIT_MS" ] || fail "quit took $QUIT_MS ms"
for daemon in "${STOPPED[@]}"; do kill -CONT "$daemon"; done
wait "$SESSION_PID" || { cat "$WORK/hung/stdout" >&2; fail "mirvale did not exit 0 after SIGTERM"; }
echo "PASS: cards that hung at mount or while their folder was resolved held up no healthy card nor quitting, and were reported once each"
