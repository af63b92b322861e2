#!/usr/bin/env bash
# Resident memory of an idle mirvale with its tray icon shown, under Xvfb on a private session
# bus with the test's tray host (the same set-up as tests/e2e/tray_menu.sh).
#   bench/tray_rss.sh build/src/mirvale build/tests/mirvale_fake_tray_host [SETTLE_SECONDS]
set -euo pipefail
MIRVALE="$(readlink -f "$1")"
HOST="$(readlink -f "$2")"
SETTLE="${3:-5}"

WORK="$(mktemp -d /tmp/mirvale-rss-XXXXXX)"
XVFB_PID=""
cleanup() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
Xvfb -displayfd 3 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$WORK/display")"
cat >"$WORK/bus.conf" <<'CONF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
mkdir -p "$WORK/home"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_STATE_HOME="$WORK/home/.local/state"
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/no-system-bus" QT_QPA_PLATFORM=xcb WORK MIRVALE HOST SETTLE
dbus-run-session --config-file="$WORK/bus.conf" -- bash -c '
  "$HOST" watch >"$WORK/host.out" 2>&1 & HOST_PID=$!
  for _ in $(seq 200); do grep -q watching "$WORK/host.out" && break; sleep 0.05; done
  "$MIRVALE" >/dev/null 2>&1 & PID=$!
  for _ in $(seq 400); do grep -q registered "$WORK/host.out" && break; sleep 0.05; done
  grep -q registered "$WORK/host.out" || { echo "no tray icon registered" >&2; kill $PID $HOST_PID; exit 1; }
  "$HOST" menu >/dev/null   # the menu built and exported once, as after a first look
  sleep "$SETTLE"
  for i in 1 2 3; do
    awk "/^VmRSS|^RssAnon|^RssFile|^VmHWM/ {printf \"%s %s kB  \", \$1, \$2} END {print \"\"}" /proc/$PID/status
    sleep 1
  done
  kill $PID $HOST_PID; wait $PID $HOST_PID 2>/dev/null
  true
'
