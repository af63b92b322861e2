#!/usr/bin/env bash
# The real mirvale under Xvfb, read through the accessibility bus (AT-SPI) as a screen reader
# reads it, on a closed session bus with its own accessibility bus: the settings window is a
# frame whose focusable controls are all named, every text field labelled; one Tab cycle and
# one Shift+Tab cycle from the first focus visit every focusable control once; Return in the
# Name field does not save, Ctrl+S does; a card's report panel appears on the bus as a
# notification named with the card.
#
#   settings_accessibility.sh MIRVALE_BINARY FAKE_FILE_MANAGER_BINARY FAKE_TRAY_HOST_BINARY
# Exits 77 (skipped) without X, pyatspi or cards, except under CI=true.
set -uo pipefail

MIRVALE="$1"
FAKE_FM="$2"
HOST="$3" # a tray: without one, the no-tray notice would come up over the window
LABEL="${MIRVALE_E2E_LABEL:-A11Y_CARD}" # exFAT: at most 11 characters
E2E_NAME=a11y
. "$(dirname "$0")/lib.sh"

need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session Xvfb openbox xdotool
# Debian's Python, where python3-pyatspi installs, whatever python3 comes first on PATH.
PYTHON=/usr/bin/python3
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is missing"
"$PYTHON" -c "import pyatspi" 2>/dev/null || skip "python3-pyatspi is missing"

MOUNTPOINT="/media/root/$LABEL"
e2e_cleanup() {
  mountpoint -q "$MOUNTPOINT" && umount "$MOUNTPOINT"
  rmdir "$MOUNTPOINT" 2>/dev/null
}

start_xvfb 1280x800
start_openbox
write_bus_config "$WORK/bus.conf"
fill_card() { mkdir -p "$1/DCIM/100CANON" && echo raw >"$1/DCIM/100CANON/IMG_0001.CR3"; }
make_card_image "$LABEL" fill_card

HOME_DIR="$WORK/run"
mkdir -p "$HOME_DIR/.config/Mirvale"
echo '{ "showNotifications": true, "firstRunHintShown": true }' >"$HOME_DIR/.config/Mirvale/settings.json"
cat >"$HOME_DIR/.config/Mirvale/rules.json" <<RULES
[{"name": "Camera", "match": {"kind": "volumeName", "name": "$LABEL"}, "subfolder": {"kind": "smart"}},
 {"name": "Other", "match": {"kind": "volumeName", "name": "OTHER_CARD"}, "subfolder": {"kind": "smart"}}]
RULES
RULES="$HOME_DIR/.config/Mirvale/rules.json"

# Mirvale, the recording file manager and an accessibility bus, all on the closed session bus.
HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/.config" XDG_STATE_HOME="$HOME_DIR/.local/state" \
  XDG_RUNTIME_DIR="$WORK/runtime" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  MIRVALE="$MIRVALE" FAKE_FM="$FAKE_FM" HOST="$HOST" \
  setsid dbus-run-session --config-file="$WORK/bus.conf" -- bash -c '
    echo "$DBUS_SESSION_BUS_ADDRESS" >"$HOME/bus"
    /usr/libexec/at-spi-bus-launcher >"$HOME/a11y.out" 2>&1 & helpers=($!)
    wait_for_bus_name org.a11y.Bus
    "$HOST" watch >"$HOME/host.out" 2>&1 & helpers+=($!)
    wait_for_bus_name org.kde.StatusNotifierWatcher
    "$FAKE_FM" "$HOME/fm.log" & helpers+=($!)
    wait_for_bus_name org.freedesktop.FileManager1
    "$MIRVALE" & app=$!
    echo "$app" >"$HOME/mirvale.pid"
    wait "$app"; status=$?
    kill "${helpers[@]}" 2>/dev/null
    exit $status
  ' >"$HOME_DIR/stdout" 2>&1 &
SESSION_PID=$!
PIDS+=($SESSION_PID)
mkdir -p -m 700 "$WORK/runtime"
LOGFILE="$HOME_DIR/.local/state/mirvale/mirvale.log"
wait_for "$LOGFILE" "Coordinator started" 20 || exit 1
APP_PID="$(cat "$HOME_DIR/mirvale.pid")"

# A second start opens the settings of the running one.
HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/.config" XDG_STATE_HOME="$HOME_DIR/.local/state" \
  DBUS_SESSION_BUS_ADDRESS="$(cat "$HOME_DIR/bus")" QT_QPA_PLATFORM=xcb "$MIRVALE" >/dev/null 2>&1 \
  || fail "the second start failed"

DBUS_SESSION_BUS_ADDRESS="$(cat "$HOME_DIR/bus")" RULES="$RULES" LABEL="$LABEL" MOUNT_CMD="mkdir -p '$MOUNTPOINT' && mount.exfat-fuse '$LOOP' '$MOUNTPOINT'" \
  "$PYTHON" "$(dirname "$0")/settings_accessibility.py" || fail "the accessibility checks failed (above)"
umount "$MOUNTPOINT" 2>/dev/null
kill -TERM "$APP_PID"
wait "$SESSION_PID" || fail "mirvale exited with $? after SIGTERM"
echo "PASS: the settings window and a report panel read through AT-SPI"
