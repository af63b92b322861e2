#!/usr/bin/env bash
# A real notification server (dunst on Xvfb, on the private session bus) and reportWith
# "desktop": opening an exFAT card sends one Notify (app, card name, report, actions); Unmount
# chosen in dunst's menu unmounts the card and the outcome replaces the notification.
#   desktop_notifications.sh MIRVALE_BINARY FAKE_FILE_MANAGER_BINARY (77: skipped)
set -uo pipefail

MIRVALE="$1"
FAKE_FM="$2"
LABEL="${MIRVALE_E2E_LABEL:-EOS_DIGITAL}"

E2E_NAME=notifications
. "$(dirname "$0")/lib.sh"

need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session dbus-monitor Xvfb dunst dunstctl

MOUNTPOINT="/media/root/$LABEL"
e2e_cleanup() {
  [ -s "$WORK/helpers.pid" ] && kill $(cat "$WORK/helpers.pid") 2>/dev/null
  release_mount "$MOUNTPOINT"
  rmdir "$MOUNTPOINT" 2>/dev/null
  [ -n "${MIRVALE_E2E_KEEP_LOGS:-}" ] && cp -r "$WORK" "$MIRVALE_E2E_KEEP_LOGS" 2>/dev/null
}

write_bus_config "$WORK/bus.conf"
start_xvfb 1280x800

fill_card() { mkdir -p "$1/DCIM/100CANON" && echo raw > "$1/DCIM/100CANON/IMG_0001.CR3"; }
make_card_image "$LABEL" fill_card

# dunst's context menu "dmenu" picks the Unmount action.
cat > "$WORK/pick-unmount" <<'EOF'
#!/bin/sh
grep -m1 Unmount
EOF
chmod +x "$WORK/pick-unmount"
printf '[global]\n    dmenu = %s\n' "$WORK/pick-unmount" > "$WORK/dunstrc"

HOME_DIR="$WORK/home"
mkdir -p "$HOME_DIR/.config/Mirvale"
echo '{"reportWith": "desktop", "showNotifications": true}' > "$HOME_DIR/.config/Mirvale/settings.json"
LOGFILE="$HOME_DIR/.local/state/mirvale/mirvale.log"
MONITOR="$WORK/monitor.log"

HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/.config" XDG_STATE_HOME="$HOME_DIR/.local/state" \
QT_QPA_PLATFORM=offscreen MIRVALE="$MIRVALE" FAKE_FM="$FAKE_FM" WORK="$WORK" MONITOR="$MONITOR" \
dbus-run-session --config-file="$WORK/bus.conf" -- bash -c '
  echo "$DBUS_SESSION_BUS_ADDRESS" > "$WORK/bus"
  dunst -config "$WORK/dunstrc" > "$WORK/dunst.log" 2>&1 & dunst=$!
  wait_for_bus_name org.freedesktop.Notifications || exit 3
  dbus-monitor "type=method_call,interface=org.freedesktop.Notifications,member=Notify" > "$MONITOR" 2>&1 & monitor=$!
  "$FAKE_FM" "$WORK/fm.log" & fm=$!
  wait_for_bus_name org.freedesktop.FileManager1
  "$MIRVALE" & app=$!
  echo "$app" > "$WORK/mirvale.pid"
  echo "$fm $monitor $dunst" > "$WORK/helpers.pid"
  wait "$app"; status=$?
  kill "$fm" "$monitor" "$dunst" 2>/dev/null
  exit $status
' > "$WORK/stdout" 2>&1 &
SESSION_PID=$!
PIDS+=($SESSION_PID)
wait_for "$LOGFILE" "Coordinator started" 20 || { cat "$WORK/stdout" "$WORK/dunst.log" >&2; exit 1; }
APP_PID="$(cat "$WORK/mirvale.pid")"
PIDS+=("$APP_PID")

mkdir -p "$MOUNTPOINT"
mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || fail "mount"
wait_for "$LOGFILE" "$LABEL: opened DCIM/100CANON" 15 || exit 1
wait_for "$MONITOR" "Opened DCIM/100CANON" 10 || exit 1
NOTIFY="$(awk '/member=Notify/ { n++ } n == 1' "$MONITOR")"
for expected in 'string "Mirvale"' 'uint32 0' 'string "mirvale-tray-symbolic"' "string \"$LABEL\"" \
    'string "unmount"' 'string "Unmount"' 'string "show-folder"' 'string "device.added"' \
    'string "io.github.mirvale.Mirvale"'; do
  grep -qF -- "$expected" <<<"$NOTIFY" || { echo "$NOTIFY" >&2; fail "the Notify lacks $expected"; }
done
[ "$(grep -c "member=Notify" "$MONITOR")" -eq 1 ] || { cat "$MONITOR" >&2; fail "not exactly one Notify"; }
grep -q "Notifier: the notification server can do: .*actions" "$LOGFILE" || fail "capabilities not read"

DBUS_SESSION_BUS_ADDRESS="$(cat "$WORK/bus")" dunstctl context || fail "dunstctl context"
wait_for "$LOGFILE" "Notifier: Unmount chosen for $MOUNTPOINT" 10 || exit 1
for _ in $(seq 200); do mountpoint -q "$MOUNTPOINT" || break; sleep 0.05; done
mountpoint -q "$MOUNTPOINT" && fail "the card is still mounted after Unmount"
wait_for "$MONITOR" "Unmounted. The card can be removed." 10 || exit 1
REPLACED="$(awk '/member=Notify/ { n++ } n == 2' "$MONITOR")"
grep -qE 'uint32 [1-9]' <<<"$REPLACED" || { echo "$REPLACED" >&2; fail "the outcome did not replace the notification"; }
grep -q "\[WARN\] Notifier" "$LOGFILE" && fail "the notifier warned"

kill -TERM "$APP_PID"
wait "$SESSION_PID" || { cat "$WORK/stdout" >&2; fail "mirvale did not exit 0"; }
echo "PASS"
