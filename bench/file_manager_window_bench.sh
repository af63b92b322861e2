#!/usr/bin/env bash
# Times the file manager's window under Xvfb and openbox with real exFAT cards through FUSE:
#  1. for each real file manager, from its answer to the window placed at the rule's frame
#     (median of ROUNDS cards, from Mirvale's own log), by the window test's bench rounds;
#  2. how long an open is held by a window that never comes: a stand-in file manager answers
#     but shows no window, and the open's run is timed from Mirvale's log.
# Needs root, FUSE, exfatprogs, exfat-fuse and the file managers.
#
#   bench/file_manager_window_bench.sh [MIRVALE [FAKE_FILE_MANAGER [ROUNDS [FILE_MANAGER...]]]]
# MIRVALE_E2E_DISPLAY=:N uses display numbers N to N+6 instead of free ones.
set -uo pipefail

MIRVALE="$(realpath "${1:-build/src/mirvale}")"
FAKE_FM="$(realpath "${2:-build/tests/mirvale_fake_file_manager}")"
ROUNDS="${3:-5}"
FILE_MANAGERS="${*:4}"
[ -n "$FILE_MANAGERS" ] || FILE_MANAGERS="thunar nemo nautilus dolphin caja pcmanfm-qt"
HERE="$(cd "$(dirname "$0")" && pwd)"

for fm in $FILE_MANAGERS; do
  MIRVALE_WINDOW_BENCH_ROUNDS="$ROUNDS" bash "$HERE/../tests/e2e/file_manager_window.sh" "$MIRVALE" "$fm" \
    | grep "^measure:" || echo "measure: $fm failed; run tests/e2e/file_manager_window.sh for the reason"
done

# A window that never comes.
E2E_NAME=window-bench
. "$HERE/../tests/e2e/lib.sh"
e2e_cleanup() { mountpoint -q /media/root/FM21_NEVER && umount /media/root/FM21_NEVER; rmdir /media/root/FM21_NEVER 2>/dev/null; }
if [ -n "${MIRVALE_E2E_DISPLAY:-}" ]; then
  export DISPLAY=":$(( ${MIRVALE_E2E_DISPLAY#:} + 6 ))" # after the window test's six
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
  PIDS+=($!)
  sleep 1
else
  start_xvfb 1280x1024
fi
start_openbox
write_bus_config "$WORK/bus.conf"
make_card_image FM21_NEVER true
mkdir -p "$WORK/never/.config/Mirvale" /media/root/FM21_NEVER
echo '[{"name": "Placed", "match": {"kind": "volumeName", "name": "FM21_NEVER"}, "subfolder": {"kind": "smart"},
  "bringToFront": true, "placement": {"left": 100, "top": 100, "width": 600, "height": 400}}]' \
  > "$WORK/never/.config/Mirvale/rules.json"
start_mirvale never xcb yes
mount.exfat-fuse "$LOOP" /media/root/FM21_NEVER >/dev/null 2>&1 || fail "mount"
wait_for "$LOGFILE" "FM21_NEVER: opened" 30 || exit 1
started="$(log_time_ms "$LOGFILE" "FileManagerClient[open /media/root/FM21_NEVER] attempt 1: running")"
reported="$(log_time_ms "$LOGFILE" "FM21_NEVER: opened")"
echo "measure: a window that never comes holds the open $((reported - started)) ms (call, wait and report)"
grep -F "FileManagerWindows" "$LOGFILE" | sed 's/^/  /'
stop_mirvale never
