#!/usr/bin/env bash
# The real mirvale under Xvfb, read through its own accessibility bus as a screen reader reads
# it (settings_accessibility.py): names, labels, the Tab cycles, the save keys, a report panel.
#
#   settings_accessibility.sh MIRVALE_BINARY FAKE_FILE_MANAGER_BINARY FAKE_TRAY_HOST_BINARY
# Exits 77 (skipped) without X, pyatspi or cards, except under CI=true.
set -uo pipefail

MIRVALE="$1" FAKE_FM="$2" HOST="$3" # a tray: without one, the no-tray notice would take the focus
LABEL="${MIRVALE_E2E_LABEL:-A11Y_CARD}" # exFAT: at most 11 characters
E2E_NAME=a11y
. "$(dirname "$0")/lib.sh"
need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session Xvfb openbox xdotool
PYTHON=/usr/bin/python3 # Debian's, where python3-pyatspi is, whatever python3 PATH finds first
[ -x /usr/libexec/at-spi-bus-launcher ] && "$PYTHON" -c "import pyatspi" 2>/dev/null || skip "no AT-SPI or pyatspi"
MOUNTPOINT="/media/root/$LABEL"
e2e_cleanup() { release_mount "$MOUNTPOINT"; rmdir "$MOUNTPOINT" 2>/dev/null; }

start_xvfb 1280x800
start_openbox
write_bus_config "$WORK/bus.conf"
fill_card() { mkdir -p "$1/DCIM/100CANON" && echo raw >"$1/DCIM/100CANON/IMG_0001.CR3"; }
make_card_image "$LABEL" fill_card
H="$WORK/run"
mkdir -p "$H/.config/Mirvale" -m 700 "$WORK/runtime"
echo '{ "showNotifications": true, "firstRunHintShown": true }' >"$H/.config/Mirvale/settings.json"
cat >"$H/.config/Mirvale/rules.json" <<RULES
[{"name": "Camera", "match": {"kind": "volumeName", "name": "$LABEL"}, "subfolder": {"kind": "smart"}},
 {"name": "Other", "match": {"kind": "volumeName", "name": "OTHER_CARD"}, "subfolder": {"kind": "smart"}}]
RULES

export HOME="$H" XDG_CONFIG_HOME="$H/.config" XDG_STATE_HOME="$H/.local/state" XDG_RUNTIME_DIR="$WORK/runtime" \
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 MIRVALE FAKE_FM HOST
setsid dbus-run-session --config-file="$WORK/bus.conf" -- bash -c '
  echo "$DBUS_SESSION_BUS_ADDRESS" >"$HOME/bus"
  /usr/libexec/at-spi-bus-launcher >"$HOME/a11y.out" 2>&1 & helpers=($!)
  "$HOST" watch >"$HOME/host.out" 2>&1 & helpers+=($!)
  "$FAKE_FM" "$HOME/fm.log" & helpers+=($!)
  for name in org.a11y.Bus org.kde.StatusNotifierWatcher org.freedesktop.FileManager1; do wait_for_bus_name $name; done
  "$MIRVALE" & app=$!
  echo "$app" >"$HOME/mirvale.pid"
  wait "$app"; status=$?
  kill "${helpers[@]}" 2>/dev/null
  exit $status' >"$H/stdout" 2>&1 &
SESSION_PID=$!
PIDS+=($SESSION_PID)
wait_for "$H/.local/state/mirvale/mirvale.log" "Coordinator started" 20 || exit 1
APP_PID="$(cat "$H/mirvale.pid")"
export DBUS_SESSION_BUS_ADDRESS="$(cat "$H/bus")"
"$MIRVALE" >/dev/null 2>&1 || fail "the second start, which opens the settings, failed"
RULES="$H/.config/Mirvale/rules.json" LABEL="$LABEL" MOUNT_CMD="mkdir -p '$MOUNTPOINT' && mount.exfat-fuse '$LOOP' '$MOUNTPOINT'" \
  "$PYTHON" "$(dirname "$0")/settings_accessibility.py" || fail "the accessibility checks failed (above)"
kill -TERM "$APP_PID"
wait "$SESSION_PID" || fail "mirvale exited with $? after SIGTERM"
echo "PASS: the settings window and a report panel read through AT-SPI"
