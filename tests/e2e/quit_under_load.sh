#!/usr/bin/env bash
# End to end: SIGTERM to the real mirvale while work hangs must exit 0 within a second, five
# runs each, timed: (1) mirvalectl eject falls back, with no disk service, to an umount that
# never ends (a fake on PATH); (2) the card's exFAT FUSE daemon is stopped right after mounting.
#   quit_under_load.sh MIRVALE_BINARY FAKE_FILE_MANAGER_BINARY MIRVALECTL_BINARY
# Exits 77 (skipped) where cards cannot be mounted, except under CI=true, where that fails.
set -uo pipefail

MIRVALE="$1" FAKE_FM="$2" MIRVALECTL="$3"
LABEL="${MIRVALE_E2E_LABEL:-Q18_QUIT}" RUNS=5 LIMIT_MS="${MIRVALE_QUIT_LIMIT_MS:-1000}" # exFAT labels: at most 11 characters

E2E_NAME=quit
. "$(dirname "$0")/lib.sh"

need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session

MOUNTPOINT="/media/root/$LABEL"
DAEMON=""
e2e_cleanup() {
  [ -n "$DAEMON" ] && kill -CONT "$DAEMON" 2>/dev/null
  [ -n "${APP_PID:-}" ] && kill -KILL "$APP_PID" 2>/dev/null
  # A run killed while its card hung lets go of the card a moment after it is gone.
  release_mount "$MOUNTPOINT"
  rmdir "$MOUNTPOINT" 2>/dev/null
}

write_bus_config "$WORK/bus.conf"
mkdir -p "$WORK/bin" "$MOUNTPOINT"
printf '#!/bin/sh\nexec sleep 120\n' > "$WORK/bin/umount"; chmod +x "$WORK/bin/umount"
make_card_image "$LABEL" true

# A run on its own home with no system bus, so no disk service: ejecting falls back to the
# umount on PATH.
start() { # start NAME
  PATH="$WORK/bin:$PATH" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/none" start_mirvale "$1" offscreen yes
}
quit() { # SIGTERM to the run's mirvale; appends the milliseconds until it has exited to $1
  quit_ms >> "$1" || fail "still running 20 s after SIGTERM ($1)"
  [ "$(tail -n1 "$1")" -lt "$LIMIT_MS" ] || fail "quit took $(tail -n1 "$1") ms ($1)"
}
ended() { # ended NAME WHAT: the run's mirvale exited 0
  local status
  wait "$SESSION_PID"; status=$?; APP_PID=""
  [ "$status" -eq 0 ] || { cat "$WORK/$1/stdout" >&2; fail "mirvale exited $status after SIGTERM ($2)"; }
}
report() { echo "measure: $2, median of $RUNS: $(sort -n "$1" | sed -n "$(( (RUNS + 1) / 2 ))p") ms ($(tr '\n' ' ' < "$1"))"; }

for run in $(seq "$RUNS"); do
  start "command$run"
  mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || fail "mount"
  wait_for "$LOGFILE" "Card ready: $LABEL at $MOUNTPOINT" 15 || exit 1
  DBUS_SESSION_BUS_ADDRESS="$(cat "$WORK/command$run/bus")" "$MIRVALECTL" eject "$LABEL" >/dev/null 2>&1 &
  wait_for "$LOGFILE" "Running umount $MOUNTPOINT" 10 || exit 1
  quit "$WORK/command.ms"; ended "command$run" "stuck umount"
  umount "$MOUNTPOINT"
done
report "$WORK/command.ms" "quit during a stuck disk command"

# LeakSanitizer stops every thread at exit to look for leaks, and a thread waiting in the kernel
# on the stopped card never stops: it is turned off for these runs only.
for run in $(seq "$RUNS"); do
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" start "card$run"
  mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || fail "mount"
  DAEMON="$(pgrep -n -f "exfat-fuse $LOOP $MOUNTPOINT")" || fail "no FUSE daemon found"
  kill -STOP "$DAEMON"
  sleep 3 # mirvale sees the mount and, once the card has settled, its read of the card hangs
  grep -q "Card ready: $LABEL" "$LOGFILE" && fail "the hung card was read"
  quit "$WORK/card.ms"
  kill -CONT "$DAEMON"; DAEMON=""; ended "card$run" "hung card"
  umount "$MOUNTPOINT" || { sleep 1; umount "$MOUNTPOINT"; }
done
report "$WORK/card.ms" "quit while a card hangs"
echo "PASS: quit exits 0 within $LIMIT_MS ms while a disk command or a card hangs"
