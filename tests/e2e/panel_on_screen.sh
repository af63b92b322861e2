#!/usr/bin/env bash
# End to end on a real X server: a card image is mounted while the real mirvale binary runs
# under Xvfb with openbox. The report panel must appear 12 px from the top and right edges of
# the screen within a second of the file manager being asked, 330 px wide, and leave after
# 8 s and a quarter-second fade. Without a file manager, the problem panel stays 12 s. The
# pointer resting on a panel keeps it; a click dismisses it. A panel tells the window manager
# and task lists that it is a notification, out of the taskbar and the pager.
#
#   panel_on_screen.sh MIRVALE_BINARY FAKE_FILE_MANAGER_BINARY
# Exits 77 (skipped) where cards cannot be mounted or X cannot run, except under CI=true.
set -uo pipefail

MIRVALE="$1"
FAKE_FM="$2"
LABEL="${MIRVALE_E2E_LABEL:-EOS_DIGITAL}" # exFAT: at most 11 characters
SCREEN_W=1280
SCREEN_H=800

E2E_NAME=panel
. "$(dirname "$0")/lib.sh"

need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session Xvfb openbox xdotool xwininfo xprop

MOUNTPOINT="/media/root/$LABEL"
e2e_cleanup() {
  release_mount "$MOUNTPOINT"
  rmdir "$MOUNTPOINT" 2>/dev/null
}

# The X server and a window manager that honours placed windows.
start_xvfb "${SCREEN_W}x${SCREEN_H}"
start_openbox

# A closed session bus: no service on it but the ones this test starts.
write_bus_config "$WORK/bus.conf"

# The card: DCIM with one camera folder.
fill_card() {
  mkdir -p "$1/DCIM/100CANON"
  for n in 0001 0002 0003; do echo "raw $n" > "$1/DCIM/100CANON/IMG_$n.CR3"; done
}
make_card_image "$LABEL" fill_card

run_session() { # run_session NAME WITH_FILE_MANAGER(yes|no)
  mkdir -p "$WORK/$1/.config/Mirvale"
  echo '{ "showNotifications" : true }' > "$WORK/$1/.config/Mirvale/settings.json"
  start_mirvale "$1" xcb "$2"
}

# From Mirvale's own log, so that a loaded machine's slow polling of X does not count.
check_stay() { # check_stay WHAT MIN_MS MAX_MS: from the panel's showing line to its closing line
  local shown closed
  shown="$(log_time_ms "$LOGFILE" "Notifier: showing panel")" || fail "no panel line in the log"
  closed="$(log_time_ms "$LOGFILE" "Notifier: panel closed")" || fail "no closing line in the log"
  local stay=$(( closed - shown ))
  echo "measure: $1 panel on screen for $stay ms"
  [ "$stay" -ge "$2" ] && [ "$stay" -le "$3" ] || fail "$1 panel stayed $stay ms, expected $2..$3"
}

# Run 1: the card opens; the report panel hangs in the corner for 8 s and fades.
run_session report yes
[ -z "$(panels)" ] || fail "a panel was on screen before any card"
mkdir -p "$MOUNTPOINT"
mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || fail "mount"
wait_for "$FM_LOG" "DCIM/100CANON" 20 || exit 1
wait_for_panel 10 || { cat "$LOGFILE" >&2; fail "no panel appeared"; }
FM_CALL_MS=$(head -n1 "$FM_LOG" | cut -d' ' -f1)
SHOWN_MS="$(log_time_ms "$LOGFILE" "Notifier: showing panel")" || fail "no panel line in the log"
echo "measure: file manager asked -> panel shown: $(( SHOWN_MS - FM_CALL_MS )) ms"
[ $(( SHOWN_MS - FM_CALL_MS )) -le 1000 ] || fail "the panel took more than a second after the file manager was asked"
check_corner "$GEOMETRY"
# A notification, not a task: the window manager and task lists are told so.
for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
  hints="$(xprop -id "$id" _NET_WM_STATE _NET_WM_WINDOW_TYPE 2>/dev/null)"
  for hint in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER "_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NOTIFICATION"; do
    grep -q -F "$hint" <<<"$hints" || { echo "$hints" >&2; fail "the panel lacks $hint"; }
  done
done
grep -q -F "Notifier: showing panel \"$LABEL: Opened DCIM/100CANON · 3 files · " "$LOGFILE" || fail "no report line in the log"
[ -n "${MIRVALE_PANEL_SCREENSHOT:-}" ] && import -window root "$MIRVALE_PANEL_SCREENSHOT" 2>/dev/null
wait_for_no_panel 20 || fail "the report panel did not go"
check_stay report 7900 10500
umount "$MOUNTPOINT" || fail "could not unmount the card"
stop_mirvale report
echo "PASS: report panel in the top-right corner, gone after 8 s"

# Run 2: no file manager on the bus; the problem panel stays 12 s.
run_session problem no
mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || fail "mount"
wait_for_panel 60 || { cat "$LOGFILE" >&2; fail "no problem panel appeared"; }
check_corner "$GEOMETRY"
grep -q -F "$LABEL: failed to open" "$LOGFILE" || fail "the failure was not logged"
wait_for_no_panel 25 || fail "the problem panel did not go"
check_stay problem 11900 14500
umount "$MOUNTPOINT"
stop_mirvale problem
echo "PASS: problem panel stayed 12 s"

# Run 3: the pointer resting on a panel keeps it past its 8 s; a click sends it away.
run_session hover yes
mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || fail "mount"
wait_for_panel 20 || { cat "$LOGFILE" >&2; fail "no panel appeared"; }
read -r x y w h <<<"$GEOMETRY"
xdotool mousemove $(( x + w - 40 )) $(( y + 20 ))
sleep 9.5
[ -n "$(panels)" ] || fail "the panel went while the pointer rested on it"
xdotool click 1
CLICKED_MS=$(now_ms)
wait_for_no_panel 5 || fail "a click did not dismiss the panel"
echo "measure: click -> panel gone: $(( GONE_MS - CLICKED_MS )) ms"
xdotool mousemove 10 10
umount "$MOUNTPOINT"
stop_mirvale hover
echo "PASS: the pointer held the panel, a click dismissed it"
exit 0
